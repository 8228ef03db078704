#include "GraphTestSupport.h"

#include "common/IniFile.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "graph/TGraphWindow.h"
#include "tests/common/TempFolder.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <QtTest>
#include <array>
#include <cmath>

using graph::TGraphWindow;

namespace {

// The frame as a test sees it: every call is recorded and every dialog answered as set up.
class FakeHost : public graph::RangeAccess,
                 public graph::StatusLine,
                 public graph::GraphDialogs,
                 public graph::LogOutput,
                 public graph::FrameState,
                 public graph::FunctionPadKeys {
public:
    FakeHost() : settings(folder.path() / "math.INI") {}

    graph::GraphHost roles() { return {*this, *this, *this, *this, *this, *this}; }

    common::RangeTexts rangeTexts() const override { return range; }
    void setRangeTexts(const common::RangeTexts& texts) override { range = texts; }
    void applyRange() override {
        ++rangeApplications;
        window->SetRange(common::parseRange(range, '.'));
    }
    void keepRangeForUndoZoom() override {
        undoRange = range;
        ++undoSnapshots;
    }
    void showStatus(const std::string& text) override { status = text; }
    void clearStatus() override { status.clear(); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void showError(const std::string& text) override { messages.push_back(text); }
    graph::InstructionsAnswer showFunctionInstructions() override {
        ++functionInstructionsShown;
        return instructionsAnswer;
    }
    graph::InstructionsAnswer showIntegralInstructions() override { return instructionsAnswer; }
    std::optional<std::string> askText(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void appendLogLine(const std::string&) override {}
    graph::PlotMode currentMode() const override { return graph::PlotMode::Function; }
    const graph::PlotOptions& plotOptions() const override { return options; }
    common::IniFile& settingsFile() override { return settings; }
    void functionPadKeyPress(QKeyEvent& event) override { typed += event.text().toStdString(); }

    TempFolder folder;
    common::IniFile settings;
    graph::PlotOptions options = bareOptions();
    common::RangeTexts range{"-10", "10", "1", "-10", "10", "1"};
    TGraphWindow* window = nullptr;
    int rangeApplications = 0;
    common::RangeTexts undoRange;
    int undoSnapshots = 0;
    int functionInstructionsShown = 0;
    graph::InstructionsAnswer instructionsAnswer{true, false};
    std::string status;
    std::vector<std::string> messages;
    std::string typed;
};

// Records the tools the window hands on after a selection.
class FakeTools : public graph::GraphTools {
public:
    void runTool(int tool, const graph::WorldSelection& selection) override {
        runs.emplace_back(tool, selection);
    }
    void traceStep(int) override {}
    std::vector<std::pair<int, graph::WorldSelection>> runs;
};

void turnWheel(QWidget& window, QPoint at, int delta, Qt::KeyboardModifiers modifiers = {}) {
    QWheelEvent event(at, window.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &event);
}

// Waits for the redraw held back to the next frame.
void waitForFrame() {
    QTest::qWait(60);
}

} // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { startGraphTests(); }

    void init() {
        host = std::make_unique<FakeHost>();
        window = std::make_unique<TGraphWindow>(host->roles());
        host->window = window.get();
        window->resize(clientSizeFor(400, 400));
        window->setTools(&tools);
        tools.runs.clear();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        host.reset();
    }

    void showingTakesTheRangeWindowsValuesAndTheTranslatedCaption() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Graph"));
        QCOMPARE(window->graph().range().Xmin, -10.0L);
        QCOMPARE(window->graph().coordinates().axisColumn, window->graph().coordinates().left + 200);
        QCOMPARE(window->picture().size(), window->size());
    }

    void resizingRedrawsTheGraphToFillTheNewClientArea() {
        QVERIFY(window->PlotRequest("x"));
        window->resize(clientSizeFor(600, 200));
        QCOMPARE(window->picture().size(), clientSizeFor(600, 200));
        QCOMPARE(window->graph().coordinates().axisColumn, window->graph().coordinates().left + 300);
        QVERIFY(countInImage(window->picture(), graph::curveColours()[0]) > 100);
    }

