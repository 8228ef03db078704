#include "reggraph/XYLine.h"

#include <algorithm>
#include <cmath>

namespace reggraph {

std::vector<WorldPoint> xyLineOrder(std::span<const long double> xs, std::span<const long double> ys) {
    const std::size_t rows = std::min(xs.size(), ys.size());
    if (rows < 2)
        return {};
    std::vector<WorldPoint> points;
    points.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i)
        points.push_back({xs[i], ys[i]});
    // A stable sort gives the order of repeated neighbour swaps in n log n; undefined values go last
    // so the order stays well defined.
    std::stable_sort(points.begin(), points.end(), [](const WorldPoint& a, const WorldPoint& b) {
        if (std::isnan(a.x) || std::isnan(b.x))
            return !std::isnan(a.x) && std::isnan(b.x);
        return a.x < b.x;
    });
    return points;
}

std::vector<PixelPoint> xyLinePixels(const GraphGeometry& geometry, const std::vector<WorldPoint>& points) {
    std::vector<PixelPoint> pixels;
    pixels.reserve(points.size());
    for (const WorldPoint& p : points)
        pixels.push_back({geometry.worldToPixelX(p.x), geometry.worldToPixelY(p.y)});
    return pixels;
}

} // namespace reggraph
