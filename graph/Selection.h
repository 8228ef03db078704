#pragma once

#include "graph/GraphCoordinates.h"

#include <string>
#include <vector>

namespace engine {
class TFunction;
}

namespace graph {

// A selection in world coordinates: x1 ... x2 from the start to the end pixel, y1 (the end's y,
// the lower value) ... y2 (the start's y). A selection dragged leftwards or upwards contains no point.
struct WorldSelection {
    long double x1 = 0;
    long double x2 = 0;
    long double y1 = 0;
    long double y2 = 0;

    bool contains(long double x, long double y) const { return x1 <= x && x <= x2 && y1 <= y && y <= y2; }
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

WorldSelection selectionInWorld(const GraphCoordinates& coordinates, PixelPoint start, PixelPoint end);

// The texts of the functions that pass through the selection: a function is a candidate when one
// of 101 evenly spaced x from x1 to x2 gives a y inside it; a selection dragged leftwards holds
// none. `functions` runs parallel to `texts`.
std::vector<std::string> findCandidates(const std::vector<std::string>& texts,
                                        const std::vector<engine::TFunction*>& functions,
                                        const WorldSelection& selection);

} // namespace graph
