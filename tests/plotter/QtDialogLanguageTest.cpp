#include "FrameFixture.h"
#include "appkit/ToolkitTranslation.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

// Qt's own dialogs and the standard buttons of every box speak the program's language: the texts
// Qt's Swedish catalogue has come from it, the rest from the language file.
namespace {

void loadLanguage(const std::string& language) {
    translation::translator().setLanguageFiles(QUORRA_LANGUAGE_SOURCE_DIR, "qor");
    translation::translator().LoadLanguage(language);
    appkit::installToolkitTranslation(language);
}

QString labelText(QWidget& dialog, const char* name) {
    auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("(no label %1)").arg(QLatin1String(name));
}

QString buttonText(QDialogButtonBox::StandardButton which) {
    QDialogButtonBox buttons(which);
    return buttons.button(which)->text();
}

struct FileDialogTexts {
    QString lookIn;
    QString fileName;
};
FileDialogTexts fileDialogTexts() {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    return {labelText(dialog, "lookInLabel"), labelText(dialog, "fileNameLabel")};
}

} // namespace

class QtDialogLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { loadLanguage("English"); }

    void swedishBoxesAndDialogsAreSwedish() {
        loadLanguage("Swedish");
        QMessageBox question;
        question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
        QCOMPARE(question.button(QMessageBox::No)->text(), QStringLiteral("&Nej"));
        QCOMPARE(buttonText(QDialogButtonBox::Ok), QStringLiteral("OK"));
        QCOMPARE(buttonText(QDialogButtonBox::Cancel), QStringLiteral("Avbryt"));
        QCOMPARE(buttonText(QDialogButtonBox::Apply), QStringLiteral("Verkställ"));
        QCOMPARE(buttonText(QDialogButtonBox::Close), QStringLiteral("&Stäng"));

        const FileDialogTexts files = fileDialogTexts();
        QCOMPARE(files.lookIn, QStringLiteral("Leta i:"));
        QCOMPARE(files.fileName, QStringLiteral("Fil&namn:"));
        QFontDialog font;
        font.setOption(QFontDialog::DontUseNativeDialog);
        QCOMPARE(font.windowTitle(), QStringLiteral("Välj typsnitt"));
    }

    void englishAgainLeavesNoSwedishBehind() {
        loadLanguage("Swedish");
        loadLanguage("English");
        QCOMPARE(buttonText(QDialogButtonBox::Yes), QStringLiteral("&Yes"));
        QCOMPARE(buttonText(QDialogButtonBox::Cancel), QStringLiteral("Cancel"));
        const FileDialogTexts files = fileDialogTexts();
        QCOMPARE(files.lookIn, QStringLiteral("Look in:"));
        QCOMPARE(files.fileName, QStringLiteral("File &name:"));
    }

    void theFrameStartedInSwedishTranslatesQtsTexts() {
        FrameFixture fixture;
        fixture.settings.writeString("Options", "Language", "Swedish");
        fixture.start();
        QCOMPARE(buttonText(QDialogButtonBox::No), QStringLiteral("&Nej"));
        QCOMPARE(fileDialogTexts().fileName, QStringLiteral("Fil&namn:"));
        QVERIFY(fixture.interaction.errors.isEmpty());
    }
};

QTEST_MAIN(QtDialogLanguageTest)
#include "QtDialogLanguageTest.moc"
