#include "engine/Engine.h"

#include "engine/NumberClasses.h"

namespace engine {

void StartEngine(char decimalSeparator, char thousandsSeparator) {
    setSeparators(decimalSeparator, thousandsSeparator);
    FunctionDB().Clear();
}

char decimalSeparator() {
    return currentSeparators().decimal;
}
char thousandsSeparator() {
    return currentSeparators().thousands;
}

} // namespace engine
