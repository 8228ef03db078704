#include "reggraph/DrawableRange.h"
#include "reggraph/FirstTick.h"
#include "reggraph/TolerantCompare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>

using namespace reggraph;

TEST(TolerantComparison, SumsThatDifferInTheLastBitsCompareEqual) {
    EXPECT_EQ(tolerantCompare(0.1L + 0.2L, 0.3L), 0);
    long double t = 0;
    for (int i = 0; i < 5; ++i)
        t -= 2;
    EXPECT_EQ(tolerantCompare(t, -10), 0);
    EXPECT_EQ(tolerantCompare(1, 2), -1);
    EXPECT_EQ(tolerantCompare(2, 1), 1);
    EXPECT_EQ(tolerantCompare(1.00000000000001L, 1), 1) << "15 digits still tell these apart";
}

TEST(TolerantComparison, LongRenderingsKeepSevenCharactersOfMantissa) {
    // "-1.23456789012346E-10" keeps "-1.2345" and the exponent.
    EXPECT_EQ(tolerantValue(-1.23456789012346e-10L), -1.2345e-10L);
    EXPECT_EQ(tolerantValue(1.23456789012346e-10L), 1.23456e-10L);
    // A long fixed rendering is cut to its first seven characters.
    EXPECT_EQ(tolerantValue(-0.000123456789012345L), -0.0001L);
    EXPECT_EQ(tolerantValue(0.000123456789012345L), 0.00012L);
    // Short renderings are only rounded to 15 digits.
    EXPECT_EQ(tolerantValue(0.000123L), 0.000123L);
    EXPECT_EQ(tolerantCompare(-1.23451111111111e-10L, -1.23459999999999e-10L), 0);
}

TEST(TolerantComparison, UndefinedValuesNeverCompareAsLess) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(tolerantCompare(nan, 1), 0);
    EXPECT_EQ(tolerantCompare(-1, std::numeric_limits<long double>::infinity()), -1);
}

TEST(FirstTick, IsTheFirstMultipleOfTheStepNotBelowTheMinimum) {
    EXPECT_EQ(firstTick(0.3L, 1), 1);
    EXPECT_EQ(firstTick(-10, 2), -10);
    EXPECT_EQ(firstTick(-0.5L, 1), 0);
    EXPECT_EQ(firstTick(0, 1), 0);
    EXPECT_EQ(firstTick(5, 1), 5);
    EXPECT_EQ(firstTick(-6, 1), -6);
    EXPECT_EQ(firstTick(2.5L, 2), 4);
    EXPECT_EQ(firstTick(-3, 2), -2);
}

TEST(FirstTick, ANegativeMinimumReachedByRepeatedSubtractionCountsAsReached) {
    // -0.1 subtracted three times is not exactly -0.3, but it is the first tick.
    const std::optional<long double> tick = firstTick(-0.3L, 0.1L);
    ASSERT_TRUE(tick.has_value());
    EXPECT_EQ(tolerantCompare(*tick, -0.3L), 0);
    EXPECT_LT(*tick, -0.25L);
}

TEST(FirstTick, CoarseComparisonsOfSmallNumbersNeverPutTheFirstTickBelowTheRange) {
    // A range zoomed in by 3: renderings like "-0.000366666666666667" are cut to "-0.0003", which the
    // comparison finds equal to the minimum although that tick lies a step below it.
    const long double step = 0.0000333333333333333L;
    const long double min = -0.000333333333333333L;
    const std::optional<long double> tick = firstTick(min, step);
    ASSERT_TRUE(tick.has_value());
    EXPECT_NEAR(static_cast<double>(*tick), static_cast<double>(min), 1e-18);
    const std::optional<long double> fine = firstTick(-0.00012L, 1e-9L);
    ASSERT_TRUE(fine.has_value());
    EXPECT_NEAR(static_cast<double>(*fine), -0.00012, 1e-15);
}

TEST(FirstTick, NoTickForStepsThatAreNotPositiveOrValuesNotFinite) {
    EXPECT_FALSE(firstTick(0, 0).has_value());
    EXPECT_FALSE(firstTick(0, -1).has_value());
    EXPECT_FALSE(firstTick(std::numeric_limits<long double>::quiet_NaN(), 1).has_value());
    EXPECT_FALSE(firstTick(0, std::numeric_limits<long double>::infinity()).has_value());
}

// Repeated subtraction with a tolerant comparison after every step, as the search is defined.
std::optional<long double> firstNegativeTickStepByStep(long double min, long double step) {
    long double t = 0;
    for (int steps = 0; steps < 3'000'000; ++steps) {
        t -= step;
        if (tolerantCompare(t, min) == -1)
            return t + step;
    }
    return std::nullopt;
}

TEST(FirstTick, SkippingClearComparisonsGivesTheSameTickAsComparingEveryStep) {
    std::mt19937_64 random(12345);
    std::uniform_int_distribution<int> exponent(-9, 6);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> stepsAway(0, 400);
    for (int i = 0; i < 400; ++i) {
        const long double step = mantissa(random) * std::pow(10.0L, exponent(random));
        // Minimums near multiples of the step and in between, including the ranges where renderings
        // are cut to a few digits.
        const long double min = -(stepsAway(random) * step + (i % 3) * step / 3);
        const std::optional<long double> expected = firstNegativeTickStepByStep(min, step);
        ASSERT_TRUE(expected.has_value());
        const std::optional<long double> tick = firstTick(min, step);
        ASSERT_TRUE(tick.has_value());
        if (*expected >= min - step / 1000) {
            EXPECT_EQ(*tick, *expected)
                << "min " << static_cast<double>(min) << " step " << static_cast<double>(step);
        } else {
            // Cut renderings let the step-by-step search run past min; the tick stays in range.
            EXPECT_GE(*tick, min - step / 1000);
            EXPECT_LT(*tick, min + step);
        }
    }
}

TEST(RangeValidation, RefusesEmptyOrReversedRangesAndStepsThatAreNotPositive) {
    EXPECT_TRUE(validateRange({0, 12, 1, 0, 10, 1}));
    EXPECT_TRUE(validateRange({-6, 6, 1, -5, 5, 1}));
    EXPECT_FALSE(validateRange({12, 0, 1, 0, 10, 1}));
    EXPECT_FALSE(validateRange({1, 1, 1, 0, 10, 1}));
    EXPECT_FALSE(validateRange({0, 12, 0, 0, 10, 1}));
    EXPECT_FALSE(validateRange({0, 12, 1, 0, 10, -1}));
    EXPECT_FALSE(validateRange({0, 12, 1, 10, 10, 1}));
}

TEST(RangeValidation, RefusesRangesWithMoreTicksThanTheLimit) {
    EXPECT_TRUE(validateRange({0, 10'000, 1, 0, 10, 1}));
    EXPECT_FALSE(validateRange({0, 10'001, 1, 0, 10, 1}));
    // 0.00001 / 0.000000001 is a little above 10,000 in binary; it is still 10,000 ticks.
    EXPECT_TRUE(validateRange({-0.00012L, -0.00011L, 1e-9L, 0, 10, 1}));
    EXPECT_FALSE(validateRange({0, 12, 1, 0, 1, 1e-300L}));
}
