#include "../common/TempFolder.h"
#include "../support/ScriptedInteraction.h"
#include "appkit/Desktop.h"
#include "regshell/QuorraLauncher.h"

#include <QImage>
#include <QProcess>
#include <QtTest>

// Tessaly hands functions to the real Quorra; Quorra draws them into a picture file instead of its
// window, and the picture must equal the one Quorra draws for the expected texts typed by hand.
namespace {

// Starts programs on the real desktop with Quorra's picture export put in front of the arguments.
class ExportingDesktop : public appkit::Desktop {
public:
    explicit ExportingDesktop(QString pictureFile) : pictureFile_(std::move(pictureFile)) {}
    void startProgram(const QString& program, const QStringList& arguments) override {
        desktop_.startProgram(program, QStringList{"--export=" + pictureFile_} + arguments);
    }
    void openUrl(const QUrl&) override {}

private:
    appkit::QtDesktop desktop_;
    QString pictureFile_;
};

QString quorraFolder() {
    return QStringLiteral(QUORRA_PROGRAM_DIR);
}

// Quorra's picture of `functions`, drawn by running it directly.
QImage referencePicture(const TempFolder& folder, const QString& name, const QStringList& functions) {
    const QString file = QString::fromStdString((folder / name.toStdString()).string());
    QProcess::execute(quorraFolder() + "/math", QStringList{"--export=" + file} + functions);
    return QImage(file);
}

} // namespace

class QuorraEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void quorraPlotsExactlyTheHandedOverTexts() {
        TempFolder folder;
        const QString handedOver = QString::fromStdString((folder / "handed-over.png").string());
        ExportingDesktop desktop(handedOver);
        ScriptedInteraction interaction;
        regshell::QuorraLauncher launcher(desktop, interaction, quorraFolder());

        // Blanks, "*" and "^" would be split or expanded by a shell; each must arrive as one function.
        launcher.handOver({"Sales = 1 + 2Time", "Sales = 2 * 1.1^Time"}, "Time");

        QVERIFY(interaction.messages.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(handedOver), 30000 * QUORRA_TIME_LIMIT_SCALE);
        const QImage picture(handedOver);
        QVERIFY(!picture.isNull());
        const QImage expected = referencePicture(folder, "expected.png", {"1 + 2x", "2 * 1.1^x"});
        QVERIFY(!expected.isNull());
        QVERIFY(picture == expected);
        // The comparison tells the curves apart: one function alone gives another picture.
        QVERIFY(picture != referencePicture(folder, "first-only.png", {"1 + 2x"}));
    }
};

QTEST_MAIN(QuorraEndToEndTest)
#include "QuorraEndToEndTest.moc"
