#include "reggraph/Histogram.h"
#include "reggraph/XYLine.h"

#include "common/NumberParse.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

using namespace reggraph;
using common::GraphRange;

namespace {

int narrowFont(const std::string& text) {
    return 6 * static_cast<int>(text.size());
}

AxesLayout axes(const GraphRange& range) {
    auto layout = layoutAxes(range, 400, 300, narrowFont, '.');
    EXPECT_TRUE(layout.has_value());
    return *layout;
}

std::vector<long double> sums(const std::vector<HistogramClass>& classes) {
    std::vector<long double> values;
    for (const HistogramClass& c : classes)
        values.push_back(c.sum);
    return values;
}

} // namespace

TEST(Histogram, ClassSumsAddTheYValuesOfEachStepOfX) {
    const AxesLayout layout = axes({0, 12, 1, 0, 10, 1});
    const std::vector<long double> xs{0.5L, 1.5L, 1.5L};
    const std::vector<long double> ys{1, 2, 3};
    const auto classes = histogramClasses(layout.geometry.range(), layout.xFirstTick, xs, ys);
    // Class 0 is [-1, 0), then [0, 1), [1, 2), ... up to [12, 13), the first to pass Xmax.
    ASSERT_EQ(classes.size(), 14u);
    EXPECT_EQ(classes[0].lower, -1);
    EXPECT_EQ(classes[0].upper, 0);
    EXPECT_EQ(classes[13].lower, 12);
    EXPECT_EQ(classes[13].upper, 13);
    std::vector<long double> expected(14, 0);
    expected[1] = 1;
    expected[2] = 5;
    EXPECT_EQ(sums(classes), expected);
}

TEST(Histogram, ValuesOnAnEdgeBuiltByRepeatedAdditionGoToTheClassTheyStart) {
    const AxesLayout layout = axes({0, 1, 0.1L, 0, 10, 1});
    const std::vector<long double> xs{common::parseFloat("0.3"), common::parseFloat("0.7"), 0.29999L};
    const std::vector<long double> ys{1, 10, 100};
    const auto classes = histogramClasses(layout.geometry.range(), layout.xFirstTick, xs, ys);
    // Class 4 is [0.3, 0.4), class 8 is [0.7, 0.8), class 3 is [0.2, 0.3).
    EXPECT_EQ(classes[4].sum, 1);
    EXPECT_EQ(classes[8].sum, 10);
    EXPECT_EQ(classes[3].sum, 100);
}

TEST(Histogram, RowsOutsideAllClassesCountNowhere) {
    const AxesLayout layout = axes({0, 12, 1, 0, 10, 1});
    const std::vector<long double> xs{-1.5L, -1, 12.5L, 13, 1e4000L};
    const std::vector<long double> ys{1, 2, 4, 8, 16};
    const auto classes = histogramClasses(layout.geometry.range(), layout.xFirstTick, xs, ys);
    std::vector<long double> expected(14, 0);
    expected[0] = 2;
    expected[13] = 4;
    EXPECT_EQ(sums(classes), expected);
}

TEST(Histogram, BarsStandOnTheXAxisAndTheLastIsCutAtTheRightEdge) {
    const AxesLayout layout = axes({0, 11.5L, 1, 0, 10, 1});
    const std::vector<long double> xs{0.5L, 1.5L, 1.5L, 11.2L};
    const std::vector<long double> ys{1, 2, 3, 4};
    const auto classes = histogramClasses(layout.geometry.range(), layout.xFirstTick, xs, ys);
    ASSERT_EQ(classes.size(), 13u);
    const auto bars = histogramBars(layout, classes);
    const GraphGeometry& g = layout.geometry;
    const int base = g.worldToPixelY(0);
    using Bar = std::vector<PixelPoint>;
    ASSERT_EQ(bars.size(), 4u);
    // Class 0 has sum 0, not below Ymin: a flat bar on the axis left of the first tick.
    EXPECT_EQ(bars[0], (Bar{{20, base}, {20, base}, {20, base}}));
    EXPECT_EQ(bars[1], (Bar{{g.worldToPixelX(0), base},
                            {g.worldToPixelX(0), g.worldToPixelY(1)},
                            {g.worldToPixelX(1), g.worldToPixelY(1)},
                            {g.worldToPixelX(1), base}}));
    EXPECT_EQ(bars[2][2], (PixelPoint{g.worldToPixelX(2), g.worldToPixelY(5)}));
    EXPECT_EQ(bars[3], (Bar{{g.worldToPixelX(11), base},
                            {g.worldToPixelX(11), g.worldToPixelY(4)},
                            {g.plotRight(), g.worldToPixelY(4)}}));
}

