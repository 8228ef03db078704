#include "engine/NumberClasses.h"
#include "engine/TFunction.h"

namespace engine {

namespace {
Separators separators;
} // namespace

void setSeparators(char decimalSeparator, char thousandsSeparator) {
    separators = {decimalSeparator, thousandsSeparator};
}

const Separators& currentSeparators() {
    return separators;
}

bool TFunction::Compile(std::string_view, std::string& errorText) {
    ops_.clear();
    compiled_ = false;
    errorText = "not yet available";
    return false;
}

} // namespace engine
