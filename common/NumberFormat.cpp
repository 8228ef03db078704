#include "common/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace common {

namespace {

// Removes trailing zeros of a fraction and then a trailing separator.
void trimFraction(std::string& digits, char decimalSeparator) {
    if (digits.find(decimalSeparator) == std::string::npos)
        return;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (!digits.empty() && digits.back() == decimalSeparator)
        digits.pop_back();
}

} // namespace

std::string formatGeneral(long double value, int significantDigits, char decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    significantDigits = std::clamp(significantDigits, 1, 18);
    if (value == 0)
        return "0";

    // "%.*Le" rounds correctly and carries into the exponent (9.9996 -> "1.00e+01" in G3).
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", significantDigits - 1, value);
    const std::string scientific = buffer;
    const std::size_t ePos = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + ePos + 1);
    const bool negative = scientific[0] == '-';
    std::string mantissaDigits;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (scientific[i] >= '0' && scientific[i] <= '9')
            mantissaDigits += scientific[i];

    // exponent is that of d.ddd x 10^exponent; the rule speaks of 0.ddd x 10^(exponent + 1).
    const int decimalExponent = exponent + 1;
    std::string result = negative ? "-" : "";
    if (decimalExponent >= -3 && decimalExponent <= significantDigits) {
        std::string fixed;
        if (decimalExponent <= 0) {
            fixed = "0";
            fixed += decimalSeparator;
            fixed.append(static_cast<std::size_t>(-decimalExponent), '0');
            fixed += mantissaDigits;
        } else {
            const auto integerDigits = static_cast<std::size_t>(decimalExponent);
            if (mantissaDigits.size() < integerDigits)
                mantissaDigits.append(integerDigits - mantissaDigits.size(), '0');
            fixed = mantissaDigits.substr(0, integerDigits);
            if (mantissaDigits.size() > integerDigits) {
                fixed += decimalSeparator;
                fixed += mantissaDigits.substr(integerDigits);
            }
        }
        trimFraction(fixed, decimalSeparator);
        return result + fixed;
    }

    std::string mantissa = mantissaDigits.substr(0, 1);
    if (mantissaDigits.size() > 1) {
        mantissa += decimalSeparator;
        mantissa += mantissaDigits.substr(1);
    }
    trimFraction(mantissa, decimalSeparator);
    return result + mantissa + "E" + std::to_string(exponent);
}

std::string formatPlain(long double value, char decimalSeparator) {
    return formatGeneral(value, 15, decimalSeparator);
}

} // namespace common
