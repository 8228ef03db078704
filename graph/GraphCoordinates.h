#pragma once

#include <optional>

namespace graph {

// The world range the graph shows and the distance of its grid lines and scale marks.
struct GraphRange {
    long double Xmin = -7;
    long double Xmax = 7;
    long double Xstep = 1;
    long double Ymin = -5;
    long double Ymax = 5;
    long double Ystep = 1;
};

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
    GraphRange range;
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
    void layOut(const GraphRange& newRange, int clientWidth, int clientHeight);

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
