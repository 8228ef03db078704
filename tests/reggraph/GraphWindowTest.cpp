#include "reggraph/TForm2.h"

#include "projects/DataLists.h"
#include "regression/RegressionResult.h"
#include "tests/support/PixelCount.h"
#include "tests/support/ScriptedInteraction.h"
#include "translation/Translator.h"

#include "reggraph/AxesLayout.h"

#include <QFontMetrics>
#include <QWheelEvent>
#include <QtTest>

using namespace reggraph;
using common::RangeTexts;

namespace {

const QColor Blue(0, 0, 255);
const RangeTexts DefaultRange = {"0", "12", "1", "0", "10", "1"};

// The windows around the graph: the range grid, the zoom factors, the status line and the modified
// flag, recorded for the tests.
class FakeHost : public GraphWindowHost {
public:
    RangeTexts range = DefaultRange;
    std::string xFactor = "2";
    std::string yFactor = "2";
    std::string status;
    int modifiedCount = 0;
    int scenesDrawn = 0;
    RangeTexts drawnRange; // the range of the last scene drawn
    ScriptedInteraction dialogs;
    regression::RegressionResult result;

    RangeTexts rangeTexts() const override { return range; }
    void setRangeTexts(const RangeTexts& texts) override { range = texts; }
    char decimalSeparator() const override { return '.'; }
    std::string xFactorText() const override { return xFactor; }
    std::string yFactorText() const override { return yFactor; }
    GraphScene graphScene() override {
        ++scenesDrawn;
        drawnRange = range;
        GraphScene scene;
        scene.range = range;
        scene.series.scatter = false;
        return scene;
    }
    regression::RegressionResult& regressionResult() override { return result; }
    void showStatus(const std::string& text) override { status = text; }
    void clearStatus() override { status.clear(); }
    void setModified() override { ++modifiedCount; }
    appkit::Interaction& interaction() override { return dialogs; }
};

void turnWheel(QWidget& window, QPoint at, int delta, Qt::KeyboardModifiers modifiers = {}) {
    QWheelEvent event(at, window.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &event);
}

// The geometry a range is drawn with on the 400 x 300 picture in the default font.
GraphGeometry drawnGeometry(const RangeTexts& range) {
    const QFontMetrics metrics(defaultGraphFont().font);
    return layoutAxes(
               common::parseRange(range, '.'), 400, 300,
               [&](const std::string& text) {
                   return metrics.horizontalAdvance(QString::fromStdString(text));
               },
               '.')
        ->geometry;
}

} // namespace

// The window at 400 x 300 with the default range: left margin 20, 30 pixels per x unit and 26 per
// y unit, so pixel (c, r) is world (c - 20) / 30, (280 - r) / 26 inside the plot area.
class GraphWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeHost> host;
    std::unique_ptr<TForm2> window;

    void drag(QPoint from, QPoint to) {
        QTest::mousePress(window.get(), Qt::LeftButton, {}, from);
        QTest::mouseMove(window.get(), (from + to) / 2);
        QTest::mouseMove(window.get(), to);
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, to);
    }

