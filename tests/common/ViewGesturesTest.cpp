#include "common/ViewGestures.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "common/ViewArithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using common::GraphRange;
using common::PlotArea;
using common::RangeTexts;
using common::ViewGestures;
using common::ZoomAxes;
using std::chrono::milliseconds;

namespace {

// 360 by 260 pixels: 30 pixels per unit on 0 ... 12 and 26 on 0 ... 10.
const PlotArea Area{20, 20, 360, 260};
const RangeTexts Default{"0", "12", "1", "0", "10", "1"};
const common::ZoomFactors Twos;
const ViewGestures::Time T0{};

GraphRange parsed(const RangeTexts& texts) {
    return common::parseRange(texts, '.');
}

// A grid and its graph as the windows keep them: a change is written and drawn at once.
struct Graph {
    ViewGestures gestures{'.', [](const GraphRange&) { return Area; }};
    RangeTexts texts = Default;
    RangeTexts undo = Default;
    int gesturesStarted = 0;

    common::ViewNow now() const { return {texts, parsed(texts)}; }
    bool apply(const std::optional<common::ViewChange>& change) {
        if (!change)
            return false;
        if (change->startsGesture) {
            undo = texts;
            ++gesturesStarted;
        }
        texts = change->texts;
        return true;
    }
    bool wheel(long double column, long double row, int delta, milliseconds at,
               ZoomAxes axes = ZoomAxes::Both, const common::ZoomFactors& factors = Twos) {
        return apply(gestures.wheel(now(), column, row, delta, axes, factors, T0 + at));
    }
    long double columnOf(long double x) const { return common::columnOfWorldX(parsed(texts), Area, x); }
    long double rowOf(long double y) const { return common::rowOfWorldY(parsed(texts), Area, y); }
};

} // namespace

TEST(ViewGesturesTest, OneNotchZoomsByTheCubeRootOfTheFactorAboutThePointUnderThePointer) {
    Graph graph;
    // x = 3 lies at column 110; y = 5 at row 150.
    ASSERT_TRUE(graph.wheel(110, 150, 120, milliseconds(0)));
    const GraphRange view = parsed(graph.texts);
    EXPECT_NEAR(double(graph.columnOf(3)), 110, 0.5);
    EXPECT_NEAR(double(graph.rowOf(5)), 150, 0.5);
    EXPECT_NEAR(double(view.Xmax - view.Xmin), 12 / std::cbrt(2.0), 12.0 / 360);
    EXPECT_NEAR(double(view.Ymax - view.Ymin), 10 / std::cbrt(2.0), 10.0 / 260);
    // 1 / 2^(1/3) = 0.79 lies nearest to 1.
    EXPECT_EQ(graph.texts[common::Xstep], "1");
    EXPECT_EQ(graph.texts[common::Ystep], "1");
}

TEST(ViewGesturesTest, ThreeNotchesOrNineThirdsOfANotchEqualOneZoomCommand) {
    for (const int delta : {120, 40}) {
        Graph graph;
        for (int turn = 0; turn < 360 / delta; ++turn)
            ASSERT_TRUE(graph.wheel(110, 150, delta, milliseconds(10 * turn)));
        const GraphRange view = parsed(graph.texts);
        EXPECT_NEAR(double(view.Xmax - view.Xmin), 6, 6.0 / 360) << delta;
        EXPECT_NEAR(double(view.Ymax - view.Ymin), 5, 5.0 / 260) << delta;
        EXPECT_EQ(graph.texts[common::Xstep], "0.5") << delta;
        EXPECT_NEAR(double(graph.columnOf(3)), 110, 0.5) << delta;
        EXPECT_EQ(graph.gesturesStarted, 1) << delta;
    }
}

TEST(ViewGesturesTest, ZoomingOutAsFarAsInGivesTheFirstTextsBack) {
    Graph graph;
    for (int turn = 0; turn < 5; ++turn)
        graph.wheel(77, 201, 120, milliseconds(100 * turn));
    for (int turn = 5; turn < 10; ++turn)
        graph.wheel(77, 201, -120, milliseconds(100 * turn));
    EXPECT_EQ(graph.texts, Default);
    EXPECT_EQ(graph.gesturesStarted, 1);
}

