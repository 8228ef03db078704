#include "reggraph/AxesLayout.h"
#include "reggraph/DrawableRange.h"
#include "reggraph/FirstTick.h"
#include "reggraph/Histogram.h"

#include "common/NumberParse.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

using namespace reggraph;
using common::GraphRange;
using common::RangeTexts;

namespace {

int narrowFont(const std::string& text) {
    return 6 * static_cast<int>(text.size());
}

using Clock = std::chrono::steady_clock;

// Reads, validates and lays out a range typed into the table; true when it can be drawn.
bool drawable(const RangeTexts& texts) {
    const GraphRange range = common::parseRange(texts, '.');
    const auto layout = layoutAxes(range, 640, 480, narrowFont, '.');
    if (!layout)
        return false;
    const std::vector<long double> xs{range.Xmin, range.Xmax};
    const std::vector<long double> ys{1, 1};
    histogramBars(*layout, histogramClasses(range, layout->xFirstTick, xs, ys));
    return true;
}

} // namespace

TEST(HostileRanges, RangesThatWouldNeedEndlessTicksAreRefusedAtOnce) {
    const std::vector<RangeTexts> hostile = {
        {"0", "1", "1E-300", "0", "10", "1"},            // a step far below the span
        {"0", "12", "1", "0", "10", "1E-4000"},          // a step below the smallest long double
        {"1E20", "1E4000", "1", "0", "10", "1"},         // a minimum the step no longer moves
        {"-1E4000", "1E4000", "1", "0", "10", "1"},      // a span beyond the number range
        {"1E20", "2E20", "1", "0", "10", "1"},           // too many steps from 0 to the first tick
        {"-1E20", "-1E20", "1", "0", "10", "1"},         // an empty range
        {"-0.0004", "-0.0003", "4E-10", "0", "10", "1"}, // a first tick found only by rendering texts
        {"0", "12", "1", "-1E-2000", "1E-2000", "1E-4900"},
    };
    for (const RangeTexts& texts : hostile) {
        const auto start = Clock::now();
        EXPECT_FALSE(drawable(texts)) << texts[0] << " " << texts[1] << " " << texts[2] << " " << texts[5];
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(200)) << texts[0] << " " << texts[2];
    }
}

TEST(HostileRanges, ExtremeButDrawableRangesAreLaidOutQuickly) {
    const std::vector<RangeTexts> extreme = {
        {"0", "1E4000", "1E3997", "-1E-4000", "1E-4000", "1E-4001"}, // exactly 1,000 and 20 ticks
        {"-10000", "0", "1", "0", "10", "1"},                        // the most ticks allowed
        {"999999", "1000001", "1", "-1E-300", "1E-300", "1E-301"},   // far from 0 on both axes
        {"-0.00012", "-0.00011", "1E-9", "0", "1", "0.1"},           // cut renderings near the minimum
    };
    for (const RangeTexts& texts : extreme) {
        const auto start = Clock::now();
        EXPECT_TRUE(drawable(texts)) << texts[0] << " " << texts[1] << " " << texts[2];
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(1)) << texts[0] << " " << texts[2];
    }
}

TEST(HostileRanges, TextsThatAreNotNumbersFailWithTheConversionMessage) {
    for (const std::string text : {"", "abc", "1,5", "NAN", "INF", "1E99999", "--1", "1e", " "}) {
        RangeTexts texts = {"0", "12", "1", "0", "10", "1"};
        texts[common::Ystep] = text;
        try {
            common::parseRange(texts, '.');
            FAIL() << "'" << text << "' was read as a number";
        } catch (const common::ConversionError& error) {
            EXPECT_EQ(error.what(), "'" + text + "' is not a valid floating point value");
        }
    }
}

TEST(HostileRanges, UndefinedAndInfiniteValuesAreInvalid) {
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_FALSE(validateRange({nan, 12, 1, 0, 10, 1}));
    EXPECT_FALSE(validateRange({0, inf, 1, 0, 10, 1}));
    EXPECT_FALSE(validateRange({0, 12, 1, 0, 10, nan}));
    EXPECT_FALSE(validateRange({0, 12, 1, -inf, 10, 1}));
    EXPECT_FALSE(layoutAxes({0, 12, nan, 0, 10, 1}, 400, 300, narrowFont, '.').has_value());
}

TEST(HostileRanges, TinyAndOddPicturesNeverHang) {
    const GraphRange range{-0.5L, 9999, 1, -3, 3, 0.001L};
    for (const int size : {0, 1, 20, 39, 40, 41, 45}) {
        const auto start = Clock::now();
        const auto layout = layoutAxes(range, size, size, narrowFont, '.');
        ASSERT_TRUE(layout.has_value());
        EXPECT_LE(layout->xTicks.size(), static_cast<std::size_t>(2 * MaxTicksPerAxis + 3));
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(1));
    }
}
