#include "FrameFixture.h"
#include "appkit/Desktop.h"
#include "appkit/THelpWindow.h"
#include "plotter/HelpTopics.h"
#include "plotter/TAboutBox.h"
#include "plotter/TUrlLabel.h"
#include "plotter/TfrmTYInfo.h"
#include "tests/support/HelpMenuNames.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QUrl>

namespace {

// Records what would have been handed to the desktop instead of starting or opening anything.
class RecordingDesktop : public appkit::Desktop {
public:
    QStringList programs;
    QList<QStringList> arguments;
    QList<QUrl> urls;

    void startProgram(const QString& program, const QStringList& programArguments) override {
        programs.append(program);
        arguments.append(programArguments);
    }
    void openUrl(const QUrl& url) override { urls.append(url); }
};

struct HelpFixture : FrameFixture {
    RecordingDesktop desktop;
    HelpFixture() {
        start();
        frame->setDesktop(desktop);
        frame->setProgramFolder(QString::fromStdString(folder.path().string()));
    }
    QString folderPath(const char* name) const { return QString::fromStdString((folder / name).string()); }
};

QString helpSource(const std::filesystem::path& file) {
    return QString::fromUtf8(QByteArray::fromStdString(TempFolder::read(file)));
}

} // namespace

class HelpAndInformationTest : public QObject {
    Q_OBJECT
private slots:
    void tessalyStartsBesideTheProgramWithoutArgumentsAndWithoutAMessage() {
        HelpFixture fixture;
        fixture.trigger(CommandId::StartTessaly);
        QCOMPARE(fixture.desktop.programs, QStringList({fixture.folderPath("tessaly")}));
        QCOMPARE(fixture.desktop.arguments.at(0), QStringList());
        QVERIFY(fixture.interaction.messages.isEmpty() && fixture.interaction.errors.isEmpty());
    }

    void noteFilesOpenInTheEditorOnlyWhenTheyExist() {
        HelpFixture fixture;
        fixture.trigger(CommandId::IntroductoryLetter);
        fixture.trigger(CommandId::Survey);
        QVERIFY(fixture.desktop.urls.isEmpty());
        QVERIFY(fixture.interaction.messages.isEmpty() && fixture.interaction.errors.isEmpty());

        TempFolder::write(fixture.folder / "Introduc.txt", "Welcome");
        TempFolder::write(fixture.folder / "Survey.txt", "Questions");
        fixture.trigger(CommandId::IntroductoryLetter);
        fixture.trigger(CommandId::Survey);
        QCOMPARE(fixture.desktop.urls, QList<QUrl>({QUrl::fromLocalFile(fixture.folderPath("Introduc.txt")),
                                                    QUrl::fromLocalFile(fixture.folderPath("Survey.txt"))}));
    }

    void webLinksOpenTheMakersRootProductAndTranslationPages() {
        HelpFixture fixture;
        fixture.trigger(CommandId::OrvaneHomePage);
        fixture.trigger(CommandId::QuorraHomePage);
        fixture.trigger(CommandId::InterestedInTranslating);
        QCOMPARE(fixture.desktop.urls.size(), 3);
        const QUrl root = fixture.desktop.urls[0];
        QVERIFY(root.scheme().startsWith(QStringLiteral("http")));
        QVERIFY(root.path().isEmpty() || root.path() == QStringLiteral("/"));
        QCOMPARE(fixture.desktop.urls[1].host(), root.host());
        QCOMPARE(fixture.desktop.urls[1].path(), QStringLiteral("/quorra"));
        QCOMPARE(fixture.desktop.urls[2].path(), QStringLiteral("/quorra/translate"));
    }

