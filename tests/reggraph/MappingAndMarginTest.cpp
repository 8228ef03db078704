#include "reggraph/AxesLayout.h"
#include "reggraph/GraphGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace reggraph;
using common::GraphRange;

namespace {

// A graph font of 6 pixels per character.
int narrowFont(const std::string& text) {
    return 6 * static_cast<int>(text.size());
}

const GraphRange DefaultRange{0, 12, 1, 0, 10, 1};

std::vector<std::string> labels(const std::vector<AxisTick>& ticks) {
    std::vector<std::string> texts;
    for (const AxisTick& tick : ticks)
        texts.push_back(tick.label);
    return texts;
}

} // namespace

TEST(GraphMapping, DefaultRangeOnA400By300Picture) {
    const auto layout = layoutAxes(DefaultRange, 400, 300, narrowFont, '.');
    ASSERT_TRUE(layout.has_value());
    const GraphGeometry& g = layout->geometry;
    EXPECT_EQ(g.leftMargin(), 20);
    EXPECT_EQ(g.xScale(), 30);
    EXPECT_EQ(g.yScale(), 26);
    EXPECT_EQ(g.worldToPixelX(0), 20);
    EXPECT_EQ(g.worldToPixelX(12), 380);
    EXPECT_EQ(g.worldToPixelY(10), 20);
    EXPECT_EQ(g.worldToPixelY(0), 280);
    EXPECT_EQ(g.scaledPixelX(5), g.worldToPixelX(5));
    EXPECT_EQ(g.scaledPixelY(7.5L), g.worldToPixelY(7.5L));
}

TEST(GraphMapping, PixelToWorldInvertsTheMappingAndClampsOutsideThePlotArea) {
    const GraphGeometry g({-6, 6, 1, -5, 5, 1}, 413, 297, 20);
    EXPECT_EQ(g.pixelToWorldX(5), -6);
    EXPECT_EQ(g.pixelToWorldX(400), 6);
    EXPECT_EQ(g.pixelToWorldY(3), 5);
    EXPECT_EQ(g.pixelToWorldY(290), -5);
    for (long double x = -6; x <= 6; x += 0.37L)
        EXPECT_NEAR(static_cast<double>(g.pixelToWorldX(g.worldToPixelX(x))), static_cast<double>(x),
                    static_cast<double>(1 / g.xScale()));
    for (long double y = -5; y <= 5; y += 0.29L)
        EXPECT_NEAR(static_cast<double>(g.pixelToWorldY(g.worldToPixelY(y))), static_cast<double>(y),
                    static_cast<double>(1 / g.yScale()));
}

TEST(GraphMapping, PixelsRoundAsTheLibraryRoundsToNearestEven) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> whole(-3'999'999, 3'999'999);
    std::uniform_int_distribution<int> fraction(0, 7);
    for (int i = 0; i < 200'000; ++i) {
        // Whole numbers, exact halves and values a last bit either side of a half.
        const long double base = std::floor(static_cast<long double>(whole(random)));
        long double value = base + fraction(random) / 8.0L;
        if (i % 3 == 1)
            value = std::nextafter(value, 1e9L);
        else if (i % 3 == 2)
            value = std::nextafter(value, -1e9L);
        ASSERT_EQ(roundToPixel(value), static_cast<int>(std::nearbyint(value))) << static_cast<double>(value);
    }
}

TEST(GraphMapping, PixelsRoundHalfToEvenAndStayWithinLimits) {
    EXPECT_EQ(roundToPixel(2.5L), 2);
    EXPECT_EQ(roundToPixel(3.5L), 4);
    EXPECT_EQ(roundToPixel(-2.5L), -2);
    EXPECT_EQ(roundToPixel(-3.5L), -4);
    EXPECT_EQ(roundToPixel(0.49999999999999999L), 0);
    EXPECT_EQ(roundToPixel(-0.5000000000000001L), -1);
    EXPECT_EQ(roundToPixel(3999999.5L), PixelLimit);
    EXPECT_EQ(roundToPixel(-3999998.5L), -3999998);
    EXPECT_EQ(roundToPixel(1e30L), PixelLimit);
    EXPECT_EQ(roundToPixel(-1e4000L), -PixelLimit);
    // A point far beyond the range maps to a far pixel, not to an overflowed one.
    const GraphGeometry g(DefaultRange, 400, 300, 20);
    EXPECT_EQ(g.worldToPixelX(1e4900L), PixelLimit + 20);
    EXPECT_EQ(g.worldToPixelY(-1e4900L), 280 + PixelLimit);
}

TEST(GraphMapping, APictureWithoutPlotAreaStillMapsWithoutFailing) {
    const GraphGeometry g(DefaultRange, 40, 40, 20);
    EXPECT_EQ(g.pixelToWorldX(20), 0);
    EXPECT_EQ(g.pixelToWorldY(20), 0);
    const auto layout = layoutAxes(DefaultRange, 10, 10, narrowFont, '.');
    ASSERT_TRUE(layout.has_value());
    EXPECT_TRUE(layout->xTicks.empty());
    EXPECT_TRUE(layout->yTicks.empty());
}

TEST(LeftMargin, WideYLabelsWidenTheMarginButTheTopLabelIsNotCounted) {
    // Labels 10 ... 90 are two characters; the top label 100 is measured last and not counted.
    const auto layout = layoutAxes(
        {0, 12, 1, 0, 100, 10}, 400, 300,
        [](const std::string& text) { return 8 * static_cast<int>(text.size()); }, '.');
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->geometry.leftMargin(), 16 + 6);
    EXPECT_EQ(layout->geometry.xScale(), (400.0L - 42) / 12);
}

