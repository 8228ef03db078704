#pragma once

#include "regression/CoefficientStatistics.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace regression {

struct MultipleFitFigures {
    std::size_t n = 0;
    int k = 2;
    std::array<long double, 6> b{}; // b0..bk; the rest stay 0
    long double rSquared = 0;       // 1 − SSE/SST
    long double r = 0;              // √R², never negative
    std::optional<long double> s;   // √(SSE / (n − k − 1)) when n > 2
    LinearFitInference inference;   // b0..bk with their variances
};

// Least-squares y = b0 + b1·x1 + ... + bk·xk for k = 2..5 columns of x, from the normal equations
// solved without pivoting. Each column enters centred on its mean and scaled by a power of two, and y
// centred on its mean, so columns near 10^6 with a small spread keep their accuracy.
// Throws RegressionError: columns that are combinations of each other or too few rows (a singular
// matrix, division by zero), all y equal (SST = 0), no degrees of freedom left for s, an overflow.
MultipleFitFigures computeMultipleFit(std::span<const std::vector<long double>> x,
                                      std::span<const long double> y);

} // namespace regression
