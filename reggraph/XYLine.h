#pragma once

#include "reggraph/GraphGeometry.h"

#include <span>
#include <vector>

namespace reggraph {

struct WorldPoint {
    long double x = 0;
    long double y = 0;
    friend bool operator==(const WorldPoint&, const WorldPoint&) = default;
};

// The points of the XY line in drawing order: sorted by x ascending, rows of equal x keeping their
// row order. Empty with fewer than two points, as a single point makes no line.
std::vector<WorldPoint> xyLineOrder(std::span<const long double> xs, std::span<const long double> ys);

// The XY line as a polyline on the picture; it is not clipped to the plot area.
std::vector<PixelPoint> xyLinePixels(const GraphGeometry& geometry, const std::vector<WorldPoint>& points);

} // namespace reggraph
