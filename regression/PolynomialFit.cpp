#include "regression/PolynomialFit.h"

#include "regression/CentredSums.h"
#include "regression/CheckedArithmetic.h"
#include "regression/LinearSolver.h"
#include "regression/RegressionError.h"

#include <algorithm>
#include <stdexcept>

namespace regression {

namespace {

// c_i of Σ_j d_j·((x − centre)·inverseScale)^j, by the binomial expansion of each power.
std::array<long double, 6> expandIntoPowersOfX(const std::vector<long double>& d, const CentredScale& scale) {
    const int degree = static_cast<int>(d.size()) - 1;
    std::array<long double, 6> c{};
    long double scalePower = 1; // inverseScale^j
    for (int j = 0; j <= degree; ++j) {
        long double binomial = 1;   // C(j, i) for i = j, j − 1, ...
        long double shiftPower = 1; // (−centre)^(j − i)
        for (int i = j; i >= 0; --i) {
            c[i] += d[j] * scalePower * binomial * shiftPower;
            binomial = binomial * i / (j - i + 1);
            shiftPower *= -scale.centre;
        }
        scalePower *= scale.inverseScale;
    }
    for (auto& coefficient : c)
        requireFinite(coefficient);
    return c;
}

} // namespace

PolynomialFitFigures computePolynomialFit(int degree, std::span<const long double> x,
                                          std::span<const long double> y) {
    if (degree < 2 || degree > 5)
        throw std::invalid_argument("polynomial degree out of range");
    if (x.size() != y.size())
        throw std::invalid_argument("x and y differ in length");
    PolynomialFitFigures fit;
    fit.n = x.size();
    fit.degree = degree;
    const auto size = static_cast<std::size_t>(degree) + 1;
    if (fit.n == 0)
        throw RegressionError(kInvalidOperationMessage);
    // Fewer distinct x than coefficients: the normal-equation matrix is singular.
    if (distinctValuesUpTo(x, size) < size)
        throw RegressionError(kDivisionByZeroMessage);

    const CentredScale scale = CentredScale::of(x);
    const long double yMean = centredMean(y);

    // Power sums Σ t^k (k = 0..2m) and Σ t^i·(y − ȳ) in one pass.
    std::array<long double, 11> powerSums{};
    std::array<long double, 6> momentSums{};
    for (std::size_t p = 0; p < fit.n; ++p) {
        const long double t = scale(x[p]);
        const long double w = y[p] - yMean;
        long double power = 1;
        for (std::size_t k = 0; k <= 2 * static_cast<std::size_t>(degree); ++k) {
            powerSums[k] += power;
            if (k < size)
                momentSums[k] += power * w;
            power *= t;
        }
    }
    Matrix m(size, std::vector<long double>(size));
    std::vector<long double> g(size);
    for (std::size_t i = 0; i < size; ++i) {
        for (std::size_t j = 0; j < size; ++j)
            m[i][j] = powerSums[i + j];
        g[i] = requireFinite(momentSums[i]);
    }
    const std::vector<long double> d = solveWithoutPivoting(m, g, pivotToleranceFor(fit.n));

    long double sse = 0;
    long double sst = 0;
    for (std::size_t p = 0; p < fit.n; ++p) {
        const long double t = scale(x[p]);
        const long double w = y[p] - yMean;
        long double fitted = d[degree];
        for (int j = degree - 1; j >= 0; --j)
            fitted = fitted * t + d[j];
        const long double residual = w - fitted;
        sse += residual * residual;
        sst += w * w;
    }
    requireFinite(sse + sst);

    fit.c = expandIntoPowersOfX(d, scale);
    fit.c[0] = requireFinite(fit.c[0] + yMean);
    if (fit.n > 2)
        fit.s = squareRoot(divide(sse, static_cast<long double>(fit.n) - degree - 1));
    // Least squares with a constant term never leaves more than SST unexplained; only rounding
    // could push R² below 0.
    fit.rSquared = std::max(1 - divide(sse, sst), 0.0L);
    fit.r = squareRoot(fit.rSquared);
    return fit;
}

} // namespace regression
