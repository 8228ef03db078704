#include "regression/RegressionResult.h"

#include <cmath>

namespace regression {

void RegressionResult::setModelKind(std::string_view kind) {
    modelKindText_ = std::string(kind);
    kind_ = modelKindFromText(kind);
}

void RegressionResult::setModelKind(ModelKind kind) {
    modelKindText_ = std::string(modelKindText(kind));
    kind_ = kind;
}

long double RegressionResult::Evaluate(long double x) {
    if (!kind_)
        return value;
    const auto& c = polynomialCoefficients;
    const long double square = x * x;
    switch (*kind_) {
    case ModelKind::Linear:
    case ModelKind::Multiple:
        value = b * x + a;
        break;
    case ModelKind::Logarithmic:
        value = b * std::log(x) + a;
        break;
    case ModelKind::Exponential:
        value = a * std::exp(b * x);
        break;
    case ModelKind::Power:
        value = a * std::exp(b * std::log(x));
        break;
    case ModelKind::Reciprocal:
        value = (b * 1) / x + a;
        break;
    case ModelKind::Polynomial2:
    case ModelKind::Polynomial3:
    case ModelKind::Polynomial4:
    case ModelKind::Polynomial5: {
        // Built up term by term, each degree adding its term to the lower degree's value.
        const int degree = polynomialDegree(*kind_);
        long double sum = c[2] * square + (c[1] * x + c[0]);
        if (degree >= 3)
            sum = sum + c[3] * square * x;
        if (degree >= 4)
            sum = sum + square * (c[4] * square);
        if (degree >= 5)
            sum = sum + x * square * (c[5] * square);
        value = sum;
        break;
    }
    }
    return value;
}

long double RegressionResult::Inverse(long double y) {
    if (kind_ && (*kind_ == ModelKind::Linear || *kind_ == ModelKind::Multiple) && b != 0)
        inverseValue = (y - a) / b;
    return inverseValue;
}

RegressionResult& regressionResult() {
    static RegressionResult result;
    return result;
}

} // namespace regression
