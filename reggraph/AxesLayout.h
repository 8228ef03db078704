#pragma once

#include "reggraph/GraphGeometry.h"
#include "reggraph/LeftMargin.h"

#include <optional>
#include <string>
#include <vector>

namespace reggraph {

// One scale tick of an axis, in drawing order.
struct AxisTick {
    int pixel = 0;         // column of an x tick, row of a y tick
    long double value = 0; // first tick + k * step
    // The scale number (3 significant digits of the running label value, which adds the step once
    // per tick); empty when that value is too small against the range to be written.
    std::string label;
    // Where the other axis crosses at this tick, when it is drawn here: through the zero tick, or at
    // the plot area's edge (left margin, bottom row) at every tick when 0 lies outside the range.
    std::optional<int> crossingAxis;
};

// Everything one axes drawing needs, computed before anything is drawn.
struct AxesLayout {
    GraphGeometry geometry;
    long double xFirstTick = 0;
    long double yFirstTick = 0;
    int xAxisRow = 0;             // H - 20 when 0 lies outside the y range, else the row of y = 0
    int yAxisColumn = 0;          // the left margin when 0 lies outside the x range, else the column of x = 0
    bool xAxisBreak = false;      // the x axis does not start at 0 (Xmin > 0)
    bool yAxisBreak = false;      // the y axis does not start at 0 (Ymin > 0)
    std::vector<AxisTick> xTicks; // left to right, up to the plot area's right edge
    std::vector<AxisTick> yTicks; // bottom to top, up to the plot area's top edge
};

// Lays out the axes of a picture of the given size: left margin (labels measured with textWidth),
// scales, axis positions and both tick lists with their labels. Empty when the range is invalid.
std::optional<AxesLayout> layoutAxes(const common::GraphRange& range, int width, int height,
                                     const TextWidth& textWidth, char decimalSeparator);

} // namespace reggraph
