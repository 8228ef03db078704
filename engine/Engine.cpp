#include "engine/Engine.h"

#include "engine/NumberClasses.h"

namespace engine {

bool UseRadians = true;

void StartEngine(char decimalSeparator, char thousandsSeparator) {
    setSeparators(decimalSeparator, thousandsSeparator);
    FunctionDB().Clear();
    UseRadians = true;
}

char decimalSeparator() {
    return currentSeparators().decimal;
}
char thousandsSeparator() {
    return currentSeparators().thousands;
}

} // namespace engine
