#pragma once

#include "reggraph/CrossRuns.h"

#include <QColor>

class QPainter;

namespace reggraph {

// Upright crosses in one colour, `armLength` pixels on each side of their centres, in as few
// painter calls as the target allows: written straight into a plain 32-bit raster image, as
// rectangles of their runs on other raster targets, and as one path of their runs on a recorded
// picture (one element in a vector file).
void drawCrosses(QPainter& painter, std::span<const PixelPoint> centres, int armLength, const QColor& colour);

} // namespace reggraph
