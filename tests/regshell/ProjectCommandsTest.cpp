#include "regshell/ProjectCommands.h"
#include "common/IniFile.h"
#include "projects/ProjectStore.h"
#include "regshell/ProjectHost.h"
#include "regshell/TForm4.h"
#include "regshell/TForm5.h"
#include "regshell/TessalySettings.h"
#include "tests/common/TempFolder.h"
#include "tests/support/ScriptedInteraction.h"
#include "translation/Translator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

using regshell::DeleteMode;
using regshell::WizardMode;

namespace {

// Records what the flows asked the main window to show.
class FakeHost : public regshell::ProjectHost {
public:
    int projectsShown = 0;
    int emptyFilesShown = 0;
    int namesShown = 0;
    int listNamesShown = 0;
    int redraws = 0;
    int firstCellMoves = 0;
    int openCalls = 0;
    bool openSucceeds = false;
    bool modified = false;
    bool enabled = false;
    bool wizardChecked = true;

    void collectContent() override {}
    void showCurrentProject() override { ++projectsShown; }
    void showEmptyFile() override { ++emptyFilesShown; }
    void showProjectNames() override { ++namesShown; }
    void showListNames() override { ++listNamesShown; }
    void redrawGraph() override { ++redraws; }
    void moveToFirstCell() override { ++firstCellMoves; }
    void setModified(bool value) override { modified = value; }
    void setMainWindowEnabled(bool value) override { enabled = value; }
    void setShowWizardChecked(bool checked) override { wizardChecked = checked; }
    bool openProjectFile() override {
        ++openCalls;
        return openSucceeds;
    }
};

template <typename Widget> Widget* child(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QLineEdit* edit(QDialog& wizard, int number) {
    return child<QLineEdit>(wizard, QStringLiteral("Edit%1").arg(number).toLatin1().constData());
}

// Presses a button the way a click does, as the wizard and dialog see it.
bool pressOk(QDialog& wizard) {
    wizard.setResult(0);
    child<QPushButton>(wizard, "BitBtn1")->click();
    return wizard.result() == QDialog::Accepted;
}

} // namespace

class ProjectCommandsTest : public QObject {
    Q_OBJECT

    struct Program {
        TempFolder folder;
        common::IniFile file{folder / "tessaly.ini"};
        regshell::TessalySettings settings{file};
        projects::ProjectStore store;
        projects::DataWindowContent content;
        ScriptedInteraction interaction;
        FakeHost host;
        TForm4 wizard;
        TForm5 deleteDialog;
        regshell::ProjectCommands commands{store, content, settings, interaction, host, wizard, deleteDialog};

        // The wizard's next showing: `fill` looks at and changes the boxes, then OK is pressed.
        void answerWizard(std::function<void(TForm4&)> fill) {
            interaction.dialogAnswers.push_back([fill](QDialog& dialog) {
                auto& wizard = static_cast<TForm4&>(dialog);
                fill(wizard);
                return pressOk(wizard);
            });
        }
        void answerDialog(std::function<bool(QDialog&)> answer) {
            interaction.dialogAnswers.push_back(answer);
        }
        // Start-up through the wizard with its defaults.
        void start() {
            answerWizard([](TForm4&) {});
            commands.startUp();
        }
        void selectAndDelete(const std::vector<int>& rows) {
            auto* list = child<QListWidget>(deleteDialog, "ListBox1");
            list->clearSelection();
            for (const int row : rows)
                list->item(row)->setSelected(true);
            child<QPushButton>(deleteDialog, "BitBtn1")->click();
        }
        std::vector<std::string> headers() const {
            std::vector<std::string> texts;
            for (int column = 1; column <= content.lists.yColumn(); ++column)
                texts.emplace_back(content.lists.header(column));
            return texts;
        }
    };

private slots:
    void initTestCase() {
        translation::translator().loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/tsyEnglish.lng");
    }

