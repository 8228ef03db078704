#pragma once

namespace engine {

// The separators of number texts that the compiler works with.
struct Separators {
    char decimal = '.';
    char thousands = ',';
};

void setSeparators(char decimalSeparator, char thousandsSeparator);
const Separators& currentSeparators();

} // namespace engine
