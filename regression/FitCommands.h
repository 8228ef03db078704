#pragma once

#include "regression/FitOutput.h"
#include "regression/ModelKind.h"
#include "regression/MultipleFit.h"
#include "regression/PolynomialFit.h"
#include "regression/RegressionResult.h"
#include "regression/SimpleFit.h"

#include <optional>
#include <string>

namespace regression {

// The fit commands. Each sets the model kind of `result` first; with no points, or with a number of
// variables the model does not take, that is all it does and it returns nothing. Otherwise it
// computes the whole fit, and only when everything succeeded stores it in `result` and returns what
// the windows write. Failures throw RegressionError and leave `result` as it was apart from the kind.

// "Linear", "Logarithmic", "Exponential", "Power", "Reciprocal" on a project with one variable.
std::optional<FitOutput> fitSimpleModel(RegressionResult& result, ModelKind kind, const FitData& data);

// Polynomial of degree 2..5 on a project with one variable.
std::optional<FitOutput> fitPolynomial(RegressionResult& result, int degree, const FitData& data);

// "Log Multiple": the multiple fit on a project with 2..5 variables; the output holds only the log
// block (nothing is drawn or recorded).
std::optional<FitOutput> logMultiple(RegressionResult& result, const FitData& data);

// "Draw Multiple": the multiple fit for the wizard; returns the equation for its Equation box.
std::optional<std::string> fitMultipleForWizard(RegressionResult& result, const FitData& data);

// The texts of the fits, for callers that already hold the figures (the best-curve search).
std::string simpleEquation(ModelKind kind, const SimpleFitFigures& fit, const LogContext& context);
std::string polynomialEquation(const PolynomialFitFigures& fit, const LogContext& context);
std::string multipleEquation(const MultipleFitFigures& fit, const LogContext& context);

} // namespace regression