TEST(ViewGesturesTest, StepsFollowTheExactScaleAcrossSeparateGestures) {
    // Each notch alone would round 0.79 back to 1; the remembered exact step reaches 1/4 after six
    // notches, whose nearest 1-2-5 value is 0.2.
    Graph graph;
    for (int turn = 0; turn < 6; ++turn)
        ASSERT_TRUE(graph.wheel(200, 150, 120, milliseconds(1000 * turn)));
    EXPECT_EQ(graph.gesturesStarted, 6);
    EXPECT_EQ(graph.texts[common::Xstep], "0.2");
    EXPECT_EQ(graph.texts[common::Ystep], "0.2");
    // A step typed by the user is where the exact step starts again.
    graph.texts = {"0", "12", "2", "0", "10", "5"};
    ASSERT_TRUE(graph.wheel(200, 150, -360, milliseconds(9000)));
    EXPECT_EQ(graph.texts[common::Xstep], "5"); // 4 lies nearer to 5 than to 2
    EXPECT_EQ(graph.texts[common::Ystep], "10");
}

TEST(ViewGesturesTest, ShiftZoomsOnlyXAndCtrlOnlyY) {
    Graph graph;
    ASSERT_TRUE(graph.wheel(110, 150, 360, milliseconds(0), ZoomAxes::XOnly));
    EXPECT_EQ(graph.texts[common::Ymin], "0");
    EXPECT_EQ(graph.texts[common::Ymax], "10");
    EXPECT_EQ(graph.texts[common::Ystep], "1");
    EXPECT_EQ(graph.texts[common::Xstep], "0.5");
    Graph other;
    ASSERT_TRUE(other.wheel(110, 150, 360, milliseconds(0), ZoomAxes::YOnly));
    EXPECT_EQ(other.texts[common::Xmin], "0");
    EXPECT_EQ(other.texts[common::Xmax], "12");
    EXPECT_EQ(other.texts[common::Xstep], "1");
    EXPECT_EQ(other.texts[common::Ystep], "0.5");
}

TEST(ViewGesturesTest, EachAxisZoomsByItsOwnFactorInAndOut) {
    Graph graph;
    const common::ZoomFactors factors{8, 27, 1000, 64};
    ASSERT_TRUE(graph.wheel(200, 150, 120, milliseconds(0), ZoomAxes::Both, factors));
    GraphRange view = parsed(graph.texts);
    EXPECT_NEAR(double(view.Xmax - view.Xmin), 6, 0.05);
    EXPECT_NEAR(double(view.Ymax - view.Ymin), 10.0 / 3, 0.05);
    ASSERT_TRUE(graph.wheel(200, 150, -120, milliseconds(2000), ZoomAxes::Both, factors));
    view = parsed(graph.texts);
    EXPECT_NEAR(double(view.Xmax - view.Xmin), 60, 0.5);
    EXPECT_NEAR(double(view.Ymax - view.Ymin), 40.0 / 3, 0.05);
    // A factor that is no zoom factor makes the wheel do nothing.
    const RangeTexts before = graph.texts;
    EXPECT_FALSE(graph.wheel(200, 150, 120, milliseconds(4000), ZoomAxes::Both, {0, 2, 2, 2}));
    EXPECT_FALSE(graph.wheel(200, 150, -120, milliseconds(6000), ZoomAxes::Both, {2, 2, 2, NAN}));
    EXPECT_EQ(graph.texts, before);
}

TEST(ViewGesturesTest, NotchesCloseTogetherAreOneGestureUntilAPauseOrAnotherChange) {
    Graph graph;
    graph.wheel(110, 150, 120, milliseconds(0));
    graph.wheel(110, 150, 120, milliseconds(450));
    graph.wheel(110, 150, 120, milliseconds(900));
    EXPECT_EQ(graph.gesturesStarted, 1);
    EXPECT_EQ(graph.undo, Default);
    graph.wheel(110, 150, 120, milliseconds(1400));
    EXPECT_EQ(graph.gesturesStarted, 2);
    // A zoom command in between writes other texts: the next notch begins a new gesture.
    graph.texts = {"0", "6", "0.5", "0", "5", "0.5"};
    const RangeTexts commanded = graph.texts;
    graph.wheel(110, 150, 120, milliseconds(1500));
    EXPECT_EQ(graph.gesturesStarted, 3);
    EXPECT_EQ(graph.undo, commanded);
}

