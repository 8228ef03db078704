#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace common {

// A text that is not a number; the message is the one users see: "'abc' is not a valid ... value".
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Number text with the given decimal separator: blanks, optional sign, digits with an optional
// fraction, an optional exponent after "E" or "e", blanks. Nothing else is accepted, and values
// beyond the long double range are refused; values too small to represent become 0.
std::optional<long double> tryParseFloat(std::string_view text, char decimalSeparator = '.');

// As tryParseFloat, but a failure throws ConversionError "'text' is not a valid floating point value".
long double parseFloat(std::string_view text, char decimalSeparator = '.');

// Whole numbers for counts: blanks, optional sign, decimal digits, blanks; within the range of int.
std::optional<int> tryParseInt(std::string_view text);

// As tryParseInt, but a failure throws ConversionError "'text' is not a valid integer value".
int parseInt(std::string_view text);

} // namespace common
