#include "graph/Zoom.h"

#include <gtest/gtest.h>

using common::GraphRange;
using graph::ZoomDirection;
using graph::zoomedRange;

TEST(ZoomTest, EachAxisScalesByItsOwnFactorAboutTheOrigin) {
    const GraphRange range{-1, 2, 1, -4, 4, 1};
    EXPECT_EQ(zoomedRange(range, 3, 0.5L, ZoomDirection::Out), (GraphRange{-3, 6, 3, -2, 2, 0.5L}));
    EXPECT_EQ(zoomedRange(range, 2, 4, ZoomDirection::In), (GraphRange{-0.5L, 1, 0.5L, -1, 1, 0.25L}));
    // Zooming in divides: a third is the nearest value to it, not the product with a rounded 1/3.
    EXPECT_EQ(zoomedRange({0, 1, 1, 0, 1, 1}, 3, 3, ZoomDirection::In).Xmax, 1.0L / 3);
}