TEST(ViewGesturesTest, ADragKeepsTheGrabbedPointUnderThePointerAndIsOneGesture) {
    Graph graph;
    graph.gestures.beginDrag(graph.now(), 110, 150);
    ASSERT_TRUE(graph.apply(graph.gestures.dragTo(graph.now(), 146, 124)));
    // x = 3 moved 36 pixels right (1.2 units), y = 5 moved 26 pixels up (1 unit).
    EXPECT_EQ(graph.texts, (RangeTexts{"-1.2", "10.8", "1", "-1", "9", "1"}));
    ASSERT_TRUE(graph.apply(graph.gestures.dragTo(graph.now(), 113, 150)));
    EXPECT_EQ(graph.texts, (RangeTexts{"-0.1", "11.9", "1", "0", "10", "1"}));
    // Less than a pixel's rounding changes no text.
    EXPECT_FALSE(graph.apply(graph.gestures.dragTo(graph.now(), 113, 150)));
    graph.gestures.endDrag();
    EXPECT_FALSE(graph.apply(graph.gestures.dragTo(graph.now(), 300, 150)));
    EXPECT_EQ(graph.gesturesStarted, 1);
    EXPECT_EQ(graph.undo, Default);
}

TEST(ViewGesturesTest, KeysPanByATenthAndZoomAboutTheCentreEachKeyOneGesture) {
    Graph graph;
    ASSERT_TRUE(graph.apply(graph.gestures.panKey(graph.now(), 1, 0)));
    EXPECT_EQ(graph.texts, (RangeTexts{"1.2", "13.2", "1", "0", "10", "1"}));
    ASSERT_TRUE(graph.apply(graph.gestures.panKey(graph.now(), -1, -1)));
    EXPECT_EQ(graph.texts, (RangeTexts{"0", "12", "1", "-1", "9", "1"}));
    ASSERT_TRUE(graph.apply(graph.gestures.zoomKey(graph.now(), true, Twos)));
    const GraphRange view = parsed(graph.texts);
    EXPECT_NEAR(double(view.Xmin + view.Xmax) / 2, 6, 0.02);
    EXPECT_NEAR(double(view.Ymin + view.Ymax) / 2, 4, 0.02);
    EXPECT_NEAR(double(view.Xmax - view.Xmin), 12 / std::cbrt(2.0), 0.02);
    EXPECT_EQ(graph.gesturesStarted, 3);
}

TEST(ViewGesturesTest, AGestureStartsFromTheViewDrawnWhenTheGridHoldsUnappliedTexts) {
    Graph graph;
    const common::ViewNow edited{{"-100", "abc", "1", "0", "10", "1"}, parsed(Default)};
    const std::optional<common::ViewChange> change = graph.gestures.panKey(edited, 1, 0);
    ASSERT_TRUE(change);
    EXPECT_EQ(change->texts, (RangeTexts{"1.2", "13.2", "1", "0", "10", "1"}));
    // A view that cannot be drawn gives no gesture at all.
    EXPECT_FALSE(graph.gestures.panKey({Default, GraphRange{5, 5, 1, 0, 10, 1}}, 1, 0));
}

TEST(ViewGesturesTest, ZoomingStopsAtTheLimitsWithoutChangingAnything) {
    // Around 1 the width may not fall below 1E-10.
    Graph graph;
    graph.texts = {"1", "1.000000001", "1E-10", "0", "10", "1"};
    int notches = 0;
    while (graph.wheel(200, 150, 120, milliseconds(0), ZoomAxes::XOnly) && notches < 100)
        ++notches;
    const GraphRange narrow = parsed(graph.texts);
    EXPECT_GE(narrow.Xmax - narrow.Xmin, 1e-10L);
    EXPECT_LT(narrow.Xmax - narrow.Xmin, 1.27e-10L);
    EXPECT_EQ(notches, 9); // 1E-9 / 2^(9/3) = 1.25E-10; a tenth notch would pass the limit
    // Around 0 the width may not fall below 1E-300.
    graph.texts = {"-1E-299", "1E-299", "1E-300", "0", "10", "1"};
    while (graph.wheel(200, 150, 120, milliseconds(0), ZoomAxes::XOnly))
        ;
    const GraphRange tiny = parsed(graph.texts);
    EXPECT_GE(tiny.Xmax - tiny.Xmin, 1e-300L);
    EXPECT_LT(tiny.Xmax - tiny.Xmin, 1.27e-300L);
    // Zooming out stops before the width passes 1E300.
    graph.texts = {"-1E299", "1E299", "1E298", "0", "10", "1"};
    while (graph.wheel(200, 150, -120, milliseconds(0), ZoomAxes::XOnly))
        ;
    const GraphRange wide = parsed(graph.texts);
    EXPECT_LE(wide.Xmax - wide.Xmin, 1e300L);
    EXPECT_GT(wide.Xmax - wide.Xmin, 0.79e300L);
    EXPECT_TRUE(std::isfinite(wide.Xmin));
    // A range typed narrower than a limit can still be zoomed out of, and panned.
    graph.texts = {"1", "1.000000000001", "1E-13", "0", "10", "1"};
    EXPECT_TRUE(graph.wheel(200, 150, -120, milliseconds(0), ZoomAxes::XOnly));
    EXPECT_TRUE(graph.apply(graph.gestures.panKey(graph.now(), -1, 0)));
}

