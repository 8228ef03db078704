#include "regression/LinearSolver.h"

#include "regression/CheckedArithmetic.h"
#include "regression/RegressionError.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <stdexcept>

namespace regression {

long double pivotToleranceFor(std::size_t n) {
    return 4 * LDBL_EPSILON * static_cast<long double>(std::max<std::size_t>(n, 16));
}

std::vector<long double> solveWithoutPivoting(const Matrix& m, const std::vector<long double>& g,
                                              long double pivotTolerance) {
    const std::size_t size = m.size();
    if (g.size() != size)
        throw std::invalid_argument("right-hand side does not match the matrix");
    Matrix f(size, std::vector<long double>(size, 0));
    for (std::size_t i = 0; i < size; ++i) {
        for (std::size_t j = 0; j < size; ++j) {
            long double sum = m[i][j];
            for (std::size_t k = 0; k < std::min(i, j); ++k)
                sum -= f[i][k] * f[k][j];
            if (j < i) {
                f[i][j] = sum;
            } else if (j == i) {
                if (!(std::fabs(sum) > pivotTolerance * std::fabs(m[i][i])))
                    throw RegressionError(kDivisionByZeroMessage);
                f[i][i] = sum;
            } else {
                f[i][j] = divide(sum, f[i][i]);
            }
        }
    }

    std::vector<long double> z(size);
    for (std::size_t i = 0; i < size; ++i) {
        long double sum = g[i];
        for (std::size_t k = 0; k < i; ++k)
            sum -= f[i][k] * z[k];
        z[i] = divide(sum, f[i][i]);
    }
    std::vector<long double> c(size);
    for (std::size_t i = size; i-- > 0;) {
        long double sum = z[i];
        for (std::size_t k = i + 1; k < size; ++k)
            sum -= f[i][k] * c[k];
        c[i] = requireFinite(sum);
    }
    return c;
}

} // namespace regression
