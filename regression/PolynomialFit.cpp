#include "regression/PolynomialFit.h"

#include "regression/CentredSums.h"
#include "regression/CheckedArithmetic.h"
#include "regression/LeastSquares.h"
#include "regression/RegressionError.h"

#include <algorithm>
#include <stdexcept>

namespace regression {

namespace {

// T with c = T·d for c_i of Σ_j d_j·((x − centre)·inverseScale)^j: the binomial expansion of each
// power, T[i][j] = C(j, i)·inverseScale^j·(−centre)^(j − i).
Matrix expansionIntoPowersOfX(std::size_t size, const CentredScale& scale) {
    Matrix t(size, std::vector<long double>(size, 0));
    long double scalePower = 1; // inverseScale^j
    for (std::size_t j = 0; j < size; ++j) {
        long double binomial = 1;   // C(j, i) for i = j, j − 1, ...
        long double shiftPower = 1; // (−centre)^(j − i)
        for (std::size_t i = j + 1; i-- > 0;) {
            t[i][j] = scalePower * binomial * shiftPower;
            binomial = binomial * static_cast<long double>(i) / static_cast<long double>(j - i + 1);
            shiftPower *= -scale.centre;
        }
        scalePower *= scale.inverseScale;
    }
    return t;
}

// The diagonal of T·V·Tᵀ: the variances of c = T·d when d has the covariance V.
std::vector<long double> transformedVariances(const Matrix& t, const Matrix& v) {
    std::vector<long double> variances(t.size(), 0);
    for (std::size_t i = 0; i < t.size(); ++i)
        for (std::size_t j = 0; j < t.size(); ++j)
            for (std::size_t l = 0; l < t.size(); ++l)
                variances[i] += t[i][j] * v[j][l] * t[i][l];
    return variances;
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
    const LeastSquaresSolution solution =
        solveLeastSquares(size, y, yCentre, [&](std::size_t p, long double* row) {
            const long double t = scale(x[p]);
            long double power = 1;
            for (std::size_t j = 0; j < size; ++j, power *= t)
                row[j] = power;
        });
    const std::vector<long double>& d = solution.coefficients;
    const long double sse = solution.sse;
    // Σ (y − ȳ)², from Σ (y − centre)² less the part of the centre's distance from the mean.
    const long double sst = solution.sst;

    const Matrix expansion = expansionIntoPowersOfX(size, scale);
    for (std::size_t i = 0; i < size; ++i) {
        for (std::size_t j = i; j < size; ++j)
            fit.c[i] += expansion[i][j] * d[j];
        requireFinite(fit.c[i]);
    }
    fit.c[0] = requireFinite(fit.c[0] + yCentre);
    fit.inference = {{fit.c.begin(), fit.c.begin() + static_cast<std::ptrdiff_t>(size)},
                     transformedVariances(expansion, solution.inverse),
                     sse,
                     sst,
                     fit.n};
    fit.basisScale = scale;
    fit.basisInverse = solution.inverse;
    if (fit.n > 2)
        fit.s = squareRoot(divide(sse, static_cast<long double>(fit.n) - degree - 1));
    // Least squares with a constant term never leaves more than SST unexplained; only rounding
    // could push R² below 0.
    fit.rSquared = std::max(1 - divide(sse, sst), 0.0L);
    fit.r = squareRoot(fit.rSquared);
    return fit;
}

} // namespace regression