    void firstStartShowsProject1WithOneVariableAndOkCreatesIt() {
        Program program;
        QString title, name, count;
        QStringList names;
        bool cancelHidden = false, openShown = false, checkBoxesShown = false, secondBoxEnabled = true;
        int height = 0;
        program.answerWizard([&](TForm4& wizard) {
            title = wizard.windowTitle();
            height = wizard.height();
            name = edit(wizard, 1)->text();
            count = child<QComboBox>(wizard, "ComboBox1")->currentText();
            for (int number = 2; number <= 7; ++number)
                names << edit(wizard, number)->text();
            secondBoxEnabled = edit(wizard, 3)->isEnabled();
            cancelHidden = child<QPushButton>(wizard, "SpeedButton3")->isHidden();
            openShown = !child<QPushButton>(wizard, "SpeedButton2")->isHidden();
            checkBoxesShown = !child<QCheckBox>(wizard, "CheckBox1")->isHidden() &&
                              !child<QCheckBox>(wizard, "CheckBox2")->isHidden();
        });
        program.commands.startUp();

        QCOMPARE(title, QStringLiteral("Start Wizard"));
        QCOMPARE(height, 337);
        QCOMPARE(name, QStringLiteral("Project1"));
        QCOMPARE(count, QStringLiteral("1"));
        QCOMPARE(names, (QStringList{"A", "", "", "", "", "Y"}));
        QVERIFY(!secondBoxEnabled);
        QVERIFY(cancelHidden);
        QVERIFY(openShown);
        QVERIFY(checkBoxesShown);

        QCOMPARE(program.headers(), (std::vector<std::string>{"X1: A", "Y: Y"}));
        QCOMPARE(program.store.projectNames(), std::vector<std::string>{"Project1"});
        QCOMPARE(program.store.currentProject(), std::string("Project1"));
        QVERIFY(program.host.enabled);
        QCOMPARE(program.host.firstCellMoves, 1);
        QVERIFY(!program.host.modified);
        // Neither check box checked: the wizard stays on at launch, the fields are not stored.
        QVERIFY(program.settings.startupWizard());
        QVERIFY(program.host.wizardChecked);
        QVERIFY(!program.file.valueExists("StartWizard", "ProjectName"));
    }

    void checkBoxesAtLaunchStoreTheWizardSettings() {
        Program program;
        program.answerWizard([](TForm4& wizard) {
            edit(wizard, 1)->setText(QStringLiteral("Trial"));
            child<QComboBox>(wizard, "ComboBox1")->setCurrentIndex(1);
            edit(wizard, 2)->setText(QStringLiteral("Time"));
            edit(wizard, 7)->setText(QStringLiteral("Growth"));
            child<QCheckBox>(wizard, "CheckBox1")->setChecked(true);
            child<QCheckBox>(wizard, "CheckBox2")->setChecked(true);
        });
        program.commands.startUp();

        QVERIFY(!program.settings.startupWizard());
        QVERIFY(!program.host.wizardChecked);
        const auto stored = program.settings.wizardFields();
        QCOMPARE(stored.projectName, std::string("Trial"));
        QCOMPARE(stored.variableCount, 2);
        QCOMPARE(stored.xNames[0], std::string("Time"));
        QCOMPARE(stored.xNames[1], std::string("B"));
        QCOMPARE(stored.yName, std::string("Growth"));
        QCOMPARE(program.headers(), (std::vector<std::string>{"X1: Time", "X2: B", "Y: Growth"}));
    }

