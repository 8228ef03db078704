#include "FrameFixture.h"
#include "graph/TGraphWindow.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <utility>

namespace {

QPushButton* padButton(TMDIFrame& frame, const char* name) {
    return frame.functionPad()->findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class FunctionPadTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsAppendTheirTextsToTheEntry() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        for (const char* name : {"Button2", "Button39", "Button38", "Button35", "Button24", "Button30",
                                 "Button26", "Button40", "Button36", "Button4", "Button16"})
            QTest::mouseClick(padButton(frame, name), Qt::LeftButton);
        QCOMPARE(frame.entryBox()->currentText(), QStringLiteral("sqrt (x-1.3)*sin pi"));
        QTest::mouseClick(padButton(frame, "spdbtnDelete"), Qt::LeftButton);
        QVERIFY(frame.entryBox()->currentText().isEmpty());
    }

    void spaceOnAFocusedButtonTypesABlankInsteadOfPressingIt() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        frame.entryBox()->setEditText(QStringLiteral("x"));
        QPushButton* sine = padButton(frame, "Button4");
        QTest::keyClick(sine, Qt::Key_Space);
        QTest::keyClick(sine, Qt::Key_2);
        QCOMPARE(frame.entryBox()->currentText(), QStringLiteral("x 2"));
        QTest::keyClick(sine, Qt::Key_Backspace);
        QCOMPARE(frame.entryBox()->currentText(), QStringLiteral("x "));
        // After the keyboard, a click with the mouse works again.
        QTest::mouseClick(sine, Qt::LeftButton);
        QCOMPARE(frame.entryBox()->currentText(), QStringLiteral("x sin "));
    }

    void derivativeTangentAndNormalButtonsFollowTheirCommands() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        for (const auto& [name, id] :
             {std::pair{"Button22", CommandId::Derivative}, std::pair{"Button18", CommandId::Tangent},
              std::pair{"Button20", CommandId::Normal}}) {
            QVERIFY(padButton(frame, name)->isEnabled());
            frame.command(id)->setEnabled(false);
            QVERIFY(!padButton(frame, name)->isEnabled());
            frame.command(id)->setEnabled(true);
            QVERIFY(padButton(frame, name)->isEnabled());
        }
        // With one plotted function the derivative button plots its derivative without asking.
        fixture.typeAndEnter(QStringLiteral("x^2"));
        QTest::mouseClick(padButton(frame, "Button22"), Qt::LeftButton);
        QCOMPARE(frame.entryBox()->currentText(), QStringLiteral("d/dx(x^2)"));
    }

    void enterOnThePadPlotsAndKeepsTheText() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        frame.entryBox()->setEditText(QStringLiteral("2x"));
        QTest::keyClick(frame.functionPad(), Qt::Key_Return);
        QCOMPARE(frame.graphWindow()->graph().plottedFunctions(), std::vector<std::string>({"2x"}));
        QCOMPARE(frame.entryBox()->currentText(), QStringLiteral("2x"));
        QCOMPARE(frame.entryList(), QStringList({"2x"}));
    }

    void holdingBackRepeatsEveryTenthOfASecondAndOnceMoreOnRelease() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        const QString text(30, QLatin1Char('x'));
        frame.entryBox()->setEditText(text);
        QPushButton* back = padButton(frame, "spdbtnBack");
        QElapsedTimer held;
        QTest::mousePress(back, Qt::LeftButton);
        held.start();
        QTest::qWait(520);
        QTest::mouseRelease(back, Qt::LeftButton);
        const qint64 ticks = held.elapsed() / 100;
        const auto removed = text.size() - frame.entryBox()->currentText().size();
        QVERIFY2(removed >= 4 && removed <= ticks + 1, qPrintable(QString::number(removed)));
        // Released, the repeat stops.
        const QString after = frame.entryBox()->currentText();
        QTest::qWait(250);
        QCOMPARE(frame.entryBox()->currentText(), after);
    }

    void exeWithAnEmptyEntryShowsTheInstructionsAndLeavesItEmpty() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        QTest::mouseClick(padButton(frame, "spdbtnEXE"), Qt::LeftButton);
        QCOMPARE(fixture.interaction.dialogsShown, QStringList({"dlgFunctionInstructions"}));
        QVERIFY(frame.entryBox()->currentText().isEmpty());
        QVERIFY(frame.entryList().isEmpty());

        frame.entryBox()->setEditText(QStringLiteral("x/2"));
        QTest::mouseClick(padButton(frame, "spdbtnEXE"), Qt::LeftButton);
        QVERIFY(frame.entryBox()->currentText().isEmpty());
        QCOMPARE(frame.entryList(), QStringList({"x/2"}));
    }

    void typingWhileTheGraphHasTheFocusGoesToTheEntry() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        QTest::keyClicks(frame.graphWindow(), QStringLiteral("x^2"));
        QCOMPARE(frame.entryBox()->currentText(), QStringLiteral("x^2"));
    }

    void padFitsItsButtonsAndShowsTheDecimalSeparator() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        QCOMPARE(frame.functionPad()->size(), QSize(186, 162));
        QCOMPARE(padButton(frame, "Button30")->text(), QStringLiteral("."));
        QCOMPARE(frame.functionPad()->windowTitle(), QStringLiteral("Function Pad"));
        QCOMPARE(padButton(frame, "Button13")->toolTip(), QStringLiteral("Random"));
    }

    void everyCaptionFitsItsButtonInBothLanguages() {
        for (const char* language : {"English", "Swedish"}) {
            FrameFixture fixture;
            TempFolder::write(fixture.settingsPath, std::string("[Options]\nLanguage=") + language + "\n");
            TMDIFrame& frame = fixture.start();
            const QList<QPushButton*> buttons = frame.functionPad()->findChildren<QPushButton*>();
            QCOMPARE(buttons.size(), 43);
            for (const QPushButton* button : buttons) {
                const QString caption =
                    QString(button->text()).replace(QLatin1String("&&"), QLatin1String("&"));
                // A button's frame takes about two pixels on each side.
                QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(caption) <= button->width() - 4,
                         qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(language), caption)));
                QVERIFY(button->font().pixelSize() >= 7);
            }
            QCOMPARE(padButton(frame, "Button22")->text(), QLatin1String(language) == QLatin1String("English")
                                                               ? QStringLiteral("Derivat...")
                                                               : QStringLiteral("Deriv..."));
        }
        translation::translator().LoadLanguage("English");
    }
};

QTEST_MAIN(FunctionPadTest)
#include "FunctionPadTest.moc"
