#pragma once

#include "regression/CentredSums.h"
#include "regression/CheckedArithmetic.h"
#include "regression/LinearSolver.h"

#include <algorithm>
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
    long double sst = 0; // Σ (y − ȳ)²
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

// Least squares of the responses w = y − yCentre (yCentre near the mean of y) on `size` basis values
// per point, which fillRow(point, row) writes into row[0..size−1]. The normal equations are solved
// without pivoting, then refined once with the equations of the residuals: the first solution carries
// the rounding of every division, and the residuals taken from the points recover it, so exact data
// give exact coefficients and a residual sum of 0.
// The points go through in blocks whose basis values are kept, each point's w (then its residual)
// after them: each sum runs over a block in a register instead of memory, three sums at a time so that
// they overlap, and still adds its terms point by point in order, so the blocks do not change a bit
// of the result.
template <typename FillRow>
LeastSquaresSolution solveLeastSquares(std::size_t size, std::span<const long double> y, long double yCentre,
                                       FillRow fillRow) {
    const std::size_t n = y.size();
    constexpr std::size_t kBlock = 128;
    // Six basis values, the factor and room for the unused sums of the last three.
    std::array<std::array<long double, 9>, kBlock> rows{};
    const std::size_t factor = size;
    const auto forEachBlock = [&](auto body) {
        for (std::size_t start = 0; start < n; start += kBlock) {
            const std::size_t count = std::min(kBlock, n - start);
            for (std::size_t r = 0; r < count; ++r)
                fillRow(start + r, rows[r].data());
            body(start, count);
        }
    };
    // sumOf(j) += Σ rows[r][i]·rows[r][j] over the block for j = first .. last, term by term.
    const auto addProducts = [&](std::size_t count, std::size_t i, std::size_t first, std::size_t last,
                                 auto sumOf) {
        for (std::size_t j = first; j <= last; j += 3) {
            const bool second = j + 1 <= last;
            const bool third = j + 2 <= last;
            long double s0 = sumOf(j);
            long double s1 = second ? sumOf(j + 1) : 0;
            long double s2 = third ? sumOf(j + 2) : 0;
            for (std::size_t r = 0; r < count; ++r) {
                const long double a = rows[r][i];
                s0 += a * rows[r][j];
                s1 += a * rows[r][j + 1];
                s2 += a * rows[r][j + 2];
            }
            sumOf(j) = s0;
            if (second)
                sumOf(j + 1) = s1;
            if (third)
                sumOf(j + 2) = s2;
        }
    };

    Matrix m(size, std::vector<long double>(size, 0));
    std::vector<long double> g(size, 0);
    forEachBlock([&](std::size_t start, std::size_t count) {
        for (std::size_t r = 0; r < count; ++r)
            rows[r][factor] = y[start + r] - yCentre;
        for (std::size_t i = 0; i < size; ++i)
            addProducts(count, i, i, factor,
                        [&](std::size_t j) -> long double& { return j < size ? m[i][j] : g[i]; });
    });
    for (std::size_t i = 0; i < size; ++i) {
        for (std::size_t j = 0; j < i; ++j)
            m[i][j] = m[j][i];
        requireFinite(m[i][i]);
        requireFinite(g[i]);
    }
    const NormalEquationFactors normalFactors(m, pivotToleranceFor(n));
    LeastSquaresSolution solution;
    solution.coefficients = normalFactors.solve(g);
    const std::vector<long double>& d = solution.coefficients;

    std::vector<SplitNumber> splitCoefficients;
    for (const long double c : d)
        splitCoefficients.push_back(SplitNumber::of(c));
    std::vector<long double> residualMoments(size, 0);
    forEachBlock([&](std::size_t start, std::size_t count) {
        for (std::size_t r = 0; r < count; ++r)
            rows[r][factor] = accurateResidual(y[start + r] - yCentre, rows[r].data(), d, splitCoefficients);
        addProducts(count, factor, 0, size - 1,
                    [&](std::size_t j) -> long double& { return residualMoments[j]; });
    });
    const std::vector<long double> correction = normalFactors.solve(residualMoments);
    for (std::size_t i = 0; i < size; ++i)
        solution.coefficients[i] = requireFinite(solution.coefficients[i] + requireFinite(correction[i]));

    long double sse = 0;
    long double offsetSquares = 0;
    long double offsetSum = 0;
    forEachBlock([&](std::size_t start, std::size_t count) {
        for (std::size_t r = 0; r < count; ++r) {
            const long double w = y[start + r] - yCentre;
            long double fitted = 0;
            for (std::size_t i = 0; i < size; ++i)
                fitted += rows[r][i] * d[i];
            const long double residual = w - fitted;
            sse += residual * residual;
            offsetSquares += w * w;
            offsetSum += w;
        }
    });
    requireFinite(sse + offsetSquares);
    solution.sse = sse;
    solution.sst = totalSumOfSquares(offsetSquares, offsetSum, n);
    solution.inverse = refinedInverse(m, normalFactors);
    return solution;
}

} // namespace regression