    void eachCheckBoxAtLaunchDoesOnlyWhatItsCaptionSays() {
        // The boxes as the user reads them, whatever their names.
        const auto tick = [](TForm4& wizard, const QString& caption) {
            for (QCheckBox* box : wizard.findChildren<QCheckBox*>())
                if (box->text() == caption)
                    box->setChecked(true);
        };
        {
            Program program;
            program.answerWizard([&](TForm4& wizard) {
                edit(wizard, 1)->setText(QStringLiteral("Trial"));
                tick(wizard, QStringLiteral("Don't show this wizard at startup."));
            });
            program.commands.startUp();
            QVERIFY(!program.settings.startupWizard());
            QVERIFY(!program.host.wizardChecked);
            QVERIFY(!program.file.valueExists("StartWizard", "ProjectName"));
        }
        {
            Program program;
            program.answerWizard([&](TForm4& wizard) {
                edit(wizard, 1)->setText(QStringLiteral("Trial"));
                tick(wizard, QStringLiteral("Always use these settings."));
            });
            program.commands.startUp();
            QVERIFY(program.settings.startupWizard());
            QVERIFY(program.host.wizardChecked);
            QCOMPARE(program.settings.wizardFields().projectName, std::string("Trial"));
        }
    }

    void startWithoutTheWizardCreatesTheStoredProjectAtOnce() {
        Program program;
        program.settings.setStartupWizard(false);
        program.settings.setWizardFields({"Dosage", 2, "Effect", {"Dose", "Weight", "", "", ""}});
        program.commands.startUp();

        QVERIFY(program.interaction.dialogsShown.isEmpty());
        QVERIFY(program.host.enabled);
        QCOMPARE(program.store.projectNames(), std::vector<std::string>{"Dosage"});
        QCOMPARE(program.headers(), (std::vector<std::string>{"X1: Dose", "X2: Weight", "Y: Effect"}));
        // Showing no wizard leaves the launch setting as it was.
        QVERIFY(!program.settings.startupWizard());
    }

    void storedNamesTheFileCannotHoldOpenTheWizardInstead() {
        Program program;
        program.settings.setStartupWizard(false);
        program.settings.setWizardFields({"Bad", 1, "Y;1", {"A", "", "", "", ""}});
        QString yShown;
        program.answerWizard([&](TForm4& wizard) {
            yShown = edit(wizard, 7)->text();
            edit(wizard, 7)->setText(QStringLiteral("Y"));
        });
        program.commands.startUp();

        QCOMPARE(
            program.interaction.errors,
            QStringList{QStringLiteral("A list name must not contain \"=\", \";\", \"#\" or a line break.")});
        QCOMPARE(yShown, QStringLiteral("Y;1"));
        QCOMPARE(program.headers(), (std::vector<std::string>{"X1: A", "Y: Y"}));
    }

    void choosingThreeVariablesFillsBAndCAndLeavesX4AndX5EmptyDisabledSilver() {
        TForm4 wizard;
        wizard.prepare(WizardMode::Startup, {});
        edit(wizard, 2)->setText(QStringLiteral("Weight"));
        edit(wizard, 7)->setText(QStringLiteral("Height"));
        auto* count = child<QComboBox>(wizard, "ComboBox1");
        count->setCurrentIndex(2);

        QCOMPARE(edit(wizard, 2)->text(), QStringLiteral("A"));
        QCOMPARE(edit(wizard, 3)->text(), QStringLiteral("B"));
        QCOMPARE(edit(wizard, 4)->text(), QStringLiteral("C"));
        QCOMPARE(edit(wizard, 7)->text(), QStringLiteral("Y"));
        for (int number : {2, 3, 4})
            QVERIFY(edit(wizard, number)->isEnabled());
        QVERIFY(edit(wizard, 4)->palette().color(QPalette::Base) != QColor(192, 192, 192));
        for (int number : {5, 6}) {
            QVERIFY(edit(wizard, number)->text().isEmpty());
            QVERIFY(!edit(wizard, number)->isEnabled());
            QCOMPARE(edit(wizard, number)->palette().color(QPalette::Base), QColor(192, 192, 192));
        }

        // Going back to one variable empties and greys the boxes given up.
        count->setCurrentIndex(0);
        QVERIFY(edit(wizard, 3)->text().isEmpty());
        QVERIFY(!edit(wizard, 3)->isEnabled());
        QCOMPARE(wizard.choice().xNames(), std::vector<std::string>{"A"});
    }

