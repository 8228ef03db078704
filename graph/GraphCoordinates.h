#pragma once

#include "common/GraphRange.h"

#include <optional>

namespace graph {

// The range window's standard range, which the graph also shows until a range is first applied.
inline constexpr common::GraphRange StandardRange{-7, 7, 1, -5, 5, 1};

// Rounds to the nearest whole number, halves to the even neighbour.
long double roundHalfEven(long double value);

// The first and last index k of the lines at k * step that lie within min ... max (with a tenth of
// a step to spare); nothing for a step of zero or one that gives indices beyond counting.
struct TickIndexRange {
    long long first = 0;
    long long last = 0;
};
std::optional<TickIndexRange> tickIndexRange(long double min, long double max, long double step);

// More lines than this could not be told apart on any screen; such a grid or scale is left out
// rather than drawn for minutes.
inline constexpr long long MaxTickLines = 100000;

// The plot area of one redraw and the mapping between world coordinates and window pixels.
struct GraphCoordinates {
    common::GraphRange range = StandardRange;
    long double Xspan = 14;
    long double Yspan = 10;
    int clientWidth = 0;
    int clientHeight = 0;
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    int width = 0;
    int height = 0;
    // Pixel column of x = 0 and row of y = 0; 0 when that axis lies outside the range.
    int axisColumn = 0;
    int axisRow = 0;

    // Lays out the plot area in a client area of the given size and recomputes the spans and axes.
    void layOut(const common::GraphRange& newRange, int clientWidth, int clientHeight);

    // i is a column offset from left, j a row offset from top.
    long double xOfColumnOffset(long double i) const;
    long double yOfRowOffset(long double j) const;
    // Window pixels; pixels beyond the plot area give the range's edge values.
    long double xOfPixel(int px) const;
    long double yOfPixel(int py) const;
    // Limited to the 32-bit integer range.
    int rowOfY(long double y) const;
    // The column in left ... right whose x lies nearest to x (the left one of two equally near).
    int columnOfX(long double x) const;

private:
    int columnOfXBySearch(long double x, int from, int to) const;
};

} // namespace graph
