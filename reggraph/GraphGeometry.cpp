#include "reggraph/GraphGeometry.h"

#include <cmath>

namespace reggraph {

int roundToPixel(long double value) {
    if (std::isnan(value))
        return 0;
    if (value >= PixelLimit)
        return PixelLimit;
    if (value <= -PixelLimit)
        return -PixelLimit;
    // Between 2^63 and 2^64 an 80-bit number holds whole numbers only, so adding 1.5 * 2^63 rounds the
    // value to the nearest integer, ties to even, in the default rounding mode; taking it away again
    // is exact. This is the rounding of nearbyint without a library call per pixel.
    constexpr long double WholeNumbersOnly = 0x1.8p63L;
    return static_cast<int>((value + WholeNumbersOnly) - WholeNumbersOnly);
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