    void draggingRightAndDownWithTheZoomBoxZoomsIntoTheRectangle() {
        QVERIFY(window->PlotRequest("x"));
        QVERIFY(window->PlotRequest("x+100"));
        window->armTool(graph::ZoomBoxTool);
        const graph::GraphCoordinates& c = window->graph().coordinates();
        const QImage pictureBefore = window->picture();

        QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(c.left + 100, c.top + 100));
        QTest::mouseMove(window.get(), QPoint(c.left + 300, c.top + 300));
        QVERIFY(window->rectangleShown());
        // The rectangle shows on the screen only, inverting what lies under its dots.
        QCOMPARE(window->picture(), pictureBefore);
        const QImage screen = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int darkened = 0;
        for (int x = c.left + 100; x < c.left + 300; ++x)
            darkened += screen.pixelColor(x, c.top + 100) == QColor(0, 0, 0);
        QVERIFY(darkened > 50);

        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(c.left + 300, c.top + 300));
        QVERIFY(!window->rectangleShown());
        QCOMPARE(window->graph().candidates, std::vector<std::string>{"x"});
        QCOMPARE(host->range[0], std::string("-5"));
        QCOMPARE(host->range[1], std::string("5"));
        QCOMPARE(host->range[2], std::string("1"));
        QCOMPARE(host->range[3], std::string("-5"));
        QCOMPARE(host->range[4], std::string("5"));
        QCOMPARE(host->rangeApplications, 1);
        QCOMPARE(window->graph().range().Xmax, 5.0L);
        QVERIFY(!window->graph().anyToolArmed());
    }

    void draggingLeftwardsShowsNoRectangleAndSelectsNothing() {
        QVERIFY(window->PlotRequest("x"));
        window->armTool(graph::ZoomBoxTool);
        window->armTool(graph::RootTool);
        const graph::GraphCoordinates& c = window->graph().coordinates();
        QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(c.left + 300, c.top + 100));
        QTest::mouseMove(window.get(), QPoint(c.left + 100, c.top + 300));
        QVERIFY(!window->rectangleShown());
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(c.left + 100, c.top + 300));
        QVERIFY(window->graph().candidates.empty());
        // The range stays; the root tool still runs, on a selection that holds no point.
        QCOMPARE(host->rangeApplications, 0);
        QCOMPARE(host->range[0], std::string("-10"));
        QCOMPARE(tools.runs.size(), std::size_t(1));
        QCOMPARE(tools.runs[0].first, int(graph::RootTool));
        QVERIFY(!tools.runs[0].second.contains(0, 0));
    }

    void aClickWithoutDraggingRunsTheArmedToolOnAnEmptySelection() {
        QVERIFY(window->PlotRequest("0"));
        window->armTool(graph::MaximumTool);
        const graph::GraphCoordinates& c = window->graph().coordinates();
        QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(c.axisColumn, c.axisRow));
        QVERIFY(window->graph().candidates.empty());
        QCOMPARE(tools.runs.size(), std::size_t(1));
        QCOMPARE(tools.runs[0].first, int(graph::MaximumTool));
        QVERIFY(!window->graph().anyToolArmed());
    }

    void withoutAnArmedToolTheStatusLineFollowsTheDrag() {
        const graph::GraphCoordinates& c = window->graph().coordinates();
        QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(c.left + 300, c.top + 100));
        QCOMPARE(host->status, std::string("(5, 5)"));
        QTest::mouseMove(window.get(), QPoint(c.left + 130, c.top + 412));
        QCOMPARE(host->status, std::string("(-3.5, -10)"));
        QTest::mouseMove(window.get(), QPoint(c.left + 400, c.top + 203));
        QCOMPARE(host->status, std::string("(10, -0.15)"));
        QVERIFY(!window->rectangleShown());
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(c.left + 400, c.top + 203));
        QCOMPARE(host->status, std::string());
    }

    void theThirteenthFunctionIsRefusedWithAMessage() {
        for (int k = 1; k <= 12; ++k)
            QVERIFY(window->PlotRequest("x+" + std::to_string(k)));
        QVERIFY(host->messages.empty());
        QVERIFY(window->PlotRequest("x+13"));
        QCOMPARE(host->messages,
                 std::vector<std::string>{"Only 12 functions can be plotted at the same time."});
        QCOMPARE(window->graph().plottedFunctions().size(), std::size_t(12));
        QCOMPARE(window->graph().plottedFunctions().back(), std::string("x+12"));
    }

    void aTextThatDoesNotCompileShowsTheErrorAndThenTheInstructions() {
        host->settings.writeBool("Options", "NeverShowFunctionMessage", true);
        QVERIFY(!window->PlotRequest("sin("));
        QCOMPARE(host->messages.size(), std::size_t(1));
        QVERIFY(!host->messages[0].empty());
        QCOMPARE(host->functionInstructionsShown, 1);
        QVERIFY(window->graph().plottedFunctions().empty());
    }

    void anEmptyTextShowsTheInstructionsUntilTheUserTicksNeverAgain() {
        host->instructionsAnswer = {true, true};
        QVERIFY(!window->PlotRequest(""));
        QCOMPARE(host->functionInstructionsShown, 1);
        QVERIFY(host->settings.readBool("Options", "NeverShowFunctionMessage", false));
        QVERIFY(!window->PlotRequest(""));
        QCOMPARE(host->functionInstructionsShown, 1);
        QVERIFY(host->messages.empty());
    }

    void newWorkLeavesEmptyAxesAndAnEmptyFunctionStore() {
        host->options.showAxis = true;
        QVERIFY(window->PlotRequest("x"));
        window->NewWorkClick();
        QVERIFY(window->graph().plottedFunctions().empty());
        QCOMPARE(engine::FunctionDB().count(), 0);
        QCOMPARE(countInImage(window->picture(), graph::curveColours()[0]), 0);
        QVERIFY(countInImage(window->picture(), Qt::black) > 0);
    }

    void theWheelZoomsAboutThePointerAndWritesShortRangeTexts() {
        const graph::GraphCoordinates& c = window->graph().coordinates();
        // x = 2 and y = 3 on the 400 by 400 pixel plot area of -10 ... 10.
        const QPoint at(c.left + 240, c.top + 140);
        turnWheel(*window, at, 120);
        waitForFrame();
        QCOMPARE(host->rangeApplications, 1);
        QVERIFY(std::abs(window->graph().coordinates().columnOfX(2) - at.x()) <= 1);
        QVERIFY(std::abs(window->graph().coordinates().rowOfY(3) - at.y()) <= 1);
        // 20 / 2^(1/3) = 15.87 wide, each end within a quarter of a 0.04 pixel: two decimals.
        QCOMPARE(host->range, (common::RangeTexts{"-7.52", "8.35", "1", "-7.32", "8.56", "1"}));
        QCOMPARE(window->graph().range(), common::parseRange(host->range, '.'));
        QVERIFY(host->messages.empty());
    }

    void shiftZoomsOnlyAcrossAndCtrlOnlyUpAndDown() {
        const graph::GraphCoordinates& c = window->graph().coordinates();
        turnWheel(*window, QPoint(c.left + 100, c.top + 100), 360, Qt::ShiftModifier);
        QCOMPARE(host->range, (common::RangeTexts{"-7.5", "2.5", "0.5", "-10", "10", "1"}));
        turnWheel(*window, QPoint(c.left + 100, c.top + 100), -360, Qt::ControlModifier);
        QCOMPARE(host->range, (common::RangeTexts{"-7.5", "2.5", "0.5", "-25", "15", "2"}));
    }

    void fiveQuickNotchesAreOneUndoStepDrawnAtMostOncePerFrame() {
        const common::RangeTexts first = host->range;
        const graph::GraphCoordinates& c = window->graph().coordinates();
        for (int notch = 0; notch < 5; ++notch)
            turnWheel(*window, QPoint(c.left + 50 + 10 * notch, c.top + 300), 120);
        // The first notch draws at once, the other four wait for the next frame and draw together.
        QCOMPARE(host->rangeApplications, 1);
        waitForFrame();
        QCOMPARE(host->rangeApplications, 2);
        QCOMPARE(window->graph().range(), common::parseRange(host->range, '.'));
        QCOMPARE(host->undoSnapshots, 1);
        QCOMPARE(host->undoRange, first);
        // A pause begins the next gesture.
        QTest::qWait(int(common::ViewGestures::WheelPause.count()) + 50);
        turnWheel(*window, QPoint(c.left + 50, c.top + 300), -120);
        QCOMPARE(host->undoSnapshots, 2);
    }

    void zoomingInStopsAtTheLimitWithoutAMessage() {
        const graph::GraphCoordinates& c = window->graph().coordinates();
        for (int notch = 0; notch < 400; ++notch)
            turnWheel(*window, QPoint(c.left + 123, c.top + 321), 120);
        waitForFrame();
        const common::GraphRange range = window->graph().range();
        QVERIFY(host->messages.empty());
        QVERIFY(range.Xmin < range.Xmax && range.Ymin < range.Ymax);
        QVERIFY(range.Xmax - range.Xmin >= 1e-10L * std::fabs(range.Xmax + range.Xmin) / 2);
        QVERIFY(range.Xmax - range.Xmin < 1e-9L);
    }

    void aMiddleDragMovesTheViewWithThePointer() {
        const graph::GraphCoordinates& c = window->graph().coordinates();
        QTest::mousePress(window.get(), Qt::MiddleButton, {}, QPoint(c.left + 200, c.top + 200));
        QCOMPARE(window->cursor().shape(), Qt::ClosedHandCursor);
        QTest::mouseMove(window.get(), QPoint(c.left + 240, c.top + 180));
        QCOMPARE(host->range, (common::RangeTexts{"-12", "8", "1", "-11", "9", "1"}));
        waitForFrame();
        QTest::mouseMove(window.get(), QPoint(c.left + 150, c.top + 250));
        QTest::mouseRelease(window.get(), Qt::MiddleButton, {}, QPoint(c.left + 150, c.top + 250));
        waitForFrame();
        QCOMPARE(host->range, (common::RangeTexts{"-7.5", "12.5", "1", "-7.5", "12.5", "1"}));
        QCOMPARE(window->graph().range().Xmin, -7.5L);
        QVERIFY(window->cursor().shape() != Qt::ClosedHandCursor);
        QCOMPARE(host->undoSnapshots, 1);
        QVERIFY(tools.runs.empty());
    }

    void shiftWithTheLeftButtonPansUnlessAToolWaitsForASelection() {
        const graph::GraphCoordinates& c = window->graph().coordinates();
        QTest::mousePress(window.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(c.left + 200, c.top + 200));
        QTest::mouseMove(window.get(), QPoint(c.left + 220, c.top + 200));
        QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::ShiftModifier,
                            QPoint(c.left + 220, c.top + 200));
        QCOMPARE(host->range[0], std::string("-11"));
        window->armTool(graph::RootTool);
        QTest::mousePress(window.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(c.left + 100, c.top + 100));
        QTest::mouseMove(window.get(), QPoint(c.left + 300, c.top + 300));
        QVERIFY(window->rectangleShown());
        QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::ShiftModifier,
                            QPoint(c.left + 300, c.top + 300));
        QCOMPARE(host->range[0], std::string("-11"));
        QCOMPARE(tools.runs.size(), std::size_t(1));
    }

    void aWheelTurnCancelsASelectionAndTheToolWaitsForTheNext() {
        window->armTool(graph::RootTool);
        const graph::GraphCoordinates& c = window->graph().coordinates();
        QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(c.left + 100, c.top + 100));
        QTest::mouseMove(window.get(), QPoint(c.left + 300, c.top + 300));
        QVERIFY(window->rectangleShown());
        turnWheel(*window, QPoint(c.left + 300, c.top + 300), 120);
        QVERIFY(!window->rectangleShown());
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(c.left + 300, c.top + 300));
        QVERIFY(tools.runs.empty());
        QVERIFY(window->graph().armedTools[graph::RootTool]);
        QVERIFY(host->messages.empty());
    }

    void ctrlWithArrowsPansByATenthAndWithPlusOrMinusZoomsAboutTheCentre() {
        QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(host->range, (common::RangeTexts{"-8", "12", "1", "-10", "10", "1"}));
        QTest::keyClick(window.get(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(host->range, (common::RangeTexts{"-8", "12", "1", "-12", "8", "1"}));
        QTest::keyClick(window.get(), Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(host->range, (common::RangeTexts{"-10", "10", "1", "-12", "8", "1"}));
        QTest::keyClick(window.get(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(host->range, (common::RangeTexts{"-10", "10", "1", "-10", "10", "1"}));
        QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(window.get(), Qt::Key_Down, Qt::ControlModifier);
        waitForFrame();
        QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
        waitForFrame();
        const common::GraphRange range = window->graph().range();
        QVERIFY(std::fabs(range.Xmin + range.Xmax - 4) < 0.01L);
        QVERIFY(std::fabs(range.Xmax - range.Xmin - 20 * std::cbrt(2.0L)) < 0.05L);
        QCOMPARE(host->undoSnapshots, 7);
        QVERIFY(host->typed.empty());
    }

    void keysTypedOnTheGraphGoToTheFunctionPad() {
        QTest::keyClicks(window.get(), "2x");
        QCOMPARE(host->typed, std::string("2x"));
    }

private:
    std::unique_ptr<FakeHost> host;
    std::unique_ptr<TGraphWindow> window;
    FakeTools tools;
};

QTEST_MAIN(GraphWindowTest)
#include "GraphWindowTest.moc"