    void newProjectTwiceProposesProject2AndProject3AndCancelGivesTheNumberBack() {
        Program program;
        program.start();
        QStringList proposed;
        QString title;
        bool openHidden = false, cancelShown = false, checkBoxesHidden = false;
        int height = 0;
        program.answerWizard([&](TForm4& wizard) {
            proposed << edit(wizard, 1)->text();
            title = wizard.windowTitle();
            height = wizard.height();
            openHidden = child<QPushButton>(wizard, "SpeedButton2")->isHidden();
            cancelShown = !child<QPushButton>(wizard, "SpeedButton3")->isHidden();
            checkBoxesHidden = child<QCheckBox>(wizard, "CheckBox1")->isHidden();
        });
        program.commands.newProject();
        program.answerDialog([&](QDialog& wizard) {
            proposed << edit(wizard, 1)->text();
            child<QPushButton>(wizard, "SpeedButton3")->click();
            return false;
        });
        program.commands.newProject();
        program.answerWizard([&](TForm4& wizard) { proposed << edit(wizard, 1)->text(); });
        program.commands.newProject();

        QCOMPARE(proposed, (QStringList{"Project2", "Project3", "Project3"}));
        QCOMPARE(title, QStringLiteral("New Project"));
        QCOMPARE(height, 297);
        QVERIFY(openHidden);
        QVERIFY(cancelShown);
        QVERIFY(checkBoxesHidden);
        QCOMPARE(program.store.projectNames(),
                 (std::vector<std::string>{"Project1", "Project2", "Project3"}));
        QCOMPARE(program.store.currentProject(), std::string("Project3"));
        QVERIFY(program.host.modified);

        // New starts the count again: an empty file and the wizard proposing Project1.
        QString newFileTitle;
        bool newFileCancelHidden = false;
        program.answerWizard([&](TForm4& wizard) {
            proposed << edit(wizard, 1)->text();
            newFileTitle = wizard.windowTitle();
            newFileCancelHidden = child<QPushButton>(wizard, "SpeedButton3")->isHidden();
        });
        program.commands.newFile();
        QCOMPARE(proposed.last(), QStringLiteral("Project1"));
        QCOMPARE(newFileTitle, QStringLiteral("New File"));
        QVERIFY(newFileCancelHidden);
        QCOMPARE(program.host.emptyFilesShown, 1);
        QCOMPARE(program.store.projectNames(), std::vector<std::string>{"Project1"});
        QVERIFY(!program.host.modified);
        QCOMPARE(program.commands.projectCounter(), 1);
    }

    void refusedNamesKeepTheWizardOpen() {
        Program program;
        program.start();
        program.interaction.clear();
        QStringList outcomes;
        program.answerDialog([&](QDialog& wizard) {
            for (const auto& [name, list] : {std::pair{"project1", "A"},
                                             {"GrafProject1", "A"},
                                             {"[Project1", "A"},
                                             {"", "A"},
                                             {"Two", "A=B"}}) {
                edit(wizard, 1)->setText(QString::fromLatin1(name));
                edit(wizard, 2)->setText(QString::fromLatin1(list));
                outcomes << (pressOk(wizard) ? "closed" : "open");
            }
            edit(wizard, 1)->setText(QStringLiteral("Two"));
            edit(wizard, 2)->setText(QStringLiteral("Dose"));
            return pressOk(wizard);
        });
        program.commands.newProject();

        QCOMPARE(outcomes, QStringList(5, QStringLiteral("open")));
        QCOMPARE(program.interaction.dialogsShown, QStringList{"Form4"});
        QCOMPARE(program.interaction.errors,
                 (QStringList{"A project with this name already exists.",
                              "A project with this name already exists.",
                              "A project name must not begin with \"[\".",
                              "A project name must not be empty or contain a line break.",
                              "A list name must not contain \"=\", \";\", \"#\" or a line break."}));
        QCOMPARE(program.store.projectNames(), (std::vector<std::string>{"Project1", "Two"}));
        QCOMPARE(program.headers(), (std::vector<std::string>{"X1: Dose", "Y: Y"}));
    }

