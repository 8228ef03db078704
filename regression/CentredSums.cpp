#include "regression/CentredSums.h"

#include "regression/CheckedArithmetic.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace regression {

long double centredMean(std::span<const long double> values) {
    if (values.empty())
        return divide(0, 0);
    const long double reference = values.front();
    long double offsetSum = 0;
    for (const long double v : values)
        offsetSum += v - reference;
    return reference + offsetSum / static_cast<long double>(values.size());
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
    CentredScale scale;
    const long double mean = centredMean(values);
    long double largestDistance = 0;
    for (const long double v : values)
        largestDistance = std::max(largestDistance, std::fabs(v - mean));
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

long double totalSumOfSquares(long double sumOfSquaredOffsets, std::span<const long double> offsets) {
    long double offsetSum = 0;
    for (const long double w : offsets)
        offsetSum += w;
    const long double correction = offsetSum * offsetSum / static_cast<long double>(offsets.size());
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
