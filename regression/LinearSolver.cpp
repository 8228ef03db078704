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

NormalEquationFactors::NormalEquationFactors(const Matrix& m, long double pivotTolerance)
    : f_(m.size(), std::vector<long double>(m.size(), 0)) {
    const std::size_t size = m.size();
    for (std::size_t i = 0; i < size; ++i) {
        if (m[i].size() != size)
            throw std::invalid_argument("the matrix is not square");
        for (std::size_t j = 0; j < size; ++j) {
            long double sum = m[i][j];
            for (std::size_t k = 0; k < std::min(i, j); ++k)
                sum -= f_[i][k] * f_[k][j];
            if (j < i) {
                f_[i][j] = sum;
            } else if (j == i) {
                if (!(std::fabs(sum) > pivotTolerance * std::fabs(m[i][i])))
                    throw RegressionError(kDivisionByZeroMessage);
                f_[i][i] = sum;
            } else {
                f_[i][j] = divide(sum, f_[i][i]);
            }
        }
    }
}

std::vector<long double> NormalEquationFactors::solve(const std::vector<long double>& g) const {
    const std::size_t size = f_.size();
    if (g.size() != size)
        throw std::invalid_argument("right-hand side does not match the matrix");
    std::vector<long double> z(size);
    for (std::size_t i = 0; i < size; ++i) {
        long double sum = g[i];
        for (std::size_t k = 0; k < i; ++k)
            sum -= f_[i][k] * z[k];
        z[i] = divide(sum, f_[i][i]);
    }
    std::vector<long double> c(size);
    for (std::size_t i = size; i-- > 0;) {
        long double sum = z[i];
        for (std::size_t k = i + 1; k < size; ++k)
            sum -= f_[i][k] * c[k];
        c[i] = requireFinite(sum);
    }
    return c;
}

} // namespace regression
