#pragma once

#include "graph/GraphCoordinates.h"

#include <vector>

namespace engine {
class TFunction;
}

namespace graph {

// A pixel of the window's client area: column and row.
struct Pixel {
    int x = 0;
    int y = 0;
};

// A curve sampled once per column: solid pieces to join, or single dots.
struct CurveShape {
    bool dotted = false;
    // Every piece's points one after the other, or the dots.
    std::vector<Pixel> points;
    // Where each piece starts in `points` (solid curves only); a piece ends where the next starts.
    std::vector<int> pieceStarts;
};

// Evaluates the function at the x of every column offset 0 ... width. A failed evaluation breaks
// the curve. Solid curves are clipped to the plot area: outside it they run invisibly along the
// edge they left, and a jump from one edge to the other is not joined. Dots are not clipped, but
// dots outside the client area are left out.
CurveShape sampleCurve(engine::TFunction& function, const GraphCoordinates& coordinates, bool dotted);

} // namespace graph
