#pragma once

#include <optional>
#include <string>

namespace engine {
class TFunction;
}

namespace graph {

// An integral text "function;a;b" taken apart; a <= b.
struct IntegralText {
    std::string functionText;
    long double a = 0;
    long double b = 0;
};

// Nothing when the text lacks its two ";" or ends with one. Blanks may stand anywhere; the
// function text keeps them. A bound that is not a number throws common::ConversionError.
// Bounds given the wrong way round are exchanged.
std::optional<IntegralText> parseIntegralText(const std::string& text, char decimalSeparator);

// The trapezoidal rule with 1000 intervals; nothing when f is undefined at any of the points.
std::optional<long double> trapezoidIntegral(engine::TFunction& f, long double a, long double b);

// "Integral=0.33333" (5 significant digits), or the message that it could not be calculated.
std::string integralValueText(engine::TFunction& f, long double a, long double b, char decimalSeparator);

} // namespace graph
