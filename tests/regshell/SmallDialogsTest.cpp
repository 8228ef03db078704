#include "appkit/THelpWindow.h"
#include "common/IniFile.h"
#include "regshell/TForm13.h"
#include "regshell/TForm6.h"
#include "regshell/TForm7.h"
#include "regshell/TessalyHelp.h"
#include "regshell/TessalySettings.h"
#include "translation/Translator.h"

#include "tests/common/FullDisk.h"
#include "tests/common/TempFolder.h"
#include "tests/support/ScriptedInteraction.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

namespace {

const QString LanguageFolder = QStringLiteral(QUORRA_LANGUAGE_SOURCE_DIR);

void loadLanguage(const std::string& language) {
    translation::translator().setLanguageFiles(QUORRA_LANGUAGE_SOURCE_DIR, "tsy");
    translation::translator().LoadLanguage(language);
}

// A language dialog over a settings file in a fresh folder, opened as the program opens it.
struct LanguageDialogFixture {
    TempFolder folder;
    std::filesystem::path path = folder / "tessaly.ini";
    common::IniFile file{path};
    regshell::TessalySettings settings{file};
    ScriptedInteraction interaction;
    TForm7 dialog{settings, interaction};

    explicit LanguageDialogFixture(const std::string& contents = {}) {
        if (!contents.empty())
            TempFolder::write(path, contents);
        dialog.open();
    }
    void choose(const QString& language) {
        const QList<QListWidgetItem*> items = dialog.languageList()->findItems(language, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        items.front()->setSelected(true);
        dialog.okButton()->click();
    }
    std::string onDisk() const { return TempFolder::read(path); }
};

QString anchorsIn(const QString& fileName) {
    QFile file(fileName);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

class SmallDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { loadLanguage("English"); }

    void languageDialogOffersExactlyEnglishAndSwedishWithTranslatedCaptions() {
        loadLanguage("Swedish");
        LanguageDialogFixture fixture;
        QCOMPARE(fixture.dialog.size(), QSize(262, 172));
        QListWidget* list = fixture.dialog.languageList();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("English"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Swedish"));
        QCOMPARE(fixture.dialog.windowTitle(), QStringLiteral("Språk"));
        QCOMPARE(fixture.dialog.cancelButton()->text(), QStringLiteral("Avbryt"));
    }

    void choosingAnotherLanguageStoresItClosesAndThenAnnouncesTheRestart() {
        LanguageDialogFixture fixture;
        fixture.choose(QStringLiteral("Swedish"));
        QVERIFY(!fixture.dialog.isVisible());
        QCOMPARE(fixture.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(fixture.onDisk(), std::string("[Options]\nLanguage=Swedish\n"));
        // The message waits for the event loop, after the dialog has gone.
        QVERIFY(fixture.interaction.messages.isEmpty());
        QTRY_COMPARE(fixture.interaction.messages,
                     QStringList({"The new language will be used the next time you start Tessaly."}));
        // The texts of this run stay in the language loaded at start.
        QCOMPARE(translation::T("Cancel"), std::string("Cancel"));
        QCOMPARE(translation::translator().currentLanguage(), std::string("English"));
    }

    void theStoredLanguageOrNoChoiceLeavesTheDialogOpenAndWritesNothing() {
        LanguageDialogFixture fixture("[Options]\nLanguage=Swedish\n");
        fixture.choose(QStringLiteral("Swedish"));
        QVERIFY(fixture.dialog.isVisible());
        fixture.dialog.languageList()->clearSelection();
        fixture.dialog.okButton()->click();
        QVERIFY(fixture.dialog.isVisible());
        QTest::qWait(120);
        QVERIFY(fixture.interaction.messages.isEmpty());
        QCOMPARE(fixture.onDisk(), std::string("[Options]\nLanguage=Swedish\n"));

        // With no stored language English is in effect, so choosing it changes nothing either.
        LanguageDialogFixture empty;
        empty.choose(QStringLiteral("English"));
        QVERIFY(empty.dialog.isVisible());
        QVERIFY(!std::filesystem::exists(empty.path));
    }

    void aLanguageThatCannotBeStoredIsReportedAndNoRestartIsPromised() {
        LanguageDialogFixture fixture("[Options]\nLanguage=English\n");
        {
            FullDisk full(8);
            fixture.choose(QStringLiteral("Swedish"));
        }
        QVERIFY(fixture.dialog.isVisible());
        QCOMPARE(fixture.interaction.errors.size(), 1);
        QVERIFY(fixture.interaction.errors.front().startsWith(QStringLiteral("Unable to write to ")));
        QVERIFY(fixture.interaction.errors.front().contains(QStringLiteral("tessaly.ini")));
        QTest::qWait(120);
        QVERIFY(fixture.interaction.messages.isEmpty());
        QCOMPARE(fixture.onDisk(), std::string("[Options]\nLanguage=English\n"));
    }

    void cancelClosesTheLanguageDialogWithoutWriting() {
        LanguageDialogFixture fixture;
        fixture.dialog.languageList()->item(1)->setSelected(true);
        fixture.dialog.cancelButton()->click();
        QVERIFY(!fixture.dialog.isVisible());
        QTest::qWait(120);
        QVERIFY(fixture.interaction.messages.isEmpty());
        QVERIFY(!std::filesystem::exists(fixture.path));
    }

    void aboutBoxShowsTheVersionTheTranslatedCaptionAndTheIcon() {
        for (const auto& [language, caption] :
             {std::pair{"English", "About Tessaly"}, std::pair{"Swedish", "Om Tessaly"}}) {
            loadLanguage(language);
            TForm6 about;
            about.show();
            QCOMPARE(about.windowTitle(), QString::fromUtf8(caption));
            QCOMPARE(about.versionLabel()->text(), QStringLiteral("ver 3.1"));
            QCOMPARE(about.size(), QSize(257, 158));
            about.close();
        }
        TForm6 about;
        const auto* title = about.findChild<QLabel*>(QStringLiteral("ProductName"));
        QCOMPARE(title->text(), QStringLiteral("Tessaly"));
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pixelSize(), 19);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(128, 0, 0));

        const QImage icon = about.findChild<QLabel*>(QStringLiteral("ProgramIcon"))->pixmap().toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        int coloured = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                coloured += qAlpha(icon.pixel(x, y)) > 0 ? 1 : 0;
        QVERIFY2(coloured > 200, "the program icon was not drawn");
    }

    void informationBoxDescribesQuorraInEnglishWhateverTheLanguage() {
        loadLanguage("Swedish");
        TForm13 information;
        QCOMPARE(information.windowTitle(), QStringLiteral("Information"));
        const QStringList lines = information.text().split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("External program: Quorra"));
        QCOMPARE(lines.value(1), QString());
        for (const char* phrase : {"y=2x", "y=sin(x+10)-cos(x)", "12 graphs", "roots", "integration area",
                                   "zoom", "word processor", "saved", "English and Swedish"})
            QVERIFY2(information.text().contains(QLatin1String(phrase)), phrase);
        QCOMPARE(information.findChild<QWidget*>(QStringLiteral("Memo1"))->size(), QSize(465, 173));
    }