TEST(LeftMargin, NarrowLabelsKeepTheMarginAt20AndTheZeroLabelIsNotMeasured) {
    int zeroMeasured = 0;
    const auto layout = layoutAxes(
        {0, 12, 1, -5, 5, 1}, 400, 300,
        [&zeroMeasured](const std::string& text) {
            zeroMeasured += text == "0";
            return text == "0" ? 500 : 14;
        },
        '.');
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->geometry.leftMargin(), 20);
    EXPECT_EQ(zeroMeasured, 0);
}

TEST(LeftMargin, AYAxisInsideTheRangeMovesOnlyWhenItsLabelsWouldNotFit) {
    const GraphRange range{-6, 6, 1, -5, 5, 1};
    // The y axis stands at column 200 with a margin of 20; labels up to 194 pixels wide fit.
    const auto fits = layoutAxes(
        range, 400, 300, [](const std::string&) { return 194; }, '.');
    ASSERT_TRUE(fits.has_value());
    EXPECT_EQ(fits->geometry.leftMargin(), 20);
    const auto tooWide = layoutAxes(
        range, 400, 300, [](const std::string&) { return 300; }, '.');
    ASSERT_TRUE(tooWide.has_value());
    EXPECT_EQ(tooWide->geometry.leftMargin(), 300 - 200 + 26);
}

TEST(AxisTicks, DefaultRangeTicksSitOnWholeUnitsWithoutZeroLabels) {
    const auto layout = layoutAxes(DefaultRange, 400, 300, narrowFont, '.');
    ASSERT_TRUE(layout.has_value());
    ASSERT_EQ(layout->xTicks.size(), 13u);
    for (int k = 0; k < 13; ++k)
        EXPECT_EQ(layout->xTicks[k].pixel, 20 + 30 * k);
    EXPECT_EQ(labels(layout->xTicks),
              (std::vector<std::string>{"", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
    ASSERT_EQ(layout->yTicks.size(), 11u);
    EXPECT_EQ(layout->yTicks[10].pixel, 20);
    EXPECT_EQ(layout->yTicks[0].label, "");
    EXPECT_EQ(layout->yTicks[10].label, "10");
    // Both axes stand at the plot area's bottom and left edges, crossing at the zero ticks only.
    EXPECT_EQ(layout->xAxisRow, 280);
    EXPECT_EQ(layout->yAxisColumn, 20);
    EXPECT_EQ(layout->xTicks[0].crossingAxis, 20);
    EXPECT_EQ(layout->yTicks[0].crossingAxis, 280);
    EXPECT_FALSE(layout->xTicks[1].crossingAxis.has_value());
    EXPECT_FALSE(layout->xAxisBreak);
    EXPECT_FALSE(layout->yAxisBreak);
}

TEST(AxisTicks, AnXRangeRightOfZeroPutsTheYAxisAtTheLeftMarginWithABreak) {
    const auto layout = layoutAxes({2, 12, 1, 0, 10, 1}, 400, 300, narrowFont, '.');
    ASSERT_TRUE(layout.has_value());
    EXPECT_TRUE(layout->xAxisBreak);
    EXPECT_FALSE(layout->yAxisBreak);
    EXPECT_EQ(layout->yAxisColumn, 20);
    EXPECT_EQ(layout->xTicks.front().label, "2");
    for (const AxisTick& tick : layout->xTicks)
        EXPECT_EQ(tick.crossingAxis, 20);
}

TEST(AxisTicks, AYRangeAboveZeroPutsTheXAxisAtTheBottomWithABreak) {
    const auto layout = layoutAxes({-6, 6, 1, 3, 10, 1}, 400, 300, narrowFont, '.');
    ASSERT_TRUE(layout.has_value());
    EXPECT_TRUE(layout->yAxisBreak);
    EXPECT_EQ(layout->xAxisRow, 280);
    EXPECT_EQ(layout->yAxisColumn, layout->geometry.worldToPixelX(0));
    EXPECT_EQ(layout->yTicks.front().label, "3");
    EXPECT_EQ(layout->xTicks[6].crossingAxis, layout->geometry.worldToPixelX(0));
}

TEST(AxisTicks, FractionalStepsGiveCleanLabelsInTheLocaleSeparator) {
    const auto layout = layoutAxes({-0.3L, 1, 0.1L, 0, 1, 0.25L}, 400, 300, narrowFont, ',');
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(labels(layout->xTicks),
              (std::vector<std::string>{"-0,3", "-0,2", "-0,1", "", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6",
                                        "0,7", "0,8", "0,9", "1"}));
    EXPECT_EQ(labels(layout->yTicks), (std::vector<std::string>{"", "0,25", "0,5", "0,75", "1"}));
    EXPECT_EQ(layout->xTicks[3].crossingAxis, layout->xTicks[3].pixel);
}

TEST(AxisTicks, TicksStopAtTheEdgesOfThePlotArea) {
    const auto layout = layoutAxes({0.5L, 3.7L, 1, -0.2L, 2.2L, 0.5L}, 300, 200, narrowFont, '.');
    ASSERT_TRUE(layout.has_value());
    for (const AxisTick& tick : layout->xTicks) {
        EXPECT_GE(tick.pixel, layout->geometry.leftMargin());
        EXPECT_LE(tick.pixel, layout->geometry.plotRight());
    }
    EXPECT_EQ(labels(layout->xTicks), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(labels(layout->yTicks), (std::vector<std::string>{"", "0.5", "1", "1.5", "2"}));
}
