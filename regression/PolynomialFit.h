#pragma once

#include "regression/CentredSums.h"
#include "regression/CoefficientStatistics.h"
#include "regression/LinearSolver.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace regression {

struct PolynomialFitFigures {
    std::size_t n = 0;
    int degree = 2;
    std::array<long double, 6> c{}; // c0..c(degree); the rest stay 0
    long double rSquared = 0;       // 1 − SSE/SST
    long double r = 0;              // √R², never negative
    std::optional<long double> s;   // √(SSE / (n − degree − 1)) when n > 2
    LinearFitInference inference;   // c0..c(degree) with their variances
    // The basis the equations were solved in, t = basisScale(x) with powers t^0..t^degree, and
    // the inverse of its normal-equation matrix, for the bands around the curve.
    CentredScale basisScale;
    Matrix basisInverse;
};

// Least-squares polynomial y = c0 + c1·x + ... + cm·x^m, m = 2..5, from the normal equations solved
// without pivoting. The equations are set up in t = (x − x̄)/scale and y − ȳ, which keeps them well
// conditioned for data far from 0, and the coefficients are then expanded back into powers of x.
// Throws RegressionError: fewer distinct x than coefficients (a singular matrix, division by zero),
// all y equal (SST = 0), no degrees of freedom left for s, an overflow.
PolynomialFitFigures computePolynomialFit(int degree, std::span<const long double> x,
                                          std::span<const long double> y);

} // namespace regression