TEST(Histogram, BelowANegativeYminEveryClassGetsABar) {
    const AxesLayout layout = axes({0, 3, 1, -2, 10, 1});
    const std::vector<long double> xs{0.5L};
    const std::vector<long double> ys{3};
    const auto bars =
        histogramBars(layout, histogramClasses(layout.geometry.range(), layout.xFirstTick, xs, ys));
    EXPECT_EQ(bars.size(), 5u);
}

TEST(Histogram, ManyRowsAreSortedIntoClassesQuickly) {
    const AxesLayout layout = axes({0, 100, 1, 0, 10, 1});
    std::vector<long double> xs(50'000);
    std::vector<long double> ys(xs.size(), 1);
    for (std::size_t i = 0; i < xs.size(); ++i)
        xs[i] = static_cast<long double>(i % 1000) / 10;
    const auto start = std::chrono::steady_clock::now();
    const auto classes = histogramClasses(layout.geometry.range(), layout.xFirstTick, xs, ys);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(classes[1].sum, 500);
    EXPECT_EQ(classes[100].sum, 500);
    EXPECT_LT(elapsed, std::chrono::seconds(3));
}

TEST(XYLine, PointsAreJoinedInOrderOfX) {
    const std::vector<long double> xs{3, 1, 2};
    const std::vector<long double> ys{30, 10, 20};
    EXPECT_EQ(xyLineOrder(xs, ys), (std::vector<WorldPoint>{{1, 10}, {2, 20}, {3, 30}}));
}

TEST(XYLine, PointsWithEqualXKeepTheirRowOrder) {
    const std::vector<long double> xs{2, 1, 2, 1, 2};
    const std::vector<long double> ys{1, 2, 3, 4, 5};
    EXPECT_EQ(xyLineOrder(xs, ys), (std::vector<WorldPoint>{{1, 2}, {1, 4}, {2, 1}, {2, 3}, {2, 5}}));
}

TEST(XYLine, ASinglePointDrawsNoLine) {
    const std::vector<long double> xs{3};
    const std::vector<long double> ys{30};
    EXPECT_TRUE(xyLineOrder(xs, ys).empty());
}

TEST(XYLine, PixelsFollowTheMappingAndAreNotClipped) {
    const GraphGeometry g({0, 12, 1, 0, 10, 1}, 400, 300, 20);
    const std::vector<long double> xs{20, 1};
    const std::vector<long double> ys{-5, 10};
    EXPECT_EQ(xyLinePixels(g, xyLineOrder(xs, ys)), (std::vector<PixelPoint>{{50, 20}, {620, 410}}));
}

TEST(XYLine, ManyRowsInReverseOrderAreSortedQuickly) {
    std::vector<long double> xs(200'000);
    for (std::size_t i = 0; i < xs.size(); ++i)
        xs[i] = static_cast<long double>(xs.size() - i);
    const std::vector<long double> ys(xs.size(), 0);
    const auto start = std::chrono::steady_clock::now();
    const auto points = xyLineOrder(xs, ys);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(points.front().x, 1);
    EXPECT_EQ(points.back().x, 200'000);
}
