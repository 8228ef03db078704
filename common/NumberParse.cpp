#include "common/NumberParse.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace common {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Decimal texts of at most 19 significant digits with a power of ten up to 10^27 are exact as long
// doubles on both sides, so one multiplication or division rounds them as the full conversion does.
constexpr int kExactDigits = 19;
constexpr int kExactPowers = 28;

constexpr std::array<long double, kExactPowers> exactPowersOfTen() {
    std::array<long double, kExactPowers> powers{};
    long double power = 1;
    for (long double& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}

// What a number text says, read in one pass: its sign, its first significant digits as a whole
// number and the power of ten that scales them.
struct NumberText {
    bool negative = false;
    std::uint64_t significand = 0;
    int significantDigits = 0;
    long long exponent = 0;
};

// The shape of a number text (blanks trimmed), or nothing when it is not one. `canonical`, when
// given, receives the text with "." as the decimal separator for the full conversion.
std::optional<NumberText> readNumberText(std::string_view text, char decimalSeparator,
                                         std::string* canonical) {
    NumberText number;
    const auto keep = [canonical](char c) {
        if (canonical)
            *canonical += c;
    };
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        if (number.negative)
            keep('-');
        ++i;
    }
    std::size_t mantissaDigits = 0;
    const auto addDigit = [&](char digit) {
        keep(digit);
        ++mantissaDigits;
        if (number.significantDigits == 0 && digit == '0')
            return;
        if (++number.significantDigits <= kExactDigits)
            number.significand = number.significand * 10 + static_cast<std::uint64_t>(digit - '0');
    };
    while (i < text.size() && isDigit(text[i]))
        addDigit(text[i++]);
    if (i < text.size() && text[i] == decimalSeparator) {
        keep('.');
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            addDigit(text[i++]);
            --number.exponent;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        keep('e');
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            keep(text[i++]);
        }
        std::size_t exponentDigits = 0;
        long long written = 0;
        while (i < text.size() && isDigit(text[i])) {
            written = std::min<long long>(written * 10 + (text[i] - '0'), 1'000'000);
            keep(text[i++]);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
        number.exponent += negativeExponent ? -written : written;
    }
    if (i != text.size())
        return std::nullopt;
    return number;
}

// The value when the quick exact conversion applies.
std::optional<long double> quickValue(const NumberText& number) {
    if (number.significantDigits == 0)
        return number.negative ? -0.0L : 0.0L;
    if (number.significantDigits > kExactDigits || number.exponent <= -kExactPowers ||
        number.exponent >= kExactPowers)
        return std::nullopt;
    static constexpr std::array<long double, kExactPowers> powers = exactPowersOfTen();
    const long double digits = static_cast<long double>(number.significand);
    const long double value = number.exponent < 0
                                  ? digits / powers[static_cast<std::size_t>(-number.exponent)]
                                  : digits * powers[static_cast<std::size_t>(number.exponent)];
    return number.negative ? -value : value;
}

} // namespace

std::optional<long double> tryParseFloat(std::string_view text, char decimalSeparator) {
    text = trimBlanks(text);
    const std::optional<NumberText> number = readNumberText(text, decimalSeparator, nullptr);
    if (!number)
        return std::nullopt;
    if (const std::optional<long double> value = quickValue(*number))
        return value;

    // The text rebuilt with "." so the conversion never depends on the process locale; strtold
    // under the "C" locale: overflow gives an infinity (refused), underflow a tiny number or 0.
    std::string canonical;
    canonical.reserve(text.size());
    readNumberText(text, decimalSeparator, &canonical);
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const long double value = strtold_l(canonical.c_str(), nullptr, cLocale);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

long double parseFloat(std::string_view text, char decimalSeparator) {
    if (const auto value = tryParseFloat(text, decimalSeparator))
        return *value;
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

std::optional<int> tryParseInt(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-'))
            return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

int parseInt(std::string_view text) {
    if (const auto value = tryParseInt(text))
        return *value;
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

} // namespace common
