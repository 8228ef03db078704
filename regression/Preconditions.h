#pragma once

#include "regression/ModelKind.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace regression {

// The checks the fit commands make before fitting. Each returns the translated message for the
// information box when the command refuses, or nothing when it may run.

// Most functions the graph draws at once.
inline constexpr int kMaxDrawnFunctions = 12;

// Over the first n points: every X > 0 for the logarithmic and reciprocal models, every Y > 0 for the
// exponential model, both for the power model; then the drawn-function limit.
std::optional<std::string> simpleFitRefusal(ModelKind kind, std::span<const long double> x,
                                            std::span<const long double> y, int drawnFunctions);
// The model's point minimum (degree + 2), then the drawn-function limit.
std::optional<std::string> polynomialFitRefusal(int degree, std::size_t pointCount, int drawnFunctions);
// "Log Multiple": at least 2 variables.
std::optional<std::string> logMultipleRefusal(int variableCount);
// "Draw Multiple": at least 2 variables and k + 2 complete rows.
std::optional<std::string> drawMultipleRefusal(int variableCount, std::size_t pointCount);
// "Find Best": the drawn-function limit.
std::optional<std::string> findBestRefusal(int drawnFunctions);

// The tests behind the refusals, also used by the best-curve search to skip models silently.
bool allPositive(std::span<const long double> values);
// Whether the points meet the model's own condition (positive X and/or Y, or the point minimum).
bool meetsModelCondition(ModelKind kind, std::span<const long double> x, std::span<const long double> y);

} // namespace regression
