#pragma once

#include "reggraph/GraphGeometry.h"

#include <span>
#include <vector>

namespace reggraph {

// A stretch of pixels along one pixel row (or column): `line` is its y (or x), and it covers
// `from` up to, not including, `to`.
struct PixelRun {
    int line = 0;
    int from = 0;
    int to = 0;
    friend bool operator==(const PixelRun&, const PixelRun&) = default;
};

// The arms of upright crosses, `armLength` pixels on each side of their centres, as few runs as
// cover exactly the same pixels: arms on one row (or column) that overlap or touch are one run.
// Runs come ordered by line, then by position along it.
struct CrossRuns {
    std::vector<PixelRun> rows;    // the horizontal arms
    std::vector<PixelRun> columns; // the vertical arms
};
CrossRuns crossRuns(std::span<const PixelPoint> centres, int armLength);

} // namespace reggraph
