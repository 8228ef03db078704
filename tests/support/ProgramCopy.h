#pragma once

#include "tests/common/TempFolder.h"

#include <filesystem>
#include <string>

// A copy of a built program alone in a fresh folder with the source tree's language files and a
// settings file of the test's own, so a run reads that settings file and no other.
struct ProgramCopy {
    TempFolder folder;
    std::filesystem::path program;

    ProgramCopy(const std::filesystem::path& builtProgram, const std::string& settingsFileName,
                const std::string& settings) {
        program = folder / builtProgram.filename().string();
        std::filesystem::copy_file(builtProgram, program);
        for (const auto& entry : std::filesystem::directory_iterator(QUORRA_LANGUAGE_SOURCE_DIR))
            if (entry.path().extension() == ".lng")
                std::filesystem::copy_file(entry.path(), folder / entry.path().filename().string());
        TempFolder::write(folder / settingsFileName, settings);
    }
};
