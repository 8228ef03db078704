#pragma once

#include "graph/GraphCoordinates.h"

#include <vector>

namespace engine {
class TFunction;
}

namespace graph {

// One column of an integral's shading, drawn from `baseRow` to `curveRow`, both included.
struct ShadingLine {
    int x = 0;
    int baseRow = 0;
    int curveRow = 0;
};

// The shading of an integral: one vertical line per column whose x lies in a ... b and where f is
// defined, from the row of y = 0 (or the plot area's edge nearest to it) to the curve, limited to
// the plot area.
std::vector<ShadingLine> integralShading(engine::TFunction& f, const GraphCoordinates& coordinates,
                                         long double a, long double b);

} // namespace graph
