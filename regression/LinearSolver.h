#pragma once

#include <vector>

namespace regression {

// A square matrix of at most 6×6 extended values, row by row.
using Matrix = std::vector<std::vector<long double>>;

// Solves M·c = g for a symmetric positive (semi)definite normal-equation matrix by an LU
// factorisation without row exchanges: row by row, the lower triangle with its diagonal holds L and
// the upper triangle U with an implied unit diagonal; then forward and back substitution.
// A diagonal element that vanishes, or that falls to `pivotTolerance` times the matrix element it
// came from (the column is a combination of earlier ones up to rounding), makes the matrix singular:
// RegressionError "Floating point division by zero".
std::vector<long double> solveWithoutPivoting(const Matrix& m, const std::vector<long double>& g,
                                              long double pivotTolerance);

// The tolerance for sums over n points: rounding in such sums grows with n.
long double pivotToleranceFor(std::size_t n);

} // namespace regression
