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
    // is exact. This is the rounding of nearbyint without a library call per pixel. The whole number
    // goes to int through double, exactly: converting an 80-bit number to int directly switches the
    // processor's rounding mode twice per pixel, which can cost more than all the rest.
    constexpr long double WholeNumbersOnly = 0x1.8p63L;
    return static_cast<int>(static_cast<double>((value + WholeNumbersOnly) - WholeNumbersOnly));
}

GraphGeometry::GraphGeometry(const common::GraphRange& range, int width, int height, int leftMargin)
    : range_(range), width_(width), height_(height), leftMargin_(leftMargin) {}

long double GraphGeometry::xScale() const {
    return static_cast<long double>(plotWidth()) / (range_.Xmax - range_.Xmin);
}

long double GraphGeometry::yScale() const {
    return static_cast<long double>(plotHeight()) / (range_.Ymax - range_.Ymin);
}

int GraphGeometry::worldToPixelX(long double x) const {
    return roundToPixel((x - range_.Xmin) * plotWidth() / (range_.Xmax - range_.Xmin)) + leftMargin_;
}

int GraphGeometry::worldToPixelY(long double y) const {
    return plotBottom() - roundToPixel((y - range_.Ymin) * plotHeight() / (range_.Ymax - range_.Ymin));
}

int GraphGeometry::scaledPixelX(long double x) const {
    return roundToPixel((x - range_.Xmin) * xScale()) + leftMargin_;
}

int GraphGeometry::scaledPixelY(long double y) const {
    return plotBottom() - roundToPixel((y - range_.Ymin) * yScale());
}

long double GraphGeometry::pixelToWorldX(int column) const {
    if (column < leftMargin_)
        return range_.Xmin;
    if (column > plotRight())
        return range_.Xmax;
    const long double scale = xScale();
    // A picture without a plot area, or a range too wide for the number type, has no inverse.
    if (!(scale > 0) || !std::isfinite(scale))
        return range_.Xmin;
    return range_.Xmin + (column - leftMargin_) / scale;
}

long double GraphGeometry::pixelToWorldY(int row) const {
    if (row < plotTop())
        return range_.Ymax;
    if (row > plotBottom())
        return range_.Ymin;
    const long double scale = yScale();
    if (!(scale > 0) || !std::isfinite(scale))
        return range_.Ymin;
    return range_.Ymin + (height_ - row - Border) / scale;
}

} // namespace reggraph
