#include "MainWindowFixture.h"

#include <QComboBox>
#include <QtTest>

// `tessaly FILE.tsy`: the main window opens the project file named on its command line as Open
// does, instead of the Start Wizard.
namespace {

const char* const ProjectFile = "2\r\nHeights\r\nSecond\r\n"
                                "[Heights\r\n1\r\nAge=1;2;3;4#\r\nHeight=2;4;6;8#\r\n"
                                "[GrafHeights\r\n0;12;1;0;10;1;\r\n[AxelHeights\r\nAge\r\nHeight\r\n"
                                "[FunkHeights\r\n1\r\nLinear;y = 1 + 2x;1;2;\r\n"
                                "[Second\r\n1\r\nX=1;2#\r\nY=3;5#\r\n"
                                "[GrafSecond\r\n-6;6;1;-5;5;1;\r\n[AxelSecond\r\nX\r\nY\r\n"
                                "[FunkSecond\r\n0\r\n[Log\r\nEndOfLog\r\n";

const std::string WizardAtStart = "[StartWizard]\nStartupWizard=1\n";

QString path(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

} // namespace

class ProjectFileArgumentTest : public QObject {
    Q_OBJECT
private slots:
    void theNamedProjectFileOpensInsteadOfTheWizard() {
        TempFolder files;
        const std::filesystem::path project = files / "heights.tsy";
        TempFolder::write(project, ProjectFile);
        MainWindowFixture fixture(WizardAtStart, "English", path(project));
        QVERIFY(fixture.started());
        QVERIFY(fixture.interaction.dialogsShown.isEmpty());
        QVERIFY(fixture.interaction.errors.isEmpty());
        QCOMPARE(fixture.window->store().fileName(), project);
        QCOMPARE(fixture.window->projectSelector().count(), 2);
        QCOMPARE(fixture.window->projectSelector().currentText(), QStringLiteral("Heights"));
        QCOMPARE(fixture.window->listSelector().itemText(0), QStringLiteral("Age"));
        QVERIFY(!fixture.window->store().modified());
    }

    void aFileThatCannotBeOpenedGetsOpensMessageAndTheUsualStart() {
        TempFolder files;
        const std::filesystem::path damaged = files / "damaged.tsy";
        TempFolder::write(damaged, "2\r\nHeights\r\n");

        // The message Open gives for the same file.
        QString openMessage;
        {
            MainWindowFixture fixture;
            QVERIFY(fixture.started());
            fixture.interaction.fileAnswers.push_back(path(damaged));
            fixture.trigger(regshell::CommandId::Open);
            QCOMPARE(fixture.interaction.errors.size(), 1);
            openMessage = fixture.interaction.errors.front();
        }

        for (const std::filesystem::path& file : {damaged, files / "missing.tsy"}) {
            MainWindowFixture fixture("[StartWizard]\nStartupWizard=0\n", "English", path(file));
            QVERIFY(fixture.started());
            QCOMPARE(fixture.interaction.errors.size(), 1);
            if (file == damaged)
                QCOMPARE(fixture.interaction.errors.front(), openMessage);
            // The settings' default project, ready to work in.
            QCOMPARE(fixture.window->projectSelector().currentText(), QStringLiteral("Project1"));
            QVERIFY(fixture.window->store().fileName() != file);
        }
    }
};

QTEST_MAIN(ProjectFileArgumentTest)
#include "ProjectFileArgumentTest.moc"
