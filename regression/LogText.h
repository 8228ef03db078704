#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regression {

// The line that ends every block the engine writes to the log.
inline constexpr std::string_view kBlockEndLine = "--------------------------------------";

// Gk of the shared number format with the user's decimal separator.
std::string g3(long double value, char decimalSeparator);
std::string g10(long double value, char decimalSeparator);
std::string g15(long double value, char decimalSeparator);

// name + " = " + G10(value), or with `digits` other than 10.
std::string figureLine(std::string_view name, long double value, char decimalSeparator, int digits = 10);

// An equation term: " + " + G3(c) + suffix for c > 0, " - " + G3(|c|) + suffix for c < 0, nothing
// for c = 0 (exact comparisons).
std::string signedTerm(long double coefficient, std::string_view suffix, char decimalSeparator);

// The goodness-of-fit lines shared by the fits: the correlation, "R-sq = ...%", "s = ..." (or s
// with the translated `notCalculatedKey` when there is no s), the number of points and the block end.
void appendGoodnessLines(std::vector<std::string>& lines, long double r, long double rSquared,
                         std::optional<long double> s, std::string_view notCalculatedKey, std::size_t n,
                         char decimalSeparator, int digits = 10);
void appendPointCountAndEnd(std::vector<std::string>& lines, std::size_t n);

} // namespace regression
