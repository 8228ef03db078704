#include "graph/GraphCoordinates.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace graph {

namespace {

constexpr int LeftMargin = 15;
constexpr int RightMargin = 22;
constexpr int TopMargin = 22;
constexpr int BottomMargin = 15;

// Indices beyond this cannot be counted exactly in long long arithmetic.
constexpr long double LargestIndex = 1e15L;

// The pixel of 0 on an axis whose range ends `distance` from 0 away from the plot area's start.
// Near the limits of the number range the product overflows, so it is then formed the other way
// round; a result that still is no pixel (a window too small to hold a plot area) gives 0.
int axisPixel(long double distance, int size, long double span, int start) {
    long double pixel = std::fabs(distance) * size / span + start;
    if (!std::isfinite(pixel))
        pixel = std::fabs(distance) / span * size + start;
    pixel = roundHalfEven(pixel);
    if (!(pixel >= std::numeric_limits<std::int32_t>::min() &&
          pixel <= std::numeric_limits<std::int32_t>::max()))
        return 0;
    return static_cast<int>(pixel);
}

} // namespace

long double roundHalfEven(long double value) {
    const long double nearest = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5L)
        return 2 * std::round(value / 2);
    return nearest;
}

std::optional<TickIndexRange> tickIndexRange(long double min, long double max, long double step) {
    const long double first = roundHalfEven(std::trunc(min / step - 0.1L));
    const long double last = roundHalfEven(std::trunc(max / step + 0.1L));
    if (!std::isfinite(first) || !std::isfinite(last) || std::fabs(first) > LargestIndex ||
        std::fabs(last) > LargestIndex)
        return std::nullopt;
    return TickIndexRange{static_cast<long long>(first), static_cast<long long>(last)};
}

void GraphCoordinates::layOut(const common::GraphRange& newRange, int clientWidth, int clientHeight) {
    range = newRange;
    this->clientWidth = clientWidth;
    this->clientHeight = clientHeight;
    left = LeftMargin;
    right = clientWidth - RightMargin;
    top = TopMargin;
    bottom = clientHeight - BottomMargin;
    width = right - left;
    height = bottom - top;
    Xspan = range.Xmax - range.Xmin;
    Yspan = range.Ymax - range.Ymin;
    axisColumn = range.Xmin < 0 && range.Xmax > 0 ? axisPixel(range.Xmin, width, Xspan, left) : 0;
    axisRow = range.Ymin < 0 && range.Ymax > 0 ? axisPixel(range.Ymax, height, Yspan, top) : 0;
}

long double GraphCoordinates::xOfColumnOffset(long double i) const {
    return i / width * Xspan + range.Xmin;
}

long double GraphCoordinates::yOfRowOffset(long double j) const {
    return range.Ymax - j / height * Yspan;
}

long double GraphCoordinates::xOfPixel(int px) const {
    if (px < left)
        return range.Xmin;
    if (px > right)
        return range.Xmax;
    return xOfColumnOffset(px - left);
}

long double GraphCoordinates::yOfPixel(int py) const {
    if (py < top)
        return range.Ymax;
    if (py > bottom)
        return range.Ymin;
    return yOfRowOffset(py - top);
}

int GraphCoordinates::rowOfY(long double y) const {
    const long double row = roundHalfEven((range.Ymax - y) / Yspan * height + top);
    // A degenerate range (Ymin = Ymax) yields no number: such a value counts as beyond the range.
    if (std::isnan(row) || row > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (row < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<int>(row);
}

int GraphCoordinates::columnOfXBySearch(long double x, int from, int to) const {
    long double bestDistance = 1e20L;
    int best = 0;
    for (int i = from; i <= to; ++i) {
        const long double distance = std::fabs(xOfColumnOffset(i) - x);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return left + best;
}

int GraphCoordinates::columnOfX(long double x) const {
    // The distance to x falls and then rises along the columns, so the nearest column lies next to
    // the estimated one; only a reversed or degenerate range needs the search over all columns.
    // Values beyond the range go to its edges even when they are too far away for the search.
    const long double estimate = (x - range.Xmin) / Xspan * width;
    if (!(Xspan > 0) || !std::isfinite(Xspan) || width <= 0 || std::isnan(estimate))
        return columnOfXBySearch(x, 0, width);
    if (x < range.Xmin)
        return left;
    if (x > range.Xmax)
        return right;
    const long double guess = std::clamp(std::floor(estimate), 0.0L, static_cast<long double>(width));
    const int centre = static_cast<int>(guess);
    return columnOfXBySearch(x, std::max(0, centre - 2), std::min(width, centre + 2));
}

} // namespace graph
