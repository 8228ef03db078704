#include "engine/NumberClasses.h"

#include <string_view>

namespace engine {

namespace {

Separators separators;

bool isIn(char c, std::string_view members) {
    return c != 0 && members.find(c) != std::string_view::npos;
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
    return isIn(c, "(abcdegilmnoqrstx");
}

bool isOperandStop(char c) {
    return isIn(c, ")*+-/");
}

bool isSign(char c) {
    return c == '+' || c == '-';
}

bool isAllowedCharacter(char c) {
    return isIn(c, "*+-/^abcdegilmnoqrst") || isOperandStop(c) || isFactorStart(c) || isNumberCharacter(c);
}

} // namespace engine
