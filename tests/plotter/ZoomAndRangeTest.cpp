#include "FrameFixture.h"
#include "engine/AngleUnit.h"
#include "graph/TGraphWindow.h"
#include "plotter/TwoFieldDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWheelEvent>

namespace {

void setRange(TMDIFrame& frame, const common::RangeTexts& texts) {
    frame.rangeWindow()->setRangeTexts(texts);
}

const QString NotANumber = QStringLiteral("'abc' is not a valid floating point value");

} // namespace

class ZoomAndRangeTest : public QObject {
    Q_OBJECT
private slots:
    void zoomInHalvesTheRangeAndUndoRestoresItTwice() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        setRange(frame, {"-10", "10", "1", "-8", "8", "2"});
        fixture.trigger(CommandId::ZoomIn);
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"-5", "5", "0.5", "-4", "4", "1"}));
        QCOMPARE(frame.graphWindow()->graph().range().Xmin, -5.0L);
        QCOMPARE(frame.graphWindow()->graph().range().Ystep, 1.0L);

        fixture.trigger(CommandId::UndoZoom);
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"-10", "10", "1", "-8", "8", "2"}));
        QCOMPARE(frame.graphWindow()->graph().range().Xmax, 10.0L);
        fixture.trigger(CommandId::UndoZoom);
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"-10", "10", "1", "-8", "8", "2"}));
    }

    void zoomOutUsesTheFactorsOfTheZoomFactorDialog() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        QString shownX;
        fixture.interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            auto& factors = static_cast<TdlgZoomFactor&>(dialog);
            shownX = factors.firstText();
            dialog.findChild<QLineEdit*>(QStringLiteral("editXFactor"))->setText(QStringLiteral("3"));
            dialog.findChild<QLineEdit*>(QStringLiteral("editYFactor"))->setText(QStringLiteral("0.5"));
            return true;
        });
        fixture.trigger(CommandId::ZoomFactor);
        QCOMPARE(shownX, QStringLiteral("2"));
        setRange(frame, {"-1", "2", "1", "-4", "4", "1"});
        fixture.trigger(CommandId::ZoomOut);
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"-3", "6", "3", "-2", "2", "0.5"}));
    }

    void badZoomFactorShowsTheConversionMessageAndKeepsBothFactors() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.interaction.dialogAnswers.push_back([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("editXFactor"))->setText(QStringLiteral("4"));
            dialog.findChild<QLineEdit*>(QStringLiteral("editYFactor"))->setText(QStringLiteral("abc"));
            return true;
        });
        fixture.trigger(CommandId::ZoomFactor);
        QCOMPARE(fixture.interaction.errors, QStringList({NotANumber}));
        QCOMPARE(frame.options().xZoomFactor, 2.0L);
        QCOMPARE(frame.options().yZoomFactor, 2.0L);

        // Cancel changes nothing either.
        fixture.interaction.dialogAnswers.push_back([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("editXFactor"))->setText(QStringLiteral("4"));
            return false;
        });
        fixture.trigger(CommandId::ZoomFactor);
        QCOMPARE(frame.options().xZoomFactor, 2.0L);
    }

    void zoomFactorsOfZeroOrBelowAreRefusedAndKeepBothFactors() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        const QString message = QStringLiteral("A zoom factor must be a number greater than 0.");
        const std::pair<const char*, const char*> refused[] = {
            {"0", "3"}, {"3", "0"}, {"-2", "3"}, {"3", "-0.5"}};
        for (const auto& [x, y] : refused) {
            fixture.interaction.clear();
            fixture.interaction.dialogAnswers.push_back([x, y](QDialog& dialog) {
                dialog.findChild<QLineEdit*>(QStringLiteral("editXFactor"))->setText(QLatin1String(x));
                dialog.findChild<QLineEdit*>(QStringLiteral("editYFactor"))->setText(QLatin1String(y));
                return true;
            });
            fixture.trigger(CommandId::ZoomFactor);
            QCOMPARE(fixture.interaction.errors, QStringList({message}));
            QCOMPARE(frame.options().xZoomFactor, 2.0L);
            QCOMPARE(frame.options().yZoomFactor, 2.0L);
        }
    }

    void aZoomThatWouldWriteUnreadableValuesIsRefusedAndChangesNothing() {
        // Factors from a settings file never pass the dialog: 0, and one so large that zooming out
        // overflows.
        FrameFixture fixture;
        fixture.settings.writeString("ZoomFactor", "X", "0");
        fixture.settings.writeString("ZoomFactor", "Y", "1E4932");
        TMDIFrame& frame = fixture.start();
        const common::RangeTexts before = frame.undoZoomSnapshot();
        const common::RangeTexts grid = frame.rangeWindow()->rangeTexts();
        const QString message = QStringLiteral(
            "Zooming by these factors gives a range that cannot be drawn; the range stays as it is.");
        for (const CommandId zoom : {CommandId::ZoomIn, CommandId::ZoomOut}) {
            fixture.interaction.clear();
            fixture.trigger(zoom);
            QCOMPARE(fixture.interaction.errors, QStringList({message}));
            QCOMPARE(frame.rangeWindow()->rangeTexts(), grid);
            QCOMPARE(frame.undoZoomSnapshot(), before);
            QCOMPARE(frame.graphWindow()->graph().range().Xmin, -7.0L);
        }
        // Whatever a zoom wrote, Apply range reads it back.
        fixture.interaction.clear();
        frame.rangeWindow()->applyRange();
        QVERIFY(fixture.interaction.errors.isEmpty());
    }

    void badRangeValueShowsTheConversionMessageAndChangesNothing() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        const common::RangeTexts before = frame.undoZoomSnapshot();
        setRange(frame, {"-1", "1", "abc", "-2", "2", "1"});
        fixture.trigger(CommandId::ZoomIn);
        QCOMPARE(fixture.interaction.errors, QStringList({NotANumber}));
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"-1", "1", "abc", "-2", "2", "1"}));
        QCOMPARE(frame.undoZoomSnapshot(), before);
        QCOMPARE(frame.graphWindow()->graph().range().Xmin, -7.0L);

        fixture.interaction.clear();
        frame.rangeWindow()->applyRange();
        QCOMPARE(fixture.interaction.errors, QStringList({NotANumber}));
        // No row before the bad one was taken over.
        QCOMPARE(frame.graphWindow()->graph().range().Xmin, -7.0L);
        QCOMPARE(frame.graphWindow()->graph().range().Xmax, 7.0L);
    }

    void reversedOrEmptyRangeIsRefusedAndTheGraphKeepsItsRange() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        const common::RangeTexts before = frame.undoZoomSnapshot();
        const QString xMessage = QStringLiteral("Xmin must be less than Xmax.");
        const QString yMessage = QStringLiteral("Ymin must be less than Ymax.");
        const std::pair<common::RangeTexts, QString> refused[] = {
            {{"-3", "3", "0", "-2", "2", "1"}, QStringLiteral("Xstep must be greater than 0.")},
            {{"-3", "3", "1", "-2", "2", "-0.5"}, QStringLiteral("Ystep must be greater than 0.")},
            {{"3", "-3", "1", "-2", "2", "1"}, xMessage},
            {{"2", "2", "1", "-2", "2", "1"}, xMessage},
            {{"-3", "3", "1", "2", "-2", "1"}, yMessage},
            {{"-3", "3", "1", "0", "0", "1"}, yMessage},
        };
        for (const auto& [texts, message] : refused) {
            fixture.interaction.clear();
            setRange(frame, texts);
            frame.rangeWindow()->setRedrawEnabled(true);
            frame.rangeWindow()->findChild<QPushButton*>(QStringLiteral("spdbtnRedraw"))->click();
            QCOMPARE(fixture.interaction.errors, QStringList({message}));
            QCOMPARE(frame.graphWindow()->graph().range().Xmin, -7.0L);
            QCOMPARE(frame.graphWindow()->graph().range().Ymax, 5.0L);
        }
        // Zooming a reversed range changes neither the grid nor the undo snapshot.
        fixture.interaction.clear();
        fixture.trigger(CommandId::ZoomIn);
        QCOMPARE(fixture.interaction.errors, QStringList({yMessage}));
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"-3", "3", "1", "0", "0", "1"}));
        QCOMPARE(frame.undoZoomSnapshot(), before);

        // Saved range values that were never saved are all 0: opening them and redrawing is refused.
        fixture.interaction.clear();
        frame.rangeWindow()->findChild<QPushButton*>(QStringLiteral("spdbtnRangeOpen"))->click();
        frame.rangeWindow()->applyRange();
        QCOMPARE(fixture.interaction.errors, QStringList({xMessage}));
        QCOMPARE(frame.graphWindow()->graph().range().Xmax, 7.0L);
    }

    void enterMovesDownTheGridAndAppliesTheRangeFromTheLastRow() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        QTableWidget* grid = frame.rangeWindow()->grid();
        frame.rangeWindow()->setRangeText(common::Xmax, "3");
        grid->setFocus();
        grid->setCurrentCell(0, 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(grid->currentRow(), 1);
        QCOMPARE(frame.graphWindow()->graph().range().Xmax, 7.0L);

        grid->setCurrentCell(5, 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(grid->currentRow(), 5);
        QCOMPARE(frame.graphWindow()->graph().range().Xmax, 3.0L);
        QVERIFY(frame.rangeWindow()->isRedrawEnabled());
    }

    void typingIntoACellKeepsTheTextOnEnter() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        QTableWidget* grid = frame.rangeWindow()->grid();
        grid->setFocus();
        grid->setCurrentCell(4, 0);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("12"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(frame.rangeWindow()->rangeText(common::Ymax), std::string("12"));
        QCOMPARE(grid->currentRow(), 5);
    }

    void redrawButtonAppliesTheRangeAndDisablesItself() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        auto* redraw = frame.rangeWindow()->findChild<QPushButton*>(QStringLiteral("spdbtnRedraw"));
        QVERIFY(!redraw->isEnabled());
        frame.rangeWindow()->findChild<QPushButton*>(QStringLiteral("spdbtnRangeTrigonometry"))->click();
        QVERIFY(redraw->isEnabled());
        redraw->click();
        QVERIFY(!redraw->isEnabled());
        QCOMPARE(frame.graphWindow()->graph().range().Ymax, 3.14159265358979L);
    }

    void trigonometryRangeFollowsTheAngleUnit() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        auto* trigonometry =
            frame.rangeWindow()->findChild<QPushButton*>(QStringLiteral("spdbtnRangeTrigonometry"));
        trigonometry->click();
        QCOMPARE(frame.rangeWindow()->rangeTexts(),
                 common::RangeTexts({"-9.42477796076938", "9.42477796076938", "1.5707963267949",
                                     "-3.14159265358979", "3.14159265358979", "1"}));
        fixture.trigger(CommandId::Degrees);
        QVERIFY(frame.options().angleUnit == engine::AngleUnit::Degrees);
        trigonometry->click();
        QCOMPARE(frame.rangeWindow()->rangeTexts(),
                 common::RangeTexts({"-540", "540", "90", "-3.14159265358979", "3.14159265358979", "1"}));
        frame.rangeWindow()->findChild<QPushButton*>(QStringLiteral("spdbtnRangeStandard"))->click();
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"-7", "7", "1", "-5", "5", "1"}));
    }

    void longValuesAreShownWithTheDigitsThatTellTheRangeApartAndWholeInTheirHint() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        TRangeWindow& range = *frame.rangeWindow();
        const auto shown = [&range] {
            QStringList texts;
            for (int row = 0; row < common::RangeRowCount; ++row)
                texts.append(range.shownText(row));
            return texts;
        };
        const auto hints = [&range] {
            QStringList texts;
            for (int row = 0; row < common::RangeRowCount; ++row)
                texts.append(range.grid()->item(row, 0)->toolTip());
            return texts;
        };
        // Short texts are shown as typed and leave the grid's own hint.
        QCOMPARE(shown(), QStringList({"-7", "7", "1", "-5", "5", "1"}));
        QCOMPARE(hints(), QStringList({"", "", "", "", "", ""}));

        // Each end within a ten-thousandth of the range's width, a step within one of itself.
        range.findChild<QPushButton*>(QStringLiteral("spdbtnRangeTrigonometry"))->click();
        QCOMPARE(shown(), QStringList({"-9.425", "9.425", "1.5708", "-3.142", "3.142", "1"}));
        QCOMPARE(hints(), QStringList({"-9.42477796076938", "9.42477796076938", "1.5707963267949",
                                       "-3.14159265358979", "3.14159265358979", ""}));

        // A zoom box's ends: a narrow range keeps more digits than a wide one.
        setRange(frame, {"0.123456789012345", "0.987654321098765", "1", "2.00000123456789",
                         "2.00000987654321", "0.000001"});
        QCOMPARE(shown(), QStringList({"0.1235", "0.9877", "1", "2.000001235", "2.000009877", "0.000001"}));
        for (int row = 0; row < common::RangeRowCount; ++row)
            QVERIFY(QFontMetrics(range.cellFont(row)).horizontalAdvance(range.shownText(row)) <
                    range.grid()->columnWidth(0));
        QCOMPARE(range.cellFont(0), range.grid()->font());
        // Applying takes the whole values.
        range.applyRange();
        QCOMPARE(frame.graphWindow()->graph().range().Xmin, 0.123456789012345L);

        // A text that is not a number is shown as it is.
        setRange(frame, {"0.123456789012345abc", "1", "1", "-1", "1", "1"});
        QCOMPARE(shown().first(), QStringLiteral("0.123456789012345abc"));
    }

    void savedRangeValuesComeBackAndNeverSavedOnesAreZero() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        auto* open = frame.rangeWindow()->findChild<QPushButton*>(QStringLiteral("spdbtnRangeOpen"));
        open->click();
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"0", "0", "0", "0", "0", "0"}));
        setRange(frame, {"-1", "2", "0.25", "-3", "4", "x"});
        frame.rangeWindow()->findChild<QPushButton*>(QStringLiteral("spdbtnRangeSpara"))->click();
        QCOMPARE(fixture.settings.readString("Range", "Cells[1,2]", ""), std::string("0.25"));
        setRange(frame, {"0", "0", "0", "0", "0", "0"});
        open->click();
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"-1", "2", "0.25", "-3", "4", "x"}));
    }

    void zoomBoxTakesTheSnapshotAndArmsItsTool() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        setRange(frame, {"-2", "2", "1", "-1", "1", "1"});
        fixture.trigger(CommandId::ZoomBox);
        QCOMPARE(frame.undoZoomSnapshot(), common::RangeTexts({"-2", "2", "1", "-1", "1", "1"}));
        QVERIFY(frame.graphWindow()->graph().armedTools[graph::ZoomBoxTool]);
        QCOMPARE(frame.statusText(), QStringLiteral("Select a range on the graph: Zoom Box"));
    }

    void oneUndoZoomAfterFiveWheelNotchesRestoresTheFirstRangeExactly() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        setRange(frame, {"-9.42477796076938", "9.42477796076938", "1.5707963267949", "-3", "3", "1"});
        frame.rangeWindow()->applyRange();
        const common::GraphRange first = frame.graphWindow()->graph().range();
        graph::TGraphWindow& window = *frame.graphWindow();
        for (int notch = 0; notch < 5; ++notch) {
            const QPointF at(100 + 7 * notch, 80);
            QWheelEvent turn(at, window.mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&window, &turn);
        }
        QTest::qWait(60);
        QVERIFY(frame.graphWindow()->graph().range().Xmax < first.Xmax);
        // pi/2 / 2^(5/3) = 0.49 gives the step 0.5.
        QCOMPARE(frame.rangeWindow()->rangeText(common::Xstep), std::string("0.5"));
        fixture.trigger(CommandId::UndoZoom);
        QCOMPARE(
            frame.rangeWindow()->rangeTexts(),
            common::RangeTexts({"-9.42477796076938", "9.42477796076938", "1.5707963267949", "-3", "3", "1"}));
        QCOMPARE(frame.graphWindow()->graph().range(), first);
        QVERIFY(fixture.interaction.messages.empty() && fixture.interaction.errors.empty());
    }

    void ctrlArrowsOnTheGraphMoveTheViewInsideTheFrame() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        frame.graphWindow()->setFocus();
        QTest::keyClick(frame.graphWindow(), Qt::Key_Left, Qt::ControlModifier);
        QTest::keyClick(frame.graphWindow(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(frame.rangeWindow()->rangeTexts(), common::RangeTexts({"-8.4", "5.6", "1", "-4", "6", "1"}));
    }
};

QTEST_MAIN(ZoomAndRangeTest)
#include "ZoomAndRangeTest.moc"
