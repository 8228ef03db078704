#pragma once

#include <string>

namespace common {

// The general format with `significantDigits` digits: fixed notation when the rounded value's
// decimal exponent e (value = 0.d1d2... x 10^e) lies in -3 ... significantDigits, and for 0;
// otherwise scientific with one leading digit ("1.5E-7", "2E20"). Trailing zeros and a trailing
// separator are removed. Infinities and undefined values are written as "INF", "-INF" and "NAN".
std::string formatGeneral(long double value, int significantDigits, char decimalSeparator = '.');

// The plain conversion of a number to text, used wherever a number becomes text: 15 digits.
std::string formatPlain(long double value, char decimalSeparator = '.');

} // namespace common