    void renamingRefusesAnExistingNameButAllowsAChangeOfCase() {
        Program program;
        program.start();
        program.answerWizard([](TForm4& wizard) { edit(wizard, 1)->setText(QStringLiteral("Second")); });
        program.commands.newProject();

        QVERIFY(!program.commands.renameProject("PROJECT1"));
        QCOMPARE(program.interaction.errors, QStringList{"A project with this name already exists."});
        QVERIFY(program.commands.renameProject("SECOND"));
        QCOMPARE(program.store.projectNames(), (std::vector<std::string>{"Project1", "SECOND"}));
        QVERIFY(!program.commands.renameList(1, "a#b"));
        QVERIFY(program.commands.renameList(1, "Mass"));
        QCOMPARE(program.headers().front(), std::string("X1: Mass"));
        QCOMPARE(program.host.listNamesShown, 1);
    }

    void openInTheWizardClosesItOnlyWhenAFileWasOpened() {
        Program program;
        QStringList outcomes;
        program.answerDialog([&](QDialog& dialog) {
            auto& wizard = static_cast<TForm4&>(dialog);
            auto* open = child<QPushButton>(wizard, "SpeedButton2");
            open->click();
            outcomes << (wizard.fileOpened() ? "opened" : "open");
            program.host.openSucceeds = true;
            open->click();
            outcomes << (wizard.fileOpened() ? "opened" : "open");
            return wizard.result() == QDialog::Accepted;
        });
        program.commands.startUp();

        QCOMPARE(outcomes, (QStringList{"open", "opened"}));
        QCOMPARE(program.host.openCalls, 2);
        QVERIFY(program.host.enabled);
        QVERIFY(program.store.projectNames().empty());
    }

    void deletingEveryProjectOpensTheWizardWithoutCancel() {
        Program program;
        program.start();
        program.answerWizard([](TForm4&) {});
        program.commands.newProject();

        QStringList listed;
        int width = 0, listWidth = 0, exitLeft = 0, deleteLeft = 0;
        QString title;
        program.answerDialog([&](QDialog& dialog) {
            for (const std::string& entry : program.deleteDialog.entries())
                listed << QString::fromStdString(entry);
            title = dialog.windowTitle();
            width = dialog.width();
            listWidth = child<QListWidget>(dialog, "ListBox1")->width();
            exitLeft = child<QPushButton>(dialog, "BitBtn2")->x();
            deleteLeft = child<QPushButton>(dialog, "BitBtn1")->x();
            program.selectAndDelete({0, 1});
            return false;
        });
        program.interaction.clear();
        bool cancelHidden = false, escapeIgnored = false;
        QString proposed, wizardTitle;
        program.answerWizard([&](TForm4& wizard) {
            cancelHidden = child<QPushButton>(wizard, "SpeedButton3")->isHidden();
            proposed = edit(wizard, 1)->text();
            wizardTitle = wizard.windowTitle();
            wizard.show();
            wizard.reject();
            escapeIgnored = wizard.isVisible();
            wizard.hide();
            edit(wizard, 1)->setText(QStringLiteral("Fresh"));
        });
        program.commands.deleteProjects();

        QCOMPARE(listed, (QStringList{"Project1", "Project2"}));
        QCOMPARE(title, QStringLiteral("Delete Project"));
        QCOMPARE(width, 232);
        QCOMPARE(listWidth, 213);
        QCOMPARE(exitLeft, 101);
        QCOMPARE(deleteLeft, 161);
        QCOMPARE(program.interaction.dialogsShown, (QStringList{"Form5", "Form4"}));
        QVERIFY(cancelHidden);
        QVERIFY(escapeIgnored);
        QCOMPARE(proposed, QStringLiteral("Project1"));
        QCOMPARE(wizardTitle, QStringLiteral("New Project"));
        QCOMPARE(program.store.projectNames(), std::vector<std::string>{"Fresh"});
        QCOMPARE(program.store.currentProject(), std::string("Fresh"));
        QVERIFY(program.host.modified);
    }

