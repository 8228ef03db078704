#include "../common/TempFolder.h"
#include "../support/ScriptedInteraction.h"
#include "appkit/Desktop.h"
#include "common/IniFile.h"
#include "common/TextFile.h"
#include "regshell/QuorraLauncher.h"
#include "regshell/TForm10.h"
#include "regshell/TForm9.h"
#include "regshell/TessalySettings.h"
#include "translation/Translator.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// Records the programs the launcher would start instead of starting them.
class RecordingDesktop : public appkit::Desktop {
public:
    struct Start {
        QString program;
        QStringList arguments;
    };
    std::vector<Start> starts;

    void startProgram(const QString& program, const QStringList& arguments) override {
        starts.push_back({program, arguments});
    }
    void openUrl(const QUrl&) override {}
};

// Tessaly's folder, with or without Quorra beside it.
struct ProgramFolder {
    TempFolder folder;
    explicit ProgramFolder(bool withQuorra) {
        if (withQuorra)
            TempFolder::write(folder / "math", "#!/bin/sh\n");
    }
    QString path() const { return QString::fromStdString(folder.path().string()); }
    QString quorra() const { return QString::fromStdString((folder / "math").string()); }
};

// Answers the Choose Functions dialog: selects the given rows and presses OK, or Exit.
ScriptedInteraction::DialogAnswer choose(std::vector<int> rows, bool ok = true) {
    return [rows, ok](QDialog& dialog) {
        auto& form = static_cast<TForm10&>(dialog);
        for (const int row : rows)
            form.ListBox1->item(row)->setSelected(true);
        (ok ? form.Button1 : form.Button2)->click();
        return form.result() == QDialog::Accepted;
    };
}

// Tessaly's hand-over with a recording desktop, Quorra beside Tessaly or not.
struct Handover {
    explicit Handover(bool withQuorra) : program(withQuorra) {}
    ProgramFolder program;
    RecordingDesktop desktop;
    ScriptedInteraction interaction;
    regshell::QuorraLauncher launcher{desktop, interaction, program.path()};
    TForm10 dialog{launcher, interaction};
};

const std::vector<std::string> Labels{"Y = 1 + 2A", "Y = 5 + 1A", "Y = 3 - 1A"};

} // namespace

class HandoverDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        translation::translator().setLanguageFiles(QUORRA_LANGUAGE_SOURCE_DIR, "tsy");
        translation::translator().LoadLanguage("English");
    }

    void setupCheckBoxesSurviveARestart() {
        TempFolder folder;
        const auto file = folder / "tessaly.ini";
        ScriptedInteraction interaction;
        {
            common::IniFile ini(file);
            regshell::TessalySettings settings(ini);
            TForm9 setup(settings, interaction);
            // A first start: the five two-parameter models on, the polynomials off.
            QVERIFY(setup.setup() ==
                    (regression::BestCurveSetup{true, true, true, true, true, false, false, false, false}));
            interaction.dialogAnswers.push_back([](QDialog& dialog) {
                auto& form = static_cast<TForm9&>(dialog);
                form.modelBoxes[0]->setChecked(false); // Linear
                form.modelBoxes[6]->setChecked(true);  // 3rd Poly
                return true;
            });
            setup.execute();
            QCOMPARE(interaction.dialogsShown, QStringList{"Form9"});
            setup.saveSetup(); // at program exit
        }
        const std::vector<std::string> lines = common::readTextLines(file);
        QVERIFY(std::find(lines.begin(), lines.end(), "Linear=0") != lines.end());
        QVERIFY(std::find(lines.begin(), lines.end(), "p3reg=1") != lines.end());

        common::IniFile ini(file);
        regshell::TessalySettings settings(ini);
        TForm9 restarted(settings, interaction);
        QVERIFY(restarted.setup() ==
                (regression::BestCurveSetup{false, true, true, true, true, false, true, false, false}));
    }

    void chosenFunctionsReachQuorraAsTheirOwnArguments() {
        Handover handover(true);
        auto& [program, desktop, interaction, launcher, dialog] = handover;
        interaction.dialogAnswers.push_back(choose({0, 2}));
        bool startedEmpty = false;
        interaction.dialogAnswers.push_back([&](QDialog&) {
            startedEmpty = dialog.ListBox1->selectedItems().isEmpty() && dialog.ListBox1->count() == 3;
            return false;
        });

        dialog.drawGraphInQuorra(Labels, "A");
        dialog.drawGraphInQuorra(Labels, "A");

        QCOMPARE(desktop.starts.size(), std::size_t(1));
        QCOMPARE(desktop.starts[0].program, program.quorra());
        QCOMPARE(desktop.starts[0].arguments, (QStringList{"1 + 2x", "3 - 1x"}));
        QVERIFY(interaction.messages.isEmpty());
        QVERIFY(startedEmpty);
        QCOMPARE(dialog.windowTitle(), QString("Select Functions"));
        QCOMPARE(dialog.width(), 400);
        QCOMPARE(dialog.ListBox1->geometry(), QRect(5, 28, 381, 168));
        QCOMPARE(dialog.Button2->geometry().topLeft(), QPoint(269, 199));
        QCOMPARE(dialog.Button1->geometry().topLeft(), QPoint(329, 199));
    }

    void withoutQuorraTheUserIsToldAndNothingStarts() {
        Handover handover(false);
        auto& [program, desktop, interaction, launcher, dialog] = handover;
        interaction.dialogAnswers.push_back(choose({0}));

        dialog.drawGraphInQuorra(Labels, "A");

        QCOMPARE(interaction.messages, QStringList{"math does not exist"});
        QVERIFY(desktop.starts.empty());

        // The plotter menu's Start does not look first.
        launcher.start();
        QCOMPARE(desktop.starts.size(), std::size_t(1));
        QCOMPARE(desktop.starts[0].program, program.quorra());
        QVERIFY(desktop.starts[0].arguments.isEmpty());
    }

    void exitStartsNothingAndOkWithoutChoiceStartsQuorraEmpty() {
        Handover handover(true);
        auto& [program, desktop, interaction, launcher, dialog] = handover;
        interaction.dialogAnswers.push_back(choose({0, 1}, false));
        interaction.dialogAnswers.push_back(choose({}));

        dialog.drawGraphInQuorra(Labels, "A");
        QVERIFY(desktop.starts.empty());
        dialog.drawGraphInQuorra(Labels, "A");

        QCOMPARE(desktop.starts.size(), std::size_t(1));
        QVERIFY(desktop.starts[0].arguments.isEmpty());
    }

    void functionsLeftOutOfAFullCommandLineAreCounted() {
        Handover handover(true);
        auto& [program, desktop, interaction, launcher, dialog] = handover;

        // Each text is cut to 255 characters: 126 fit within 32767 characters beside "math", 4 not.
        launcher.handOver(std::vector<std::string>(130, "Y = " + std::string(300, '1')), "A");

        QCOMPARE(desktop.starts.size(), std::size_t(1));
        QCOMPARE(desktop.starts[0].arguments.size(), 126);
        QCOMPARE(
            interaction.messages,
            QStringList{"4 of the chosen functions did not fit on Quorra's command line and were left out."});
    }
};

QTEST_MAIN(HandoverDialogsTest)
#include "HandoverDialogsTest.moc"
