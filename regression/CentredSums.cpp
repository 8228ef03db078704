#include "regression/CentredSums.h"

#include "regression/CheckedArithmetic.h"
#include "regression/RegressionError.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace regression {

namespace {

long double meanFromOffsets(long double reference, long double offsetSum, std::size_t count) {
    return reference + offsetSum / static_cast<long double>(count);
}

} // namespace

long double centredMean(std::span<const long double> values) {
    if (values.empty())
        return divide(0, 0);
    const long double reference = values.front();
    long double offsetSum = 0;
    for (const long double v : values)
        offsetSum += v - reference;
    return meanFromOffsets(reference, offsetSum, values.size());
}

long double sumOfSquaredDeviations(std::span<const long double> values, long double mean) {
    long double sum = 0;
    for (const long double v : values) {
        const long double deviation = v - mean;
        sum += deviation * deviation;
    }
    return sum;
}

CentredScale CentredScale::of(std::span<const long double> values) {
    if (values.empty())
        throw RegressionError(kInvalidOperationMessage); // the mean of nothing, 0/0
    // One pass gives the mean and the extremes. Rounding keeps order, so the rounded v − mean is
    // largest in magnitude at the lowest or the highest value: the largest distance is one of theirs.
    const long double reference = values.front();
    long double offsetSum = 0;
    long double lowest = reference;
    long double highest = reference;
    for (const long double v : values) {
        offsetSum += v - reference;
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    const long double mean = meanFromOffsets(reference, offsetSum, values.size());
    long double largestDistance = 0;
    for (const long double v : {lowest, highest})
        largestDistance = std::max(largestDistance, std::fabs(v - mean));
    CentredScale scale;
    scale.centre = mean;
    if (largestDistance > 0) {
        int exponent = 0;
        std::frexp(largestDistance, &exponent); // largestDistance < 2^exponent
        const long double unit = std::ldexp(1.0L, exponent - 24);
        scale.centre = std::round(mean / unit) * unit;
        scale.inverseScale = std::ldexp(1.0L, -exponent);
    }
    return scale;
}

long double totalSumOfSquares(long double sumOfSquaredOffsets, long double offsetSum, std::size_t count) {
    const long double correction = offsetSum * offsetSum / static_cast<long double>(count);
    return std::max(sumOfSquaredOffsets - correction, 0.0L);
}

std::size_t distinctValuesUpTo(std::span<const long double> values, std::size_t wanted) {
    std::vector<long double> seen;
    for (const long double v : values) {
        if (std::find(seen.begin(), seen.end(), v) == seen.end()) {
            seen.push_back(v);
            if (seen.size() >= wanted)
                break;
        }
    }
    return seen.size();
}

} // namespace regression
