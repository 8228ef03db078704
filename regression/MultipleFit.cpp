#include "regression/MultipleFit.h"

#include "regression/CentredSums.h"
#include "regression/CheckedArithmetic.h"
#include "regression/LeastSquares.h"
#include "regression/RegressionError.h"

#include <algorithm>
#include <stdexcept>

namespace regression {

MultipleFitFigures computeMultipleFit(std::span<const std::vector<long double>> x,
                                      std::span<const long double> y) {
    const std::size_t k = x.size();
    if (k < 2 || k > 5)
        throw std::invalid_argument("multiple regression needs 2 to 5 variables");
    for (const auto& column : x)
        if (column.size() != y.size())
            throw std::invalid_argument("columns differ in length");
    MultipleFitFigures fit;
    fit.n = y.size();
    fit.k = static_cast<int>(k);
    if (fit.n == 0)
        throw RegressionError(kInvalidOperationMessage);

    std::array<CentredScale, 5> scales;
    for (std::size_t j = 0; j < k; ++j)
        scales[j] = CentredScale::of(x[j]);
    const long double yCentre = CentredScale::of(y).centre;
    const LeastSquaresSolution solution =
        solveLeastSquares(k + 1, y, yCentre, [&](std::size_t p, long double* row) {
            row[0] = 1;
            for (std::size_t j = 0; j < k; ++j)
                row[j + 1] = scales[j](x[j][p]);
        });
    const std::vector<long double>& d = solution.coefficients;
    const long double sse = solution.sse;
    const long double sst = solution.sst;

    // y = centre + d0 + Σ d_j·(x_j − centre_j)·inverseScale_j.
    long double constant = yCentre + d[0];
    for (std::size_t j = 0; j < k; ++j) {
        fit.b[j + 1] = requireFinite(d[j + 1] * scales[j].inverseScale);
        constant -= fit.b[j + 1] * scales[j].centre;
    }
    fit.b[0] = requireFinite(constant);

    // b_j = inverseScale_j·d_j and b0 = d0 − Σ b_j·centre_j (plus the constant y centre): the
    // variance of b0 is the quadratic form of (1, −inverseScale_j·centre_j) in the inverse.
    const Matrix& inverse = solution.inverse;
    std::vector<long double> constantWeights(k + 1, 1);
    for (std::size_t j = 0; j < k; ++j)
        constantWeights[j + 1] = -scales[j].inverseScale * scales[j].centre;
    fit.inference = {
        {fit.b.begin(), fit.b.begin() + static_cast<std::ptrdiff_t>(k + 1)}, {0}, sse, sst, fit.n};
    auto& variances = fit.inference.unscaledVariances;
    for (std::size_t i = 0; i <= k; ++i)
        for (std::size_t l = 0; l <= k; ++l)
            variances[0] += constantWeights[i] * inverse[i][l] * constantWeights[l];
    for (std::size_t j = 0; j < k; ++j)
        variances.push_back(scales[j].inverseScale * scales[j].inverseScale * inverse[j + 1][j + 1]);
    if (fit.n > 2)
        fit.s = squareRoot(divide(sse, static_cast<long double>(fit.n) - static_cast<long double>(k) - 1));
    fit.rSquared = std::max(1 - divide(sse, sst), 0.0L);
    fit.r = squareRoot(fit.rSquared);
    return fit;
}

} // namespace regression
