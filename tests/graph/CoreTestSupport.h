#pragma once

#include "engine/Engine.h"
#include "translation/Translator.h"

// The engine with "." as decimal separator and the English texts of Quorra.
inline void startGraphTests() {
    engine::StartEngine('.', ',');
    translation::translator().setLanguageFiles(QUORRA_LANGUAGE_SOURCE_DIR, "qor");
    translation::translator().LoadLanguage("English");
}