    void deletingTheShownProjectShowsTheFirstOfThoseLeft() {
        Program program;
        program.start();
        program.content.lists.setCell(1, 1, "11");
        for (int i = 0; i < 2; ++i) {
            program.answerWizard([](TForm4&) {});
            program.commands.newProject();
        }
        program.commands.switchProject("Project2");
        program.answerDialog([&](QDialog&) {
            program.selectAndDelete({1});
            return false;
        });
        program.commands.deleteProjects();

        QCOMPARE(program.store.projectNames(), (std::vector<std::string>{"Project1", "Project3"}));
        QCOMPARE(program.store.currentProject(), std::string("Project1"));
        QCOMPARE(program.content.lists.cell(1, 1), std::string_view("11"));
    }

    void deletingAnotherProjectKeepsUnsavedEditsOfTheCurrentOne() {
        Program program;
        program.start();
        program.answerWizard([](TForm4&) {});
        program.commands.newProject();
        // Typed into Project2's grid and not yet written back.
        program.content.lists.setCell(1, 1, "5");
        program.content.lists.setCell(2, 1, "7");

        program.answerDialog([&](QDialog&) {
            program.selectAndDelete({0});
            return false;
        });
        program.commands.deleteProjects();

        QCOMPARE(program.store.projectNames(), std::vector<std::string>{"Project2"});
        QCOMPARE(program.store.currentProject(), std::string("Project2"));
        QCOMPARE(program.content.lists.cell(1, 1), std::string_view("5"));
        QCOMPARE(program.content.lists.cell(2, 1), std::string_view("7"));
        QVERIFY(program.host.modified);
    }

    void erasingFunctionsRemovesExactlyTheChosenRecords() {
        Program program;
        program.start();
        for (const char* record : {"Linear;Y = 1 + 2A;1;2;", "Linear;Y = 3 + 4A;3;4;",
                                   "Linear;Y = 5 + 6A;5;6;", "Linear;Y = 7 + 8A;7;8;"})
            program.store.addFunctionRecord(record);

        QString title;
        int width = 0, listWidth = 0, exitLeft = 0, deleteLeft = 0;
        QStringList listedAfterFirstDelete;
        program.answerDialog([&](QDialog& dialog) {
            title = dialog.windowTitle();
            width = dialog.width();
            listWidth = child<QListWidget>(dialog, "ListBox1")->width();
            exitLeft = child<QPushButton>(dialog, "BitBtn2")->x();
            deleteLeft = child<QPushButton>(dialog, "BitBtn1")->x();
            program.selectAndDelete({1});
            for (const std::string& entry : program.deleteDialog.entries())
                listedAfterFirstDelete << QString::fromStdString(entry);
            // The dialog stays open: the first and last of the remaining three go together.
            program.selectAndDelete({0, 2});
            return false;
        });
        program.commands.eraseFunctions();

        QCOMPARE(title, QStringLiteral("Erase Function"));
        QCOMPARE(width, 400);
        QCOMPARE(listWidth, 381);
        QCOMPARE(exitLeft, 269);
        QCOMPARE(deleteLeft, 329);
        QCOMPARE(listedAfterFirstDelete, (QStringList{"Y = 1 + 2A", "Y = 5 + 6A", "Y = 7 + 8A"}));
        QCOMPARE(program.store.functionLabels(), std::vector<std::string>{"Y = 5 + 6A"});
        const auto& lines = program.store.lines();
        const auto funk = program.store.findLine("[FunkProject1");
        QVERIFY(funk);
        QCOMPARE(lines[*funk + 1], std::string("1"));
        QCOMPARE(lines[*funk + 2], std::string("Linear;Y = 5 + 6A;5;6;"));
        QCOMPARE(program.host.redraws, 2);
        QVERIFY(program.host.modified);
    }
};

QTEST_MAIN(ProjectCommandsTest)
#include "ProjectCommandsTest.moc"
