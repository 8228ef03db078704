#pragma once

#include "engine/TFunction.h"
#include "translation/Translator.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fuzzing {

// A file of this process in the temporary folder, so parallel fuzzers never share one.
inline std::filesystem::path scratchFile(std::string_view name) {
    return std::filesystem::temp_directory_path() /
           ("quorra-fuzz-" + std::to_string(::getpid()) + "-" + std::string(name));
}

inline void writeScratchFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Messages come from a real language file, as in the programs; missing keys are not an error here.
inline void loadMessages(const char* languageFile) {
    translation::translator().setMissingKeyHandler([](const std::string&) {});
    translation::translator().loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/" + languageFile);
}

// Evaluations of plain operations one value of `function` costs: a derivative takes up to a hundred
// values of the function it differentiates. Lets a target skip work that is slow by design.
inline long double evaluationCost(const engine::TFunction& function) {
    long double cost = 0;
    for (const engine::TOp& op : function.ops())
        cost += 1 + (op.SubFunction ? 100 * evaluationCost(*op.SubFunction) : 0);
    return cost;
}

// Stops the fuzzer with a report when an invariant the callers rely on is broken.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);                     \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

} // namespace fuzzing
