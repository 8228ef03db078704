#pragma once

namespace engine {

// The separators of number texts that the compiler works with, set when the engine starts.
struct Separators {
    char decimal = '.';
    char thousands = ',';
};

void setSeparators(char decimalSeparator, char thousandsSeparator);
const Separators& currentSeparators();

// Character classes of function texts (after letter case and names have been normalised).
bool isDigit(char c);
// Digits, the exponent letter "E" and the decimal separator.
bool isNumberCharacter(char c);
// What may start a factor of an implied product: "(", the function codes, "e" and "x".
bool isFactorStart(char c);
// What ends the operand of a function or of a right-hand side: ) * + - /
bool isOperandStop(char c);
bool isSign(char c);
// Every character a normalised function text may contain.
bool isAllowedCharacter(char c);

} // namespace engine
