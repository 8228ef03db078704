#include "reggraph/BandDrawing.h"

#include "projects/DataLists.h"
#include "regression/DataListsInput.h"

#include <QPainter>
#include <QPen>
#include <stdexcept>

namespace reggraph {

namespace {

using Edge = long double regression::FitBands::Limits::*;

void drawDashed(QPainter& painter, const BandPieces::Pieces& pieces, const QColor& colour,
                const QList<qreal>& dashes) {
    QPen pen(colour, 1, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern(dashes);
    painter.setPen(pen);
    // One polyline per piece, so the dashes run on along the curve instead of restarting per column.
    for (const auto& piece : pieces)
        painter.drawPolyline(piece.data(), static_cast<int>(piece.size()));
}

} // namespace

BandPieces bandPieces(const GraphGeometry& geometry, const regression::FitBands& bands,
                      const CurveFunction& curve, bool positiveOnly) {
    const auto edge = [&](Edge which) {
        return sampledCurvePieces(
            geometry, [&](long double x) { return bands.at(x, curve(x)).*which; }, positiveOnly);
    };
    using Limits = regression::FitBands::Limits;
    return {edge(&Limits::confidenceLow), edge(&Limits::confidenceHigh), edge(&Limits::predictionLow),
            edge(&Limits::predictionHigh)};
}

void drawFitBands(QPainter& painter, const GraphScene& scene, const GraphGeometry& geometry,
                  std::string_view kind, const CurveFunction& curve, bool positiveOnly,
                  const QColor& colour) {
    const auto model = regression::modelKindFromText(kind);
    if (!scene.bands || !scene.lists || !model)
        return;
    std::optional<regression::FitBands> bands;
    try {
        const regression::FitData data = regression::readFitData(*scene.lists, {}, scene.decimalSeparator);
        if (data.variableCount() != 1 || data.pointCount() == 0)
            return;
        bands = regression::FitBands::of(*model, data.x.front(), data.y);
    } catch (const std::exception&) {
        return; // the fit cannot run on these lists; the curve stands without bands
    }
    if (!bands)
        return;
    const BandPieces pieces = bandPieces(geometry, *bands, curve, positiveOnly);
    const QPen previous = painter.pen();
    drawDashed(painter, pieces.confidenceLow, colour.darker(150), {4, 2});
    drawDashed(painter, pieces.confidenceHigh, colour.darker(150), {4, 2});
    drawDashed(painter, pieces.predictionLow, colour, {2, 5});
    drawDashed(painter, pieces.predictionHigh, colour, {2, 5});
    painter.setPen(previous);
}

} // namespace reggraph
