#pragma once

#include "reggraph/GraphGeometry.h"
#include "reggraph/GraphScene.h"

#include <QPoint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QPainter;

namespace reggraph {

// FargVal: the pen takes the colour of drawn function n and, when names are shown, `name` is written
// in that colour right-aligned in row n at the top right of the picture.
void chooseCurveColour(QPainter& painter, const GraphScene& scene, const GraphGeometry& geometry, int n,
                       const std::string& name);

// RitaRakLinje: where the line y = a + b·x enters and leaves the plot area, the start on the left
// edge or on the bottom or top edge where it comes in, the end where it leaves; empty when the line
// misses the range.
std::optional<std::pair<QPoint, QPoint>> straightLineEnds(const GraphGeometry& geometry, long double a,
                                                          long double b);
void drawStraightLine(QPainter& painter, const GraphGeometry& geometry, long double a, long double b);

// RitaNollLinje: y = a across the plot area, when a lies in the y range.
void drawHorizontalLine(QPainter& painter, const GraphGeometry& geometry, long double a);

// RitaRegLinje: the curve sampled once per pixel column, as pieces that run while it stays in the y
// range; a piece ends on the first sample outside, clamped to the edge it left by, and a piece after
// the first starts on the edge the curve comes in from. With positiveOnly (models of ln x and 1/x)
// the samples start at the first column with x > 0. An undefined value ends a piece.
using CurveFunction = std::function<long double(long double)>;
std::vector<std::vector<QPoint>> sampledCurvePieces(const GraphGeometry& geometry, const CurveFunction& f,
                                                    bool positiveOnly);
void drawSampledCurve(QPainter& painter, const GraphGeometry& geometry, const CurveFunction& f,
                      bool positiveOnly);

} // namespace reggraph
