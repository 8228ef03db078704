#pragma once

#include "regression/CoefficientStatistics.h"
#include "regression/ModelKind.h"

#include <cstddef>
#include <optional>
#include <span>

namespace regression {

// Figures of a two-parameter fit. The least-squares line is fitted to the transformed points
// (u, v): u = x, ln x or 1/x and v = y or ln y, by model.
struct SimpleFitFigures {
    std::size_t n = 0;
    long double a = 0;    // constant of the model (e^intercept for the exponential and power models)
    long double b = 0;    // slope of the transformed line
    long double base = 0; // e^b, for the exponential model's log block
    // Only when b != 0: r of the transformed points, R² = 1 − SSE/SST in the units of y, and
    // s = √(SSE / (n − 2)) when n > 2.
    std::optional<long double> r;
    std::optional<long double> rSquared;
    std::optional<long double> s;
    // The straight line v = intercept + b·u through the transformed points, for its statistics,
    // with ū and Σ (u − ū)² for the bands around it.
    LinearFitInference line;
    long double uMean = 0;
    long double uSpread = 0;
};

// u of the model's straight line: x, ln x or 1/x (throws RegressionError outside the domain).
long double transformedX(ModelKind kind, long double x);
// Whether the model's u is ln x or 1/x, defined for x > 0 only.
bool transformsX(ModelKind kind);
// Whether the model's line is fitted to ln y (the exponential and power models).
bool fitsLogOfY(ModelKind kind);

// Fits a model of isSimpleModel() to the points. All sums are taken about the means, so data such as
// x near 10^6 with a spread of 1 give the same figures as data near 0; a perfect fit gives SSE = 0.
// Throws RegressionError naming the arithmetic fault: no points, all transformed x equal, ln of a
// value <= 0, 1/0, an overflow.
SimpleFitFigures computeSimpleFit(ModelKind kind, std::span<const long double> x,
                                  std::span<const long double> y);

} // namespace regression
