#include "reggraph/GraphGeometry.h"

#include <cmath>

namespace reggraph {

int roundToPixel(long double value) {
    if (std::isnan(value))
        return 0;
    const long double rounded = std::nearbyint(value); // the default rounding mode: ties to even
    if (rounded > PixelLimit)
        return PixelLimit;
    if (rounded < -PixelLimit)
        return -PixelLimit;
    return static_cast<int>(rounded);
}

GraphGeometry::GraphGeometry(const GraphRange& range, int width, int height, int leftMargin)
    : range_(range), width_(width), height_(height), leftMargin_(leftMargin) {}

long double GraphGeometry::xScale() const {
    return static_cast<long double>(plotWidth()) / (range_.xMax - range_.xMin);
}

long double GraphGeometry::yScale() const {
    return static_cast<long double>(plotHeight()) / (range_.yMax - range_.yMin);
}

int GraphGeometry::worldToPixelX(long double x) const {
    return roundToPixel((x - range_.xMin) * plotWidth() / (range_.xMax - range_.xMin)) + leftMargin_;
}

int GraphGeometry::worldToPixelY(long double y) const {
    return plotBottom() - roundToPixel((y - range_.yMin) * plotHeight() / (range_.yMax - range_.yMin));
}

int GraphGeometry::scaledPixelX(long double x) const {
    return roundToPixel((x - range_.xMin) * xScale()) + leftMargin_;
}

int GraphGeometry::scaledPixelY(long double y) const {
    return plotBottom() - roundToPixel((y - range_.yMin) * yScale());
}

long double GraphGeometry::pixelToWorldX(int column) const {
    if (column < leftMargin_)
        return range_.xMin;
    if (column > plotRight())
        return range_.xMax;
    const long double scale = xScale();
    // A picture without a plot area, or a range too wide for the number type, has no inverse.
    if (!(scale > 0) || !std::isfinite(scale))
        return range_.xMin;
    return range_.xMin + (column - leftMargin_) / scale;
}

long double GraphGeometry::pixelToWorldY(int row) const {
    if (row < plotTop())
        return range_.yMax;
    if (row > plotBottom())
        return range_.yMin;
    const long double scale = yScale();
    if (!(scale > 0) || !std::isfinite(scale))
        return range_.yMin;
    return range_.yMin + (height_ - row - Border) / scale;
}

} // namespace reggraph
