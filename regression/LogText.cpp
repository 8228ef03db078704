#include "regression/LogText.h"

#include "common/NumberFormat.h"
#include "translation/Translator.h"

#include <cmath>

namespace regression {

std::string g3(long double value, char decimalSeparator) {
    return common::formatGeneral(value, 3, decimalSeparator);
}
std::string g10(long double value, char decimalSeparator) {
    return common::formatGeneral(value, 10, decimalSeparator);
}
std::string g15(long double value, char decimalSeparator) {
    return common::formatGeneral(value, 15, decimalSeparator);
}

std::string figureLine(std::string_view name, long double value, char decimalSeparator, int digits) {
    return std::string(name) + " = " + common::formatGeneral(value, digits, decimalSeparator);
}

std::string signedTerm(long double coefficient, std::string_view suffix, char decimalSeparator) {
    if (coefficient > 0)
        return " + " + g3(coefficient, decimalSeparator) + std::string(suffix);
    if (coefficient < 0)
        return " - " + g3(std::fabs(coefficient), decimalSeparator) + std::string(suffix);
    return {};
}

void appendGoodnessLines(std::vector<std::string>& lines, long double r, long double rSquared,
                         std::optional<long double> s, std::string_view notCalculatedKey, std::size_t n,
                         char decimalSeparator, int digits) {
    const auto figure = [&](long double value) {
        return common::formatGeneral(value, digits, decimalSeparator);
    };
    lines.push_back(figureLine(translation::T("LCorrelation"), r, decimalSeparator, digits));
    lines.push_back("R-sq = " + figure(100 * rSquared) + "%");
    lines.push_back(s ? "s = " + figure(*s) : "s = " + translation::T(notCalculatedKey));
    appendPointCountAndEnd(lines, n);
}

void appendPointCountAndEnd(std::vector<std::string>& lines, std::size_t n) {
    lines.push_back(translation::T("LNumberofPoints") + " = " + std::to_string(n));
    lines.emplace_back(kBlockEndLine);
}

} // namespace regression
