#pragma once

#include "reggraph/CurveDrawing.h"
#include "reggraph/GraphGeometry.h"
#include "reggraph/GraphScene.h"
#include "regression/FitBands.h"

#include <QColor>
#include <QPoint>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

class QPainter;

namespace reggraph {

// The four edges of a fit's bands, each sampled per pixel column like the curve.
struct BandPieces {
    using Pieces = std::vector<std::vector<QPoint>>;
    Pieces confidenceLow;
    Pieces confidenceHigh;
    Pieces predictionLow;
    Pieces predictionHigh;
};

BandPieces bandPieces(const GraphGeometry& geometry, const regression::FitBands& bands,
                      const CurveFunction& curve, bool positiveOnly);

// The bands of the fit of model `kind` (a function record's kind text) drawn as thin dashed curves:
// the confidence band denser and darker than the prediction band, both in `colour`. Only when the
// scene's Bands switch is on and the project has one variable; nothing for a kind without bands or
// for lists the fit cannot use (the series report a cell that is not a number).
void drawFitBands(QPainter& painter, const GraphScene& scene, const GraphGeometry& geometry,
                  std::string_view kind, const CurveFunction& curve, bool positiveOnly, const QColor& colour);

} // namespace reggraph
