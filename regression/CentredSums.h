#pragma once

#include <cstddef>
#include <span>

namespace regression {

// Sums over data with a large mean and a small spread lose the spread when formed directly
// (Σx² − (Σx)²/n cancels). The fits therefore work on values centred on their mean.

// Mean of the values, accumulated relative to the first value: equal values give exactly that
// value, and an offset such as 10^6 does not swamp a spread of 1. Throws on an empty list (0/0).
long double centredMean(std::span<const long double> values);

// Σ (v − mean)².
long double sumOfSquaredDeviations(std::span<const long double> values, long double mean);

// Maps values onto about [−1, 1] by t = (v − centre) · inverseScale, with the scale a power of two
// (exact) at least the largest distance from the mean, so powers and products of t stay in range.
// The centre is the mean rounded to a binary grid 2^−24 of the scale, so that v − centre is exact for
// data with few significant digits, such as integers or decimals near 10^6.
struct CentredScale {
    long double centre = 0;
    long double inverseScale = 1;

    static CentredScale of(std::span<const long double> values);
    long double operator()(long double v) const { return (v - centre) * inverseScale; }
};

// Σ (v − v̄)² from the sums Σw² and Σw of the count deviations w = v − c about a centre c near the
// mean: the shifted-data formula Σw² − (Σw)²/n, whose correction is tiny because c is close to v̄.
long double totalSumOfSquares(long double sumOfSquaredOffsets, long double offsetSum, std::size_t count);

// Lowest number of distinct values among `values`, up to `wanted` (stops looking once reached).
std::size_t distinctValuesUpTo(std::span<const long double> values, std::size_t wanted);

} // namespace regression
