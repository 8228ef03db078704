#include "regression/Residuals.h"

#include "regression/MultipleFit.h"
#include "regression/RecordModel.h"

#include <algorithm>
#include <cmath>

namespace regression {

namespace {

bool isFittedCurve(const projects::DrawableRecord& record) {
    const auto kind = modelKindFromText(record.kind);
    const bool drawn = record.drawing == projects::RecordDrawing::Curve ||
                       record.drawing == projects::RecordDrawing::StraightLine ||
                       record.drawing == projects::RecordDrawing::HorizontalLine;
    return drawn && kind && (isSimpleModel(*kind) || isPolynomialModel(*kind));
}

} // namespace

std::optional<ResidualPoints> lastFitResiduals(const std::vector<projects::DrawableRecord>& records,
                                               const FitData& data) {
    if (data.pointCount() == 0)
        return std::nullopt;
    ResidualPoints points;
    if (data.variableCount() >= 2) {
        const MultipleFitFigures fit = computeMultipleFit(data.x, data.y);
        points.againstFitted = true;
        for (std::size_t p = 0; p < data.pointCount(); ++p) {
            long double fitted = fit.b[0];
            for (int j = 1; j <= fit.k; ++j)
                fitted += data.x[j - 1][p] * fit.b[j];
            points.against.push_back(fitted);
            points.residuals.push_back(data.y[p] - fitted);
        }
        return points;
    }
    const auto last = std::find_if(records.rbegin(), records.rend(), isFittedCurve);
    if (last == records.rend() || data.variableCount() != 1)
        return std::nullopt;
    RegressionResult model;
    loadRecordModel(model, *last);
    for (std::size_t p = 0; p < data.pointCount(); ++p) {
        const long double x = data.x.front()[p];
        const long double residual = data.y[p] - model.Evaluate(x);
        if (!std::isfinite(residual))
            continue; // outside the model's domain, as the curve leaves it out
        points.against.push_back(x);
        points.residuals.push_back(residual);
    }
    return points;
}

} // namespace regression
