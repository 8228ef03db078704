// An opened language file: loaded, then looked up by keys of its own lines and by keys it lacks.
#include "FuzzSupport.h"

#include "common/TextFile.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path file = fuzzing::scratchFile("language.lng");
    fuzzing::writeScratchFile(file, data, size);
    translation::Translator translator;
    translator.setMissingKeyHandler([](const std::string& message) { FUZZ_CHECK(!message.empty()); });
    try {
        translator.loadFile(file);
    } catch (const translation::LanguageLoadError&) {
        return 0;
    }
    int lookups = 0;
    for (const std::string& line : common::splitLines(common::decodeText(fuzzing::asText(data, size)))) {
        if (++lookups > 64)
            break;
        std::string key = line.substr(0, line.find('='));
        std::string value = translator.Translate(key, "fallback");
        std::string destination = "unchanged";
        if (!translator.Translate(key, destination))
            FUZZ_CHECK(destination == "unchanged");
    }
    translator.Translate("SurelyNotAKeyOfAnyLanguageFile");
    translator.Translate("");
    return 0;
}
