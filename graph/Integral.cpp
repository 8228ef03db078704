#include "graph/Integral.h"

#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "engine/TFunction.h"
#include "translation/Translator.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace graph {

namespace {
constexpr int TrapezoidIntervals = 1000;
constexpr int ValueDigits = 5;
} // namespace

std::optional<IntegralText> parseIntegralText(const std::string& text, char decimalSeparator) {
    std::string compact = text;
    compact.erase(std::remove(compact.begin(), compact.end(), ' '), compact.end());
    const std::size_t first = compact.find(';');
    if (first == std::string::npos || first + 1 == compact.size())
        return std::nullopt;
    const std::size_t second = compact.find(';', first + 1);
    if (second == std::string::npos || second + 1 == compact.size())
        return std::nullopt;
    IntegralText integral;
    integral.functionText = text.substr(0, text.find(';'));
    integral.a = common::parseFloat(compact.substr(first + 1, second - first - 1), decimalSeparator);
    integral.b = common::parseFloat(compact.substr(second + 1), decimalSeparator);
    if (integral.b < integral.a)
        std::swap(integral.a, integral.b);
    return integral;
}

std::optional<long double> trapezoidIntegral(engine::TFunction& f, long double a, long double b) {
    long double fa = 0;
    long double fb = 0;
    if (!f.Evaluate(a, fa) || !f.Evaluate(b, fb))
        return std::nullopt;
    const long double h = (b - a) / TrapezoidIntervals;
    long double sum = fa + fb;
    long double x = a;
    for (int i = 1; i < TrapezoidIntervals; ++i) {
        x += h;
        long double y = 0;
        if (!f.Evaluate(x, y))
            return std::nullopt;
        sum += 2 * y;
    }
    // Values near the end of the number range can add up beyond it.
    const long double value = sum * h * 0.5L;
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string integralValueText(engine::TFunction& f, long double a, long double b, char decimalSeparator) {
    const std::optional<long double> value = trapezoidIntegral(f, a, b);
    if (!value)
        return translation::T("ErrorWhenCalculatingIntegral");
    return translation::T("Integral") + "=" + common::formatGeneral(*value, ValueDigits, decimalSeparator);
}

} // namespace graph
