#include "FrameFixture.h"
#include "graph/TGraphWindow.h"
#include "plotter/FunctionHistory.h"

#include <QLabel>

class EntryAndHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void altLetterInTheEntryBoxOpensItsMenuInsteadOfTypingTheLetter() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        QLineEdit* line = frame.entryBox()->lineEdit();
        line->setFocus();
        line->setText(QStringLiteral("x^2"));
        QTest::keyClick(line, Qt::Key_O, Qt::AltModifier);
        QCOMPARE(line->text(), QStringLiteral("x^2"));
    }

    void typedFunctionIsPlottedAndGoesToTheTopOfTheHistory() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.typeAndEnter(QStringLiteral("x^2"));
        fixture.typeAndEnter(QStringLiteral("sin(x)"));
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"x^2", "sin(x)"}));
        QCOMPARE(frame.entryList(), QStringList({"sin(x)", "x^2"}));
        QCOMPARE(frame.entryBox()->currentText(), QStringLiteral("sin(x)"));
        QVERIFY(fixture.interaction.messages.isEmpty());
    }

    void sameTextTwiceOrInOtherLetterCaseKeepsOneHistoryEntryAtTheTop() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.typeAndEnter(QStringLiteral("sin(x)"));
        fixture.typeAndEnter(QStringLiteral("x^2"));
        fixture.typeAndEnter(QStringLiteral("sin(x)"));
        QCOMPARE(frame.entryList(), QStringList({"sin(x)", "x^2"}));
        fixture.typeAndEnter(QStringLiteral("X^2"));
        QCOMPARE(frame.entryList(), QStringList({"X^2", "sin(x)"}));
    }

    void the101stEntryPushesOutTheOldest() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        for (int i = 1; i <= 101; ++i) {
            if (i % 10 == 0)
                fixture.trigger(CommandId::New);
            frame.entryBox()->setEditText(QStringLiteral("x+%1").arg(i));
            frame.plotEntry();
        }
        const QStringList history = frame.entryList();
        QCOMPARE(history.size(), plotter::MaxHistoryEntries);
        QCOMPARE(history.first(), QStringLiteral("x+101"));
        QCOMPARE(history.last(), QStringLiteral("x+2"));
    }

    void textThatDoesNotCompileStaysOutOfTheHistory() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.typeAndEnter(QStringLiteral("x$2"));
        QVERIFY(frame.entryList().isEmpty());
        QVERIFY(plottedFunctionTexts(frame).isEmpty());
        QCOMPARE(fixture.interaction.dialogsShown, QStringList({"dlgFunctionInstructions"}));
    }

    void keyInTheEntryBoxClearsTheStatusLine() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        frame.armTool(graph::RootTool);
        QVERIFY(!frame.statusText().isEmpty());
        QTest::keyClick(frame.entryBox()->lineEdit(), Qt::Key_A);
        QVERIFY(frame.statusText().isEmpty());
    }

    void modeSwitchesKeepTwoHistoriesAndClearCurvesAndLog() {
        FrameFixture fixture;
        fixture.settings.update([&] {
            fixture.settings.writeInteger("IntegralCombo", "Count", 1);
            fixture.settings.writeString("IntegralCombo", "I1", "x^2;0;1");
        });
        TMDIFrame& frame = fixture.start();
        fixture.typeAndEnter(QStringLiteral("x^2"));
        fixture.typeAndEnter(QStringLiteral("2x"));
        frame.logWindow()->appendLogLine("a result");

        fixture.trigger(CommandId::IntegralMode);
        QCOMPARE(frame.mode(), QLatin1Char('I'));
        QCOMPARE(frame.entryList(), QStringList({"x^2;0;1"}));
        QVERIFY(frame.entryBox()->currentText().isEmpty());
        QVERIFY(plottedFunctionTexts(frame).isEmpty());
        QVERIFY(frame.logWindow()->lines().isEmpty());

        fixture.trigger(CommandId::FunctionMode);
        QCOMPARE(frame.mode(), QLatin1Char('F'));
        QCOMPARE(frame.entryList(), QStringList({"2x", "x^2"}));

        // Pressing the button of the mode already active changes no history.
        fixture.typeAndEnter(QStringLiteral("3x"));
        fixture.trigger(CommandId::FunctionMode);
        QCOMPARE(frame.entryList(), QStringList({"3x", "2x", "x^2"}));
        QVERIFY(frame.entryBox()->currentText().isEmpty());
    }

    void theStoredFunctionHistoryOutlivesADocumentOfAnotherModeAndARestart() {
        FrameFixture fixture;
        fixture.settings.update([&] {
            fixture.settings.writeInteger("FunctionCombo", "Count", 2);
            fixture.settings.writeString("FunctionCombo", "F1", "sin(x)");
            fixture.settings.writeString("FunctionCombo", "F2", "x^2");
        });
        const QStringList stored = {"sin(x)", "x^2"};
        const std::filesystem::path other = fixture.folder / "other.QOR";
        TempFolder::write(other, "[MainMode]\nMode=Xylophone\n");
        {
            TMDIFrame& frame = fixture.start();
            QCOMPARE(frame.entryList(), stored);
            // Neither function nor integral mode: the box keeps its texts, function mode lists them.
            fixture.interaction.fileAnswers.push_back(QString::fromStdString(other.string()));
            fixture.trigger(CommandId::Open);
            QCOMPARE(frame.mode(), QLatin1Char('X'));
            fixture.trigger(CommandId::FunctionMode);
            QCOMPARE(frame.entryList(), stored);
            // Closed in such a mode, the history is kept for the next start.
            fixture.interaction.fileAnswers.push_back(QString::fromStdString(other.string()));
            fixture.trigger(CommandId::Open);
            fixture.closeFrame();
        }
        TMDIFrame& frame = fixture.start();
        QCOMPARE(frame.entryList(), stored);
        fixture.trigger(CommandId::IntegralMode);
        fixture.trigger(CommandId::FunctionMode);
        QCOMPARE(frame.entryList(), stored);
    }

    void commandLineArgumentsArePlottedInOrderAsTypedFunctions() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        frame.plotCommandLine({QStringLiteral("sin(x)"), QStringLiteral("x^2"), QStringLiteral("1/x")});
        QCOMPARE(plottedFunctionTexts(frame), QStringList({"sin(x)", "x^2", "1/x"}));
        QCOMPARE(frame.entryList(), QStringList({"1/x", "x^2", "sin(x)"}));
    }

    void newClearsCurvesLogAndDocumentName() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.typeAndEnter(QStringLiteral("x"));
        frame.logWindow()->appendLogLine("Root: x = 0");
        fixture.trigger(CommandId::New);
        QVERIFY(plottedFunctionTexts(frame).isEmpty());
        QVERIFY(frame.logWindow()->lines().isEmpty());
        QCOMPARE(frame.windowTitle(), QStringLiteral("Quorra - Untitled"));
        QCOMPARE(frame.entryList(), QStringList({"x"}));
    }

    void functionsMenuAppendsItsTextToTheEntry() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.trigger(CommandId::Sqrt);
        fixture.trigger(CommandId::Pi);
        fixture.trigger(CommandId::Raised);
        fixture.trigger(CommandId::Random);
        QCOMPARE(frame.entryBox()->currentText(), QStringLiteral("sqrt pi^random"));
    }

    void emptyingTheHistoryAsksFirst() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.typeAndEnter(QStringLiteral("x"));
        fixture.interaction.yesNoAnswers = {false, true};
        fixture.trigger(CommandId::EmptyFunctionHistory);
        QCOMPARE(frame.entryList(), QStringList({"x"}));
        fixture.trigger(CommandId::EmptyFunctionHistory);
        QVERIFY(frame.entryList().isEmpty());
        QCOMPARE(fixture.interaction.questions.first(),
                 QStringLiteral("Do you want to delete all the functions in the function history box?"));
    }
};

QTEST_MAIN(EntryAndHistoryTest)
#include "EntryAndHistoryTest.moc"
