#pragma once

#include "appkit/ProgramSetup.h"
#include "translation/Translator.h"

#include <QString>
#include <string_view>

namespace appkit {

// The text of a translation key as a window shows it.
inline QString translated(std::string_view key) {
    return toQt(translation::T(key));
}

} // namespace appkit
