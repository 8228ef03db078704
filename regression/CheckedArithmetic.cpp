#include "regression/CheckedArithmetic.h"

#include "regression/RegressionError.h"

#include <cmath>

namespace regression {

long double requireFinite(long double value) {
    if (std::isnan(value))
        throw RegressionError(kInvalidOperationMessage);
    if (std::isinf(value))
        throw RegressionError(kOverflowMessage);
    return value;
}

long double divide(long double numerator, long double denominator) {
    if (denominator == 0)
        throw RegressionError(numerator == 0 || std::isnan(numerator) ? kInvalidOperationMessage
                                                                      : kDivisionByZeroMessage);
    return requireFinite(numerator / denominator);
}

long double squareRoot(long double value) {
    if (value < 0)
        throw RegressionError(kInvalidOperationMessage);
    return requireFinite(std::sqrt(value));
}

long double naturalLogarithm(long double value) {
    if (value == 0)
        throw RegressionError(kDivisionByZeroMessage);
    if (value < 0)
        throw RegressionError(kInvalidOperationMessage);
    return requireFinite(std::log(value));
}

long double exponential(long double value) {
    return requireFinite(std::exp(requireFinite(value)));
}

} // namespace regression
