#include "common/NumberParse.h"

#include <charconv>
#include <clocale>
#include <cmath>
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

} // namespace

std::optional<long double> tryParseFloat(std::string_view text, char decimalSeparator) {
    text = trimBlanks(text);
    // Validate the whole shape first and rebuild it with "." so the conversion below never
    // depends on the process locale.
    std::string canonical;
    canonical.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            canonical += '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        canonical += text[i++];
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == decimalSeparator) {
        canonical += '.';
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            canonical += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        canonical += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            canonical += text[i++];
        std::size_t exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            canonical += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    // strtold under the "C" locale: overflow gives an infinity (refused), underflow a tiny number or 0.
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
