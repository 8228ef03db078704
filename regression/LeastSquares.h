#pragma once

#include "regression/CheckedArithmetic.h"
#include "regression/LinearSolver.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace regression {

// Error-free transformations in long double (64-bit significand): a·b and a + b as the rounded
// result plus the exact rounding error.
struct SplitNumber {
    long double high = 0;
    long double low = 0;

    // Veltkamp's split into two halves of 32 significant bits, whose products are exact.
    static SplitNumber of(long double a) {
        const long double spread = 4294967297.0L * a; // 2^32 + 1
        const long double high = spread - (spread - a);
        return {high, a - high};
    }
};

// The rounding error of a·b, for a split b.
inline long double productError(long double a, long double product, const SplitNumber& b) {
    const SplitNumber splitA = SplitNumber::of(a);
    return ((splitA.high * b.high - product) + splitA.high * b.low + splitA.low * b.high) +
           splitA.low * b.low;
}

// w − Σ row[i]·d[i] to about twice the working precision: the refinement must see errors in d that
// are smaller than the rounding of the fitted value itself.
inline long double accurateResidual(long double w, const long double* row, const std::vector<long double>& d,
                                    const std::vector<SplitNumber>& splitD) {
    long double high = w;
    long double low = 0;
    for (std::size_t i = 0; i < d.size(); ++i) {
        const long double product = row[i] * d[i];
        const long double sum = high - product;
        const long double virtualProduct = high - sum;
        const long double sumError = (high - (sum + virtualProduct)) + (virtualProduct - product);
        low += sumError - productError(row[i], product, splitD[i]);
        high = sum;
    }
    return high + low;
}

struct LeastSquaresSolution {
    std::vector<long double> coefficients;
    long double sse = 0; // Σ (w − fitted)²
    long double sst = 0; // Σ w²
    // (XᵀX)⁻¹ of the basis values, column by column through the same factors, each column refined
    // once like the coefficients: its diagonal scaled by s² gives the coefficients' variances.
    Matrix inverse;
};

// The inverse of the normal-equation matrix m from its factors, refined once with m's residuals.
inline Matrix refinedInverse(const Matrix& m, const NormalEquationFactors& factors) {
    const std::size_t size = m.size();
    Matrix inverse(size);
    for (std::size_t column = 0; column < size; ++column) {
        std::vector<long double> unit(size, 0);
        unit[column] = 1;
        std::vector<long double> x = factors.solve(unit);
        std::vector<long double> residual(unit);
        for (std::size_t i = 0; i < size; ++i)
            for (std::size_t j = 0; j < size; ++j)
                residual[i] -= m[i][j] * x[j];
        const std::vector<long double> correction = factors.solve(residual);
        for (std::size_t i = 0; i < size; ++i)
            x[i] += correction[i];
        inverse[column] = std::move(x);
    }
    // Column j of the inverse is row j as well: the matrix is symmetric.
    return inverse;
}

// Least squares of the responses w (centred on their mean) on `size` basis values per point, which
// fillRow(point, row) writes into row[0..size−1]. The normal equations are solved without pivoting,
// then refined once with the equations of the residuals: the first solution carries the rounding
// of every division, and the residuals taken from the points recover it, so exact data give exact
// coefficients and a residual sum of 0.
template <typename FillRow>
LeastSquaresSolution solveLeastSquares(std::size_t size, std::span<const long double> w, FillRow fillRow) {
    const std::size_t n = w.size();
    std::array<long double, 6> row{};
    const auto fitted = [&](const std::vector<long double>& d) {
        long double sum = 0;
        for (std::size_t i = 0; i < size; ++i)
            sum += row[i] * d[i];
        return sum;
    };

    Matrix m(size, std::vector<long double>(size, 0));
    std::vector<long double> g(size, 0);
    for (std::size_t p = 0; p < n; ++p) {
        fillRow(p, row.data());
        for (std::size_t i = 0; i < size; ++i) {
            for (std::size_t j = i; j < size; ++j)
                m[i][j] += row[i] * row[j];
            g[i] += row[i] * w[p];
        }
    }
    for (std::size_t i = 0; i < size; ++i) {
        for (std::size_t j = 0; j < i; ++j)
            m[i][j] = m[j][i];
        requireFinite(m[i][i]);
        requireFinite(g[i]);
    }
    const NormalEquationFactors factors(m, pivotToleranceFor(n));
    LeastSquaresSolution solution;
    solution.coefficients = factors.solve(g);

    std::vector<SplitNumber> splitCoefficients;
    for (const long double d : solution.coefficients)
        splitCoefficients.push_back(SplitNumber::of(d));
    std::vector<long double> residualMoments(size, 0);
    for (std::size_t p = 0; p < n; ++p) {
        fillRow(p, row.data());
        const long double residual =
            accurateResidual(w[p], row.data(), solution.coefficients, splitCoefficients);
        for (std::size_t i = 0; i < size; ++i)
            residualMoments[i] += row[i] * residual;
    }
    const std::vector<long double> correction = factors.solve(residualMoments);
    for (std::size_t i = 0; i < size; ++i)
        solution.coefficients[i] = requireFinite(solution.coefficients[i] + requireFinite(correction[i]));

    for (std::size_t p = 0; p < n; ++p) {
        fillRow(p, row.data());
        const long double residual = w[p] - fitted(solution.coefficients);
        solution.sse += residual * residual;
        solution.sst += w[p] * w[p];
    }
    requireFinite(solution.sse + solution.sst);
    solution.inverse = refinedInverse(m, factors);
    return solution;
}

} // namespace regression
