#pragma once

#include "graph/CurveSampler.h"
#include "graph/GraphCoordinates.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

namespace graph {

struct PlotOptions;

// The drawing steps of the graph, each written once against a painter (raster or vector).

// Silver lines at every multiple of the steps inside the range, except the lines at 0.
void drawGrid(QPainter& painter, const GraphCoordinates& coordinates);

// The axes that lie inside the range with their arrowheads, tick marks and scale numbers, and the
// axis texts. Numbers use `decimalSeparator`.
void drawAxes(QPainter& painter, const GraphCoordinates& coordinates, const PlotOptions& options,
              const QFont& font, char decimalSeparator);

// "y = <text>" in the curve's colour, right-aligned at the plot area's right end, in the row of
// list position `position`.
void drawFunctionName(QPainter& painter, const GraphCoordinates& coordinates, const QFont& font,
                      const QString& name, int position, const QColor& colour);

// A sampled curve in its colour; bold curves are two pixels wide, dots always one pixel.
void drawCurveShape(QPainter& painter, const CurveShape& shape, const QColor& colour, bool bold);

} // namespace graph
