#include "regression/Preconditions.h"

#include "translation/Translator.h"

#include <algorithm>

namespace regression {

using translation::T;

namespace {

std::optional<std::string> drawnFunctionLimit(int drawnFunctions) {
    if (drawnFunctions >= kMaxDrawnFunctions)
        return T("Only12functionssupported");
    return std::nullopt;
}

bool needsPositiveX(ModelKind kind) {
    return kind == ModelKind::Logarithmic || kind == ModelKind::Power || kind == ModelKind::Reciprocal;
}
bool needsPositiveY(ModelKind kind) {
    return kind == ModelKind::Exponential || kind == ModelKind::Power;
}

} // namespace

bool allPositive(std::span<const long double> values) {
    return std::all_of(values.begin(), values.end(), [](long double v) { return v > 0; });
}

bool meetsModelCondition(ModelKind kind, std::span<const long double> x, std::span<const long double> y) {
    if (isPolynomialModel(kind))
        return y.size() >= static_cast<std::size_t>(polynomialDegree(kind)) + 2;
    return (!needsPositiveX(kind) || allPositive(x)) && (!needsPositiveY(kind) || allPositive(y));
}

std::optional<std::string> simpleFitRefusal(ModelKind kind, std::span<const long double> x,
                                            std::span<const long double> y, int drawnFunctions) {
    if (!meetsModelCondition(kind, x, y)) {
        switch (kind) {
        case ModelKind::Logarithmic:
            return T("LogarithmicModelrequireX");
        case ModelKind::Exponential:
            return T("ExponentialModelrequireY");
        case ModelKind::Power:
            return T("PowerModelrequireXandY");
        default:
            return T("ReciprocalModelrequireX");
        }
    }
    return drawnFunctionLimit(drawnFunctions);
}

std::optional<std::string> polynomialFitRefusal(int degree, std::size_t pointCount, int drawnFunctions) {
    if (pointCount < static_cast<std::size_t>(degree) + 2)
        return T("Thismodelrequireatleast" + std::to_string(degree + 2) + "pointsofdata");
    return drawnFunctionLimit(drawnFunctions);
}

std::optional<std::string> logMultipleRefusal(int variableCount) {
    if (variableCount < 2)
        return T("MultipleRegressionrequireatleast2variables");
    return std::nullopt;
}

std::optional<std::string> drawMultipleRefusal(int variableCount, std::size_t pointCount) {
    if (auto refusal = logMultipleRefusal(variableCount))
        return refusal;
    const auto rows = static_cast<std::size_t>(variableCount) + 2;
    if (pointCount < rows)
        return T("MultipleRegressionwith") + " " + std::to_string(variableCount) + " " +
               T("variablesrequireatleast") + " " + std::to_string(rows) + " " + T("rowsofdata");
    return std::nullopt;
}

std::optional<std::string> findBestRefusal(int drawnFunctions) {
    return drawnFunctionLimit(drawnFunctions);
}

} // namespace regression
