#include "regression/PolynomialFit.h"

#include "regression/CentredSums.h"
#include "regression/CheckedArithmetic.h"
#include "regression/LeastSquares.h"
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
    const long double yCentre = CentredScale::of(y).centre;
    std::vector<long double> w(fit.n);
    for (std::size_t p = 0; p < fit.n; ++p)
        w[p] = y[p] - yCentre;
    const LeastSquaresSolution solution = solveLeastSquares(size, w, [&](std::size_t p, long double* row) {
        const long double t = scale(x[p]);
        long double power = 1;
        for (std::size_t j = 0; j < size; ++j, power *= t)
            row[j] = power;
    });
    const std::vector<long double>& d = solution.coefficients;
    const long double sse = solution.sse;
    // Σ (y − ȳ)², from Σ (y − centre)² less the part of the centre's distance from the mean.
    const long double sst = totalSumOfSquares(solution.sst, w);

    fit.c = expandIntoPowersOfX(d, scale);
    fit.c[0] = requireFinite(fit.c[0] + yCentre);
    if (fit.n > 2)
        fit.s = squareRoot(divide(sse, static_cast<long double>(fit.n) - degree - 1));
    // Least squares with a constant term never leaves more than SST unexplained; only rounding
    // could push R² below 0.
    fit.rSquared = std::max(1 - divide(sse, sst), 0.0L);
    fit.r = squareRoot(fit.rSquared);
    return fit;
}

} // namespace regression
