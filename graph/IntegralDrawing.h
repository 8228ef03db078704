#pragma once

#include "graph/GraphCoordinates.h"

#include <QLine>
#include <vector>

namespace engine {
class TFunction;
}

namespace graph {

// The shading of an integral: one vertical line per column whose x lies in a ... b and where f is
// defined, from the row of y = 0 (or the plot area's edge nearest to it) to the curve, limited to
// the plot area.
std::vector<QLine> integralShading(engine::TFunction& f, const GraphCoordinates& coordinates, long double a,
                                   long double b);

} // namespace graph
