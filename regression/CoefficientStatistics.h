#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace regression {

// How certain a least-squares fit with a constant term is: per coefficient its standard error,
// t value, two-sided p-value and 95% confidence limits, and for the whole fit the residual
// standard error, R², adjusted R² and the F test against the constant alone.
struct CoefficientStatistics {
    struct Row {
        long double estimate = 0;
        // Missing when not calculated: without degrees of freedom left all five are missing; for
        // a perfect fit the standard error is 0 and t and p are missing.
        std::optional<long double> standardError;
        std::optional<long double> t;
        std::optional<long double> p;
        std::optional<long double> lower;
        std::optional<long double> upper;
    };
    std::vector<Row> rows;                            // the constant first, then each term
    std::size_t degreesOfFreedom = 0;                 // n − number of coefficients
    std::size_t modelDegreesOfFreedom = 0;            // number of coefficients − 1
    std::optional<long double> residualStandardError; // √(SSE / degreesOfFreedom)
    std::optional<long double> rSquared;              // 1 − SSE/SST, when SST > 0
    std::optional<long double> adjustedRSquared;      // 1 − (SSE/df) / (SST/(n − 1))
    std::optional<long double> f;                     // (SSR/df1) / (SSE/df2), when s > 0
    std::optional<long double> fP;                    // P(F(df1, df2) > f)
    bool exact = false;                               // s = 0: every point lies on the fit
};

// What a fit leaves for its statistics, from the linear least-squares fit it runs (for a
// transformed model the straight line through the transformed points).
struct LinearFitInference {
    std::vector<long double> estimates;         // the constant first
    std::vector<long double> unscaledVariances; // diagonal of (XᵀX)⁻¹ in the coefficients' own terms
    long double sse = 0;                        // residual sum of squares
    long double sst = 0;                        // total sum of squares about the response's mean
    std::size_t n = 0;
};

// t(0.975) with `degreesOfFreedom` (at least 1): the 95% two-sided quantile.
long double tQuantile975(std::size_t degreesOfFreedom);

// The t and F distributions are evaluated in long double.
CoefficientStatistics coefficientStatistics(const LinearFitInference& fit);

} // namespace regression