TEST(ViewGesturesTest, PanningStopsBeforeAnEndPassesTheLargestValue) {
    Graph graph;
    graph.texts = {"0", "4E299", "1E299", "0", "10", "1"};
    int moves = 0;
    while (graph.apply(graph.gestures.panKey(graph.now(), 1, 0)) && moves < 1000)
        ++moves;
    EXPECT_LT(moves, 1000);
    EXPECT_LE(parsed(graph.texts).Xmax, 1e300L);
}

TEST(ViewGesturesTest, AViewTheWindowCannotDrawIsNeverProduced) {
    ViewGestures gestures(
        '.', [](const GraphRange&) { return Area; },
        [](const GraphRange& view) { return view.Xmax <= 12.5L; });
    const common::ViewNow now{Default, parsed(Default)};
    EXPECT_FALSE(gestures.panKey(now, 1, 0));
    EXPECT_TRUE(gestures.panKey(now, -1, 0));
}

TEST(ViewGesturesTest, ThePointStaysPutWhenTheViewNeedsAWiderMargin) {
    // Labels of 100 and more need 20 more pixels at the left.
    const auto area = [](const GraphRange& view) {
        return view.Ymax >= 100 ? PlotArea{40, 20, 340, 260} : Area;
    };
    ViewGestures gestures('.', area);
    const RangeTexts start{"0", "12", "1", "0", "90", "10"};
    // The pointer at x = 6 (column 200), y = 0 (row 280).
    const std::optional<common::ViewChange> change =
        gestures.wheel({start, parsed(start)}, 200, 280, -240, ZoomAxes::Both, Twos, T0);
    ASSERT_TRUE(change);
    const GraphRange view = parsed(change->texts);
    ASSERT_GE(view.Ymax, 100);
    EXPECT_NEAR(double(common::columnOfWorldX(view, area(view), 6)), 200, 0.5);
    EXPECT_NEAR(double(common::rowOfWorldY(view, area(view), 0)), 280, 0.5);
}

TEST(ViewArithmeticTest, StepsBecomeTheNearestOneTwoOrFiveTimesAPowerOfTen) {
    const std::pair<long double, long double> cases[] = {
        {0.79L, 1},     {1.4L, 1},        {1.6L, 2},       {3.4L, 2},          {3.6L, 5},
        {7.4L, 5},      {7.6L, 10},       {0.3L, 0.2L},    {0.0007L, 0.0005L}, {1000, 1000},
        {0.01L, 0.01L}, {9.9e20L, 1e21L}, {2.4e-7L, 2e-7L}};
    for (const auto& [step, nice] : cases)
        EXPECT_EQ(common::niceStep(step), common::parseFloat(common::formatGeneral(nice, 1))) << double(step);
}

TEST(ViewArithmeticTest, RangeEndsAreWrittenShortAndReadBackWithinAQuarterPixel) {
    EXPECT_EQ(common::shortViewTexts({0.1L, 0.30000000000000004L, 0.05L, -1, 1, 0.5L}, {0, 0, 400, 300},
                                     "0.05", "0.5", '.'),
              (RangeTexts{"0.1", "0.3", "0.05", "-1", "1", "0.5"}));
    EXPECT_EQ(common::shortEndText(1234567.25L, 1000, 1000, ','), "1234567,3");
    EXPECT_EQ(common::shortEndText(-2.5e20L, 1e18L, 1000, '.'), "-2.5E20");
    EXPECT_EQ(common::shortEndText(1e-12L, 1, 400, '.'), "0");
    EXPECT_EQ(common::shortEndText(9.9996L, 1, 10, '.'), "10");
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-200, 200);
    std::uniform_real_distribution<double> part(-1, 1);
    std::uniform_int_distribution<int> pixels(50, 4000);
    for (int trial = 0; trial < 2000; ++trial) {
        const long double span = std::pow(10.0L, exponent(random));
        const long double value = span * part(random) * std::pow(10.0L, std::fabs(part(random)) * 9);
        const int width = pixels(random);
        const std::string text = common::shortEndText(value, span, width, '.');
        EXPECT_LE(std::fabs(common::parseFloat(text) - value), span / width / 4 * (1 + 1e-12L)) << text;
        EXPECT_LE(text.size(), 25u) << text;
    }
}