    void helpContentsShowsTheHelpFileOfTheLanguage() {
        HelpFixture fixture;
        fixture.trigger(CommandId::HelpContents);
        THelpWindow* help = fixture.frame->helpWindow();
        QVERIFY(help->isVisible());
        QCOMPARE(help->browser()->source().fileName(), QStringLiteral("qorEnglish.html"));
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("How to plot a function")));
    }

    void helpWindowClosesOnEscapeAndWithItsCloseButton() {
        HelpFixture fixture;
        fixture.trigger(CommandId::HelpContents);
        THelpWindow* help = fixture.frame->helpWindow();
        QVERIFY(help->isVisible());
        QTest::keyClick(help->browser(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());

        fixture.trigger(CommandId::HelpContents);
        auto* close = help->findChild<QPushButton*>(QStringLiteral("btnClose"));
        QCOMPARE(close->text(), QStringLiteral("&Close"));
        close->click();
        QVERIFY(!help->isVisible());
    }

    void bothHelpFilesHoldTheTopicsTheInstructionsOpen() {
        for (const char* name : {"qorEnglish.html", "qorSwedish.html"}) {
            const QString html = helpSource(std::filesystem::path(QUORRA_LANGUAGE_SOURCE_DIR) / name);
            for (int context : {plotter::PlotFunctionContext, plotter::IntegralContext})
                QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(plotter::topicOfContext(context))),
                         name);
        }
        QCOMPARE(plotter::topicOfContext(plotter::ContentsContext), QString());
    }

    void helpFilesNameMenusAndCommandsAsTheMenusOfTheirLanguage() {
        for (const char* language : {"English", "Swedish"}) {
            FrameFixture fixture;
            fixture.settings.writeString("Options", "Language", language);
            TMDIFrame& frame = fixture.start();
            const QString helpFile =
                QStringLiteral(QUORRA_LANGUAGE_SOURCE_DIR "/qor%1.html").arg(QLatin1String(language));
            const QStringList missing = help_menu_names::pathsMissingFromMenus(helpFile, *frame.menuBar());
            QVERIFY2(missing.isEmpty(), qPrintable(helpFile + ": " + missing.join(QStringLiteral(" | "))));
        }
    }

    void instructionsHelpOpensTheTopicAndLeavesTheDialogOpen() {
        HelpFixture fixture;
        bool stillOpen = false;
        fixture.interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            QSignalSpy finished(&dialog, &QDialog::finished);
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
            stillOpen = finished.isEmpty();
            return false;
        });
        fixture.typeAndEnter(QString());
        QCOMPARE(fixture.interaction.dialogsShown, QStringList({"dlgFunctionInstructions"}));
        QVERIFY(stillOpen);
        THelpWindow* help = fixture.frame->helpWindow();
        QVERIFY(help->isVisible());
        QCOMPARE(help->browser()->source().fragment(), QLatin1String(plotter::PlotFunctionTopic));
        help->close();

        fixture.trigger(CommandId::IntegralMode);
        fixture.interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
            return false;
        });
        fixture.typeAndEnter(QString());
        QCOMPARE(help->browser()->source().fragment(), QLatin1String(plotter::IntegralTopic));
    }

    void missingHelpFileShowsNothing() {
        FrameFixture fixture;
        TempFolder::write(
            fixture.folder / "qorEnglish.lng",
            TempFolder::read(std::filesystem::path(QUORRA_LANGUAGE_SOURCE_DIR) / "qorEnglish.lng"));
        translation::translator().setLanguageFiles(fixture.folder.path(), "qor");
        TMDIFrame& frame = fixture.start();
        fixture.trigger(CommandId::HelpContents);
        QVERIFY(!frame.helpWindow()->isVisible());
        QVERIFY(fixture.interaction.messages.isEmpty() && fixture.interaction.errors.isEmpty());
        translation::translator().setLanguageFiles(QUORRA_LANGUAGE_SOURCE_DIR, "qor");
        translation::translator().LoadLanguage("English");
    }

    void aboutBoxShowsVersionAndALinkToTheProductPage() {
        HelpFixture fixture;
        QString caption, version, link;
        QUrl opened;
        fixture.interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            dialog.show();
            caption = dialog.windowTitle();
            version = dialog.findChild<QLabel*>(QStringLiteral("Version"))->text();
            auto* label = dialog.findChild<TUrlLabel*>(QStringLiteral("UrlLabelHomePage"));
            link = label->text();
            QTest::mouseClick(label, Qt::LeftButton);
            dialog.hide();
            return true;
        });
        fixture.trigger(CommandId::About);
        QCOMPARE(fixture.interaction.dialogsShown, QStringList({"AboutBox"}));
        QCOMPARE(caption, QStringLiteral("About Quorra"));
        QCOMPARE(version, QStringLiteral("3.1"));
        QCOMPARE(link, QStringLiteral("Quorra Home Page"));
        QCOMPARE(fixture.desktop.urls.size(), 1);
        QCOMPARE(fixture.desktop.urls[0].path(), QStringLiteral("/quorra"));
    }

    void hyperlinkLabelLooksLikeALinkAndOpensItsTarget() {
        TUrlLabel label;
        label.setText(QStringLiteral("  https://example.org/page  "));
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QCOMPARE(label.fontColor(), QColor(0, 0, 255));
        QVERIFY(label.font().underline());
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);

        QSignalSpy opened(&label, &TUrlLabel::openRequested);
        QTest::mousePress(&label, Qt::LeftButton);
        QCOMPARE(label.fontColor(), QColor(128, 0, 128));
        QTest::mouseRelease(&label, Qt::LeftButton);
        QCOMPARE(label.fontColor(), QColor(0, 0, 255));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0][0].toString(), QStringLiteral("https://example.org/page"));

        label.setURL(QStringLiteral("   "));
        label.setText(QStringLiteral("   "));
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(opened.size(), 1);

        label.setText(QStringLiteral("Quorra Home Page"));
        label.setURL(QStringLiteral(" https://example.org/quorra "));
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(opened[1][0].toString(), QStringLiteral("https://example.org/quorra"));
        label.popupMenu()->actions().first()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Quorra Home Page"));
    }

    void tessalyInformationDescribesTheCompanionProgram() {
        HelpFixture fixture;
        QString text;
        fixture.interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            text = static_cast<TfrmTYInfo&>(dialog).text();
            return true;
        });
        fixture.trigger(CommandId::TessalyInformation);
        QCOMPARE(fixture.interaction.dialogsShown, QStringList({"frmTYInfo"}));
        QVERIFY(text.startsWith(QStringLiteral("External Program: Tessaly\n\n")));
        QVERIFY(text.contains(QStringLiteral("projects")));
    }
};

QTEST_MAIN(HelpAndInformationTest)
#include "HelpAndInformationTest.moc"
