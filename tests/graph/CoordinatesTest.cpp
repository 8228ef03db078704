#include "graph/GraphCoordinates.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using common::GraphRange;
using graph::GraphCoordinates;

namespace {

// A client area whose plot area is 400 by 300 pixels.
GraphCoordinates laidOut(GraphRange range) {
    GraphCoordinates c;
    c.layOut(range, 400 + 37, 300 + 37);
    return c;
}

} // namespace

TEST(GraphLayout, AxesCrossAtTheColumnAndRowOfZero) {
    const GraphCoordinates c = laidOut({-10, 10, 1, -3, 12, 1});
    EXPECT_EQ(c.left, 15);
    EXPECT_EQ(c.top, 22);
    EXPECT_EQ(c.width, 400);
    EXPECT_EQ(c.height, 300);
    EXPECT_EQ(c.axisColumn, c.left + 200);
    EXPECT_EQ(c.axisRow, c.top + 240);
}

TEST(GraphLayout, AnAxisOnTheEdgeOfTheRangeIsNotDrawn) {
    EXPECT_EQ(laidOut({-10, 10, 1, 0, 10, 1}).axisRow, 0);
    EXPECT_EQ(laidOut({0, 10, 1, -5, 5, 1}).axisColumn, 0);
    EXPECT_EQ(laidOut({-10, -1, 1, -5, 5, 1}).axisColumn, 0);
}

TEST(GraphLayout, HalvesRoundToTheEvenNeighbour) {
    EXPECT_EQ(graph::roundHalfEven(2.5L), 2);
    EXPECT_EQ(graph::roundHalfEven(3.5L), 4);
    EXPECT_EQ(graph::roundHalfEven(-2.5L), -2);
    EXPECT_EQ(graph::roundHalfEven(2.4999L), 2);
    // Width 401: x = 0 lies at column offset 100.5 of -1 ... 3, which rounds down to 100.
    GraphCoordinates c;
    c.layOut({-1, 3, 1, -1, 1, 1}, 401 + 37, 100);
    EXPECT_EQ(c.axisColumn, c.left + 100);
}

TEST(GraphMapping, PixelsBeyondThePlotAreaGiveTheEdgeValues) {
    const GraphCoordinates c = laidOut({-10, 10, 1, -5, 5, 1});
    EXPECT_EQ(c.xOfPixel(0), -10);
    EXPECT_EQ(c.xOfPixel(c.right + 5), 10);
    EXPECT_EQ(c.xOfPixel(c.left + 100), -5);
    EXPECT_EQ(c.yOfPixel(0), 5);
    EXPECT_EQ(c.yOfPixel(c.bottom + 3), -5);
    EXPECT_EQ(c.yOfPixel(c.top + 150), 0);
}

TEST(GraphMapping, ColumnOfXIsTheNearestColumnAndTheLeftOneOnATie) {
    const GraphCoordinates c = laidOut({0, 400, 1, -5, 5, 1}); // one unit per column
    EXPECT_EQ(c.columnOfX(-3), c.left);
    EXPECT_EQ(c.columnOfX(-1e30L), c.left);
    EXPECT_EQ(c.columnOfX(1e30L), c.right);
    EXPECT_EQ(c.columnOfX(17.4L), c.left + 17);
    EXPECT_EQ(c.columnOfX(17.6L), c.left + 18);
    EXPECT_EQ(c.columnOfX(17.5L), c.left + 17);
    EXPECT_EQ(c.columnOfX(400), c.right);
}

TEST(GraphMapping, ColumnOfXSearchesAllColumnsOfAReversedRange) {
    const GraphCoordinates c = laidOut({10, -10, 1, -5, 5, 1});
    EXPECT_EQ(c.columnOfX(10), c.left);
    EXPECT_EQ(c.columnOfX(-10), c.right);
    EXPECT_EQ(c.columnOfX(0), c.left + 200);
}

TEST(GraphMapping, RowOfYIsLimitedTo32Bits) {
    const GraphCoordinates c = laidOut({-10, 10, 1, -5, 5, 1});
    EXPECT_EQ(c.rowOfY(5), c.top);
    EXPECT_EQ(c.rowOfY(-5), c.bottom);
    EXPECT_EQ(c.rowOfY(-1e300L), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(c.rowOfY(1e300L), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(laidOut({-10, 10, 1, 2, 2, 1}).rowOfY(2), std::numeric_limits<std::int32_t>::max());
}

TEST(GraphTicks, IndicesCoverTheRangeWithATenthOfAStepToSpare) {
    auto indices = graph::tickIndexRange(-10, 10, 1);
    ASSERT_TRUE(indices);
    EXPECT_EQ(indices->first, -10);
    EXPECT_EQ(indices->last, 10);
    indices = graph::tickIndexRange(-7, 7, 20);
    ASSERT_TRUE(indices);
    EXPECT_EQ(indices->first, 0);
    EXPECT_EQ(indices->last, 0);
    EXPECT_FALSE(graph::tickIndexRange(-7, 7, 0));
    EXPECT_FALSE(graph::tickIndexRange(-7, 7, 1e-300L));
}
