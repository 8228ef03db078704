#include "regression/CentredSums.h"

#include <gtest/gtest.h>

#include <vector>

using namespace regression;

// The scale is the smallest power of two not below the largest distance from the mean, wherever that
// distance lies: below the mean, above it, or in the middle of the list.
TEST(CentredScale, CoversTheFarthestValueOnEitherSideOfTheMean) {
    const std::vector<std::vector<long double>> lists = {
        {0, 9, 10}, // mean 19/3: the farthest value is the lowest
        {0, 1, 10}, // mean 11/3: the farthest value is the highest
        {9, 0, 10}, // the farthest value neither first nor last
        {10, 1, 0},
    };
    for (const auto& values : lists) {
        SCOPED_TRACE(values[0]);
        const CentredScale scale = CentredScale::of(values);
        EXPECT_EQ(scale.inverseScale, 0.125L); // 19/3 and 11/3 away: within 8 but not 4
        for (const long double v : values) {
            EXPECT_LE(scale(v), 1);
            EXPECT_GE(scale(v), -1);
        }
    }
    const CentredScale equal = CentredScale::of(std::vector<long double>{5, 5, 5});
    EXPECT_EQ(equal.centre, 5);
    EXPECT_EQ(equal.inverseScale, 1);
}
