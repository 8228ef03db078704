#pragma once

#include <cstddef>
#include <vector>

namespace regression {

// A square matrix of at most 6×6 extended values, row by row.
using Matrix = std::vector<std::vector<long double>>;

// The LU factors of a symmetric positive (semi)definite normal-equation matrix, factorised without
// row exchanges, row by row: the lower triangle with its diagonal holds L, the upper triangle U with
// an implied unit diagonal.
class NormalEquationFactors {
public:
    // A diagonal element that vanishes, or that falls to `pivotTolerance` times the matrix element
    // it came from (its column is a combination of earlier ones up to rounding), makes the matrix
    // singular: RegressionError "Floating point division by zero".
    NormalEquationFactors(const Matrix& m, long double pivotTolerance);

    // c with M·c = g, by forward substitution through L and back substitution through U.
    std::vector<long double> solve(const std::vector<long double>& g) const;

private:
    Matrix f_;
};

// The tolerance for sums over n points: rounding in such sums grows with n.
long double pivotToleranceFor(std::size_t n);

} // namespace regression