    void helpFileIsNamedAfterTheLanguageBesideTheProgram() {
        QCOMPARE(regshell::helpFileName(QStringLiteral("/opt/tessaly"), "Swedish"),
                 QStringLiteral("/opt/tessaly/tsySwedish.html"));
        QCOMPARE(regshell::helpFileName(QStringLiteral("/opt/tessaly/"), "English"),
                 QStringLiteral("/opt/tessaly/tsyEnglish.html"));
    }

    void contentsAndTheWizardTopicOpenInBothLanguages() {
        for (const std::string language : {"English", "Swedish"}) {
            QWidget program;
            regshell::TessalyHelp help(LanguageFolder, language, &program);
            QTextBrowser* browser = help.window()->browser();

            QVERIFY(help.showContext(8));
            QVERIFY(help.window()->isVisible());
            QCOMPARE(browser->source().fileName(), QString::fromStdString("tsy" + language + ".html"));
            QCOMPARE(browser->source().fragment(), QStringLiteral("Multiple_Regression_Wizard"));
            QVERIFY(browser->verticalScrollBar()->value() > 0);

            QVERIFY(help.showContext(1));
            QCOMPARE(browser->source().fragment(), QStringLiteral("Contents"));
            // The contents anchor is the top of the page, within its margin.
            QVERIFY(browser->verticalScrollBar()->value() < 20);
        }
    }

    void everyAnchorOfTheContextMapExistsInBothHelpFiles() {
        QCOMPARE(regshell::helpAnchorOfContext(1), QStringLiteral("Contents"));
        QCOMPARE(regshell::helpAnchorOfContext(8), QStringLiteral("Multiple_Regression_Wizard"));
        QCOMPARE(regshell::helpAnchorOfContext(99), QString());
        for (const char* name : {"tsyEnglish.html", "tsySwedish.html"}) {
            const QString html = anchorsIn(LanguageFolder + QLatin1Char('/') + QLatin1String(name));
            for (const regshell::HelpTopic& topic : regshell::HelpTopics)
                QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(QLatin1String(topic.anchor))), name);
            // Links inside the file lead to anchors that exist.
            const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
            for (const QRegularExpressionMatch& match : link.globalMatch(html))
                QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(match.captured(1))),
                         qPrintable(QLatin1String(name) + QLatin1Char(' ') + match.captured(1)));
        }
    }

    void aMissingHelpFileShowsNothing() {
        TempFolder folder;
        QWidget program;
        regshell::TessalyHelp help(QString::fromStdString(folder.path().string()), "English", &program);
        QVERIFY(!help.showContext(1));
        QVERIFY(!help.window()->isVisible());
    }
};

QTEST_MAIN(SmallDialogsTest)
#include "SmallDialogsTest.moc"
