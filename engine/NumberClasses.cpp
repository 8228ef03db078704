#include "engine/NumberClasses.h"

#include <array>
#include <string_view>

namespace engine {

namespace {

Separators separators;

using CharacterSet = std::array<bool, 256>;

constexpr CharacterSet setOf(std::string_view members) {
    CharacterSet set{};
    for (const char member : members)
        set[static_cast<unsigned char>(member)] = true;
    return set;
}

constexpr CharacterSet FactorStarts = setOf("(abcdegilmnoqrstx");
constexpr CharacterSet OperandStops = setOf(")*+-/");
// Letters and operators, operand stops, factor starts and number starts, except the decimal separator.
constexpr CharacterSet FixedMembers = setOf("*+-/^abcdegilmnoqrst)(x0123456789E");

bool isIn(char c, const CharacterSet& set) {
    return set[static_cast<unsigned char>(c)];
}

} // namespace

void setSeparators(char decimalSeparator, char thousandsSeparator) {
    separators = {decimalSeparator, thousandsSeparator};
}

const Separators& currentSeparators() {
    return separators;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isNumberCharacter(char c) {
    return isDigit(c) || c == 'E' || c == separators.decimal;
}

bool isFactorStart(char c) {
    return isIn(c, FactorStarts);
}

bool isOperandStop(char c) {
    return isIn(c, OperandStops);
}

bool isSign(char c) {
    return c == '+' || c == '-';
}

bool isAllowedCharacter(char c) {
    return isIn(c, FixedMembers) || c == separators.decimal;
}

} // namespace engine
