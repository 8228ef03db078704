#pragma once

#include "translation/Translator.h"

#include <string>
#include <vector>

// Messages of the project files come from the English language file.
inline void useEnglishMessages() {
    static const bool loaded = [] {
        translation::translator().loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/tsyEnglish.lng");
        return true;
    }();
    (void)loaded;
}

// File text from lines, each ended by CR LF as the program writes them.
inline std::string crlfText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}
