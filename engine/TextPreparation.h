#pragma once

#include <string>
#include <string_view>

namespace engine {

// A function text made ready for the passes: letter case normalised, domain taken out, e and pi
// written as numbers, blanks and thousands separators removed, names shortened to their codes,
// characters and parentheses checked, and the multiplications the user left out inserted.
struct PreparedText {
    std::string text;
    bool hasDomain = false;
    long double domainLower = 0;
    long double domainUpper = 0;
};

// Throws CompileError with the user's message when the text is refused.
PreparedText prepareText(std::string_view source);

} // namespace engine
