#include "regression/MultipleFit.h"

#include "regression/CentredSums.h"
#include "regression/CheckedArithmetic.h"
#include "regression/LinearSolver.h"
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
    const long double yMean = centredMean(y);

    // Normal equations of (1, t1, ..., tk) against y − ȳ, upper triangle first.
    const std::size_t size = k + 1;
    Matrix m(size, std::vector<long double>(size, 0));
    std::vector<long double> g(size, 0);
    std::array<long double, 6> row{};
    row[0] = 1;
    for (std::size_t p = 0; p < fit.n; ++p) {
        for (std::size_t j = 0; j < k; ++j)
            row[j + 1] = scales[j](x[j][p]);
        const long double w = y[p] - yMean;
        for (std::size_t i = 0; i < size; ++i) {
            for (std::size_t j = i; j < size; ++j)
                m[i][j] += row[i] * row[j];
            g[i] += row[i] * w;
        }
    }
    for (std::size_t i = 0; i < size; ++i) {
        for (std::size_t j = 0; j < i; ++j)
            m[i][j] = m[j][i];
        requireFinite(g[i]);
    }
    const std::vector<long double> d = solveWithoutPivoting(m, g, pivotToleranceFor(fit.n));

    long double sse = 0;
    long double sst = 0;
    for (std::size_t p = 0; p < fit.n; ++p) {
        long double fitted = d[0];
        for (std::size_t j = 0; j < k; ++j)
            fitted += scales[j](x[j][p]) * d[j + 1];
        const long double w = y[p] - yMean;
        const long double residual = w - fitted;
        sse += residual * residual;
        sst += w * w;
    }
    requireFinite(sse + sst);

    // y = ȳ + d0 + Σ d_j·(x_j − centre_j)·inverseScale_j.
    long double constant = yMean + d[0];
    for (std::size_t j = 0; j < k; ++j) {
        fit.b[j + 1] = requireFinite(d[j + 1] * scales[j].inverseScale);
        constant -= fit.b[j + 1] * scales[j].centre;
    }
    fit.b[0] = requireFinite(constant);
    if (fit.n > 2)
        fit.s = squareRoot(divide(sse, static_cast<long double>(fit.n) - static_cast<long double>(k) - 1));
    fit.rSquared = std::max(1 - divide(sse, sst), 0.0L);
    fit.r = squareRoot(fit.rSquared);
    return fit;
}

} // namespace regression
