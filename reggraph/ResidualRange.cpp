#include "reggraph/ResidualRange.h"

#include "common/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace reggraph {

namespace {

// 1, 2 or 5 times a power of ten, the smallest of them at least span / 10.
long double tickStep(long double span) {
    const long double wanted = span / 10;
    const long double decade = std::pow(10.0L, std::floor(std::log10(wanted)));
    for (const long double factor : {1.0L, 2.0L, 5.0L})
        if (factor * decade >= wanted * (1 - 1e-12L))
            return factor * decade;
    return 10 * decade;
}

} // namespace

common::RangeTexts residualRange(std::span<const long double> against, std::span<const long double> residuals,
                                 char decimalSeparator) {
    long double low = 0, high = 1;
    if (!against.empty()) {
        const auto [least, most] = std::minmax_element(against.begin(), against.end());
        low = *least;
        high = *most;
    }
    long double margin = (high - low) / 20;
    if (!(margin > 0))
        margin = std::max(std::fabs(low), 1.0L) / 2;
    low -= margin;
    high += margin;

    long double largest = 0;
    for (const long double r : residuals)
        largest = std::max(largest, std::fabs(r));
    largest = largest > 0 ? largest * 1.1L : 1;

    const auto text = [decimalSeparator](long double v) {
        return common::formatGeneral(v, 15, decimalSeparator);
    };
    return {text(low),      text(high),    text(tickStep(high - low)),
            text(-largest), text(largest), text(tickStep(2 * largest))};
}

} // namespace reggraph