private slots:
    void initTestCase() {
        translation::translator().loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/tsyEnglish.lng");
    }

    void init() {
        host = std::make_unique<FakeHost>();
        window = std::make_unique<TForm2>(*host, defaultGraphFont());
        window->resize(400, 300);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->picture().size(), QSize(400, 300));
    }

    void cleanup() {
        window.reset();
        host.reset();
    }

    void theWindowIsCaptionedAndItsPictureIsTheGraph() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Graph"));
        // The y axis at the left margin, black, from the arrow head down to the plot area's bottom.
        QCOMPARE(window->picture().pixelColor(20, 200), QColor(Qt::black));
        QVERIFY(host->dialogs.errors.isEmpty());
    }

    void aDraggedBoxBecomesTheRangeWithTwoDigitsAndTheModeEnds() {
        window->startZoomBox();
        QVERIFY(window->zoomBoxMode());
        QCOMPARE(host->modifiedCount, 1);
        QCOMPARE(host->range, DefaultRange); // nothing changes before the release

        const QImage before = window->picture();
        QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(40, 30));
        QTest::mouseMove(window.get(), QPoint(120, 90));
        QTest::mouseMove(window.get(), QPoint(200, 150));
        // The rubber band inverts the screen along its edges but never enters the picture.
        const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int inverted = 0;
        for (int x = 40; x <= 200; ++x)
            inverted += shown.pixel(x, 30) != before.pixel(x, 30);
        QVERIFY2(inverted > 40, qPrintable(QString::number(inverted)));
        QCOMPARE(window->picture(), before);
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(200, 150));

        // Xmin (40 - 20) / 30 = 0.667, Ymax (280 - 30) / 26 = 9.615, Xmax 180 / 30, Ymin 130 / 26.
        QCOMPARE(host->range, (RangeTexts{"0.67", "6", "1", "5", "9.6", "1"}));
        QVERIFY(!window->zoomBoxMode());
        QVERIFY(window->picture() != before);
        QVERIFY(host->dialogs.errors.isEmpty());

        // Undo Zoom brings back the range from before the box.
        window->undoZoom();
        QCOMPARE(host->range, DefaultRange);
    }

    void aBoxThatGivesNoRangeChangesNothingButEndsTheMode() {
        const QImage before = window->picture();
        const int scenes = host->scenesDrawn;
        // Dragged up and to the left; a click without a drag; a box whose corners round to the
        // same two digits (2.67 and 2.7 both give 2.7).
        const std::vector<std::pair<QPoint, QPoint>> boxes = {{{200, 150}, {40, 30}},
                                                              {{200, 150}, {200, 150}},
                                                              {{100, 100}, {101, 101}},
                                                              {{200, 150}, {300, 150}}};
        for (const auto& [from, to] : boxes) {
            window->startZoomBox();
            drag(from, to);
            QVERIFY(!window->zoomBoxMode());
            QCOMPARE(host->range, DefaultRange);
        }
        QCOMPARE(host->scenesDrawn, scenes);
        QCOMPARE(window->picture(), before);
        QVERIFY(host->dialogs.errors.isEmpty());
    }

    void theReadoutFollowsTheMouseWhileAButtonIsHeld() {
        QTest::mouseMove(window.get(), QPoint(200, 150));
        QCOMPARE(host->status, std::string());
        QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(host->status, std::string("[6;5]"));
        QTest::mouseMove(window.get(), QPoint(60, 250));
        // (60 - 20) / 30 = 1.333, (280 - 250) / 26 = 1.154; outside the plot area the range's ends.
        QCOMPARE(host->status, std::string("[1.3;1.2]"));
        QTest::mouseMove(window.get(), QPoint(399, 0));
        QCOMPARE(host->status, std::string("[12;10]"));
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(399, 0));
        QCOMPARE(host->status, std::string());
        QCOMPARE(host->range, DefaultRange);
        QCOMPARE(host->modifiedCount, 0);
    }

    void zoomInOutAndUndoWorkOnAllSixValues() {
        window->zoomIn();
        QCOMPARE(host->range, (RangeTexts{"0", "6", "0.5", "0", "5", "0.5"}));
        window->zoomOut();
        QCOMPARE(host->range, DefaultRange);
        window->zoomIn();
        window->undoZoom();
        QCOMPARE(host->range, DefaultRange);
        window->undoZoom();
        QCOMPARE(host->range, DefaultRange);
        QCOMPARE(host->modifiedCount, 5);

        // Zoom In by 3 and Zoom Out by 0.5 use only their own field each.
        host->xFactor = "3";
        host->yFactor = "0.5";
        window->zoomIn();
        QCOMPARE(host->range[common::Xmax], std::string("4"));
        QCOMPARE(host->range[common::Ystep], std::string("0.333333333333333"));
        window->resetUndoRange(DefaultRange);
        window->zoomOut();
        QCOMPARE(host->range[common::Xmax], std::string("2"));
        window->undoZoom();
        QCOMPARE(host->range[common::Xmax], std::string("4"));
        QVERIFY(host->dialogs.errors.isEmpty());
    }

    void aZoomThatFailsShowsWhyAndKeepsTheRange() {
        host->xFactor = "0";
        window->zoomIn();
        host->xFactor = "two";
        window->zoomIn();
        host->yFactor = "-2";
        window->zoomOut();
        QCOMPARE(host->range, DefaultRange);
        QCOMPARE(host->modifiedCount, 0);
        QCOMPARE(host->dialogs.errors.size(), 3);
        QCOMPARE(host->dialogs.errors[0],
                 QStringLiteral("'0' is not a valid zoom factor: it must be a number greater than 0."));
        QCOMPARE(host->dialogs.errors[1], QStringLiteral("'two' is not a valid floating point value"));
        QCOMPARE(host->dialogs.errors[2],
                 QStringLiteral("'-2' is not a valid zoom factor: it must be a number greater than 0."));
        // A range cell that is not a number stops the command with the parser's message.
        host->yFactor = "2";
        host->range[common::Ymax] = "ten";
        window->zoomOut();
        QCOMPARE(host->dialogs.errors.last(), QStringLiteral("'ten' is not a valid floating point value"));
        QCOMPARE(host->range[common::Ymax], std::string("ten"));
    }

    void aWindowNoTallerThan40PixelsKeepsItsPicture() {
        const QImage before = window->picture();
        const int scenes = host->scenesDrawn;
        window->resize(300, 40);
        QCOMPARE(window->picture().size(), QSize(300, 40));
        QCOMPARE(window->picture(), before.copy(0, 0, 300, 40));
        QCOMPARE(host->scenesDrawn, scenes);
        // Without a plot area a zoom still changes the range, but nothing is drawn or read out.
        window->zoomIn();
        QCOMPARE(host->range[common::Xmax], std::string("6"));
        QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(100, 20));
        QCOMPARE(host->status, std::string());
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(100, 20));
        QCOMPARE(window->picture(), before.copy(0, 0, 300, 40));
        QCOMPARE(host->scenesDrawn, scenes);
        QVERIFY(host->dialogs.errors.isEmpty());
        window->resize(300, 41);
        QCOMPARE(host->scenesDrawn, scenes + 1);
        QCOMPARE(window->picture().size(), QSize(300, 41));
    }

    void aWrongRangeShowsItsMessageOnceAndTheVectorPictureStaysSilent() {
        host->range[common::Xmax] = "0";
        window->redraw();
        QCOMPARE(host->dialogs.errors, QStringList{InvalidRangeMessage});
        QCOMPARE(countColour(window->picture(), Qt::white), 400 * 300);
        QVERIFY(!window->vectorPicture());
        // A fit on a graph without axes draws nothing.
        window->drawFit(regression::Drawing{regression::Drawing::Shape::ZeroSlopeLine, {5, 0, 0, 0, 0, 1}},
                        "y = 5");
        QCOMPARE(countColour(window->picture(), Qt::white), 400 * 300);
        QCOMPARE(host->dialogs.errors.size(), 1);

        host->range = DefaultRange;
        window->redraw();
        QVERIFY(window->vectorPicture());
        window->drawFit(regression::Drawing{regression::Drawing::Shape::ZeroSlopeLine, {5, 0, 0, 0, 0, 1}},
                        "y = 5");
        // y = 5 in the first curve colour across the plot area, row 280 - 130.
        QCOMPARE(window->picture().pixelColor(200, 150), Blue);
        QCOMPARE(host->dialogs.errors.size(), 1);
    }

    void theWheelZoomsAboutThePointerAndMarksTheProjectModified() {
        // (110, 150) is x = 3, y = 5.
        turnWheel(*window, QPoint(110, 150), 120);
        QCOMPARE(host->range, (RangeTexts{"0.62", "10.14", "1", "1.03", "8.97", "1"}));
        const GraphGeometry geometry = drawnGeometry(host->range);
        QVERIFY(std::abs(geometry.worldToPixelX(3) - 110) <= 1);
        QVERIFY(std::abs(geometry.worldToPixelY(5) - 150) <= 1);
        QCOMPARE(host->modifiedCount, 1);
        // Shift zooms x only, Ctrl y only.
        turnWheel(*window, QPoint(110, 150), -120, Qt::ShiftModifier);
        QCOMPARE(host->range[common::Ymin], std::string("1.03"));
        QCOMPARE(host->range[common::Xmin], std::string("0"));
        turnWheel(*window, QPoint(110, 150), -120, Qt::ControlModifier);
        QCOMPARE(host->range[common::Xmin], std::string("0"));
        QCOMPARE(host->range[common::Ymin], std::string("0"));
        QVERIFY(host->dialogs.errors.isEmpty());
    }

    void oneUndoZoomAfterFiveQuickNotchesRestoresTheFirstRangeDrawnOncePerFrame() {
        const int drawnBefore = host->scenesDrawn;
        for (int notch = 0; notch < 5; ++notch)
            turnWheel(*window, QPoint(300 - 20 * notch, 100), 120);
        QVERIFY(host->scenesDrawn - drawnBefore <= 2);
        QTest::qWait(60);
        QCOMPARE(host->scenesDrawn - drawnBefore, 2);
        // The notches held back are drawn together, with the view the last one made.
        QCOMPARE(host->drawnRange, host->range);
        QVERIFY(host->range != DefaultRange);
        window->undoZoom();
        QCOMPARE(host->range, DefaultRange);
    }

    void aMiddleDragMovesTheViewWithAClosedHand() {
        QTest::mousePress(window.get(), Qt::MiddleButton, {}, QPoint(110, 150));
        QCOMPARE(window->cursor().shape(), Qt::ClosedHandCursor);
        QTest::mouseMove(window.get(), QPoint(140, 124));
        QCOMPARE(host->range, (RangeTexts{"-1", "11", "1", "-1", "9", "1"}));
        QTest::mouseRelease(window.get(), Qt::MiddleButton, {}, QPoint(140, 124));
        QVERIFY(window->cursor().shape() != Qt::ClosedHandCursor);
        QCOMPARE(host->status, std::string());
        window->undoZoom();
        QCOMPARE(host->range, DefaultRange);
    }

    void shiftWithTheLeftButtonPansExceptInZoomBoxMode() {
        QTest::mousePress(window.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(110, 150));
        QTest::mouseMove(window.get(), QPoint(50, 150));
        QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(50, 150));
        QCOMPARE(host->range, (RangeTexts{"2", "14", "1", "0", "10", "1"}));
        window->startZoomBox();
        QTest::mousePress(window.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(110, 150));
        QTest::mouseMove(window.get(), QPoint(200, 200));
        QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(200, 200));
        QVERIFY(!window->zoomBoxMode());
        QCOMPARE(host->range[common::Xstep], std::string("1"));
        QVERIFY(host->range[common::Xmax] != "14");
    }

    void aWheelTurnDropsTheZoomBoxBeingDraggedAndTheModeWaits() {
        window->startZoomBox();
        QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(40, 30));
        QTest::mouseMove(window.get(), QPoint(200, 150));
        turnWheel(*window, QPoint(200, 150), 120);
        const RangeTexts zoomed = host->range;
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(host->range, zoomed);
        QVERIFY(window->zoomBoxMode());
        QVERIFY(host->dialogs.errors.isEmpty());
    }

    void ctrlWithKeysPansAndZoomsAndFactorsThatAreNoNumbersZoomNothing() {
        window->setFocus();
        QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(host->range, (RangeTexts{"1.2", "13.2", "1", "0", "10", "1"}));
        QTest::keyClick(window.get(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(host->range, (RangeTexts{"1.2", "13.2", "1", "-1", "9", "1"}));
        QTest::keyClick(window.get(), Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(host->range, (RangeTexts{"0", "12", "1", "-1", "9", "1"}));
        QTest::keyClick(window.get(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(host->range, DefaultRange);
        host->xFactor = "abc";
        const RangeTexts before = host->range;
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
        turnWheel(*window, QPoint(200, 150), 120);
        QCOMPARE(host->range, before);
        QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(host->range != before);
        QVERIFY(host->dialogs.errors.isEmpty());
    }

    void zoomingFarInStopsWhereTheGraphCanStillBeDrawnWithoutAMessage() {
        for (int notch = 0; notch < 300; ++notch)
            turnWheel(*window, QPoint(321, 123), 120);
        QTest::qWait(60);
        QVERIFY(host->dialogs.errors.isEmpty());
        const common::GraphRange range = common::parseRange(host->range, '.');
        QVERIFY(range.Xmax - range.Xmin < 1e-3L);
        QVERIFY(range.Xmin < range.Xmax && range.Ymin < range.Ymax);
    }
};

QTEST_MAIN(GraphWindowTest)
#include "GraphWindowTest.moc"
