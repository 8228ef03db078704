#pragma once

#include "regression/CentredSums.h"
#include "regression/LinearSolver.h"
#include "regression/ModelKind.h"

#include <cstddef>
#include <optional>
#include <span>

namespace regression {

// The 95% confidence band of the fitted mean and the 95% prediction band of a new observation
// around a fitted curve of one variable, in the units of y. The bands of a transformed model are
// those of the straight line it runs, taken back through the transform (e^ for ln y).
class FitBands {
public:
    struct Limits {
        long double confidenceLow = 0;
        long double confidenceHigh = 0;
        long double predictionLow = 0;
        long double predictionHigh = 0;
    };

    // The bands of the fit of `kind` to the points, from the same fit the command runs. Nothing for
    // the multiple model and for a fit without degrees of freedom left; throws RegressionError
    // where the fit itself fails.
    static std::optional<FitBands> of(ModelKind kind, std::span<const long double> x,
                                      std::span<const long double> y);

    // The limits at x around `fitted`, the drawn curve's value there; NaN where x or the value is
    // outside the model's domain.
    Limits at(long double x, long double fitted) const;

private:
    FitBands() = default;
    // h(x) = φ(x)ᵀ(XᵀX)⁻¹φ(x): the variance of the fitted mean at x in units of σ².
    long double leverage(long double x) const;

    ModelKind kind_ = ModelKind::Linear;
    long double halfWidthFactor_ = 0; // t(0.975, df)·s
    // Two-parameter models: the line through (u, v) with its n, ū and Σ (u − ū)².
    long double count_ = 0;
    long double uMean_ = 0;
    long double uSpread_ = 0;
    // Polynomials: the basis in t = scale(x) and the inverse of its normal equations.
    CentredScale scale_;
    Matrix basisInverse_;
};

} // namespace regression
