#pragma once

#include "reggraph/AxesLayout.h"

#include <span>
#include <vector>

namespace reggraph {

// One histogram class [lower, upper): class 0 is the step left of the first x tick, class j > 0 the
// j-th step from it. Edges are built by repeated addition of Xstep.
struct HistogramClass {
    long double lower = 0;
    long double upper = 0;
    long double sum = 0; // the y values of the rows whose x lies in the class, added in row order
};

// The classes from the one left of the first tick (xFirstTick) up to the first whose upper edge
// passes Xmax. A row belongs to a class when its x is not below the lower edge and below the upper
// edge by the tolerant comparison, so 0.3 reached as 0.1 + 0.1 + 0.1 still starts [0.3, 0.4); each
// row counts in at most one class. xs and ys are the x and y values of the complete rows.
std::vector<HistogramClass> histogramClasses(const common::GraphRange& range, long double xFirstTick,
                                             std::span<const long double> xs,
                                             std::span<const long double> ys);

// The outline of each bar, a polyline (move to the first point, line to the others), for the classes
// of histogramClasses on the given axes: tops at the class sums, sides on the x ticks, the last bar cut
// at the plot area's right edge without a right side. Left out are class 0 when its sum is below Ymin
// and, when Ymin is not negative, the other classes whose sum is not above Ymin.
std::vector<std::vector<PixelPoint>> histogramBars(const AxesLayout& axes,
                                                   const std::vector<HistogramClass>& classes);

} // namespace reggraph
