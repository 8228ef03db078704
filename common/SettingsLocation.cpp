#include "common/SettingsLocation.h"

#include <cstdlib>
#include <unistd.h>

namespace common {

std::filesystem::path settingsFilePath(const std::filesystem::path& programPath, std::string_view extension,
                                       std::string_view productName) {
    std::filesystem::path besideProgram = programPath;
    besideProgram.replace_extension(extension);
    const std::filesystem::path folder = besideProgram.has_parent_path() ? besideProgram.parent_path() : ".";
    if (::access(folder.c_str(), W_OK) == 0)
        return besideProgram;

    std::filesystem::path configHome;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        configHome = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        configHome = std::filesystem::path(home) / ".config";
    else
        return besideProgram;
    const std::filesystem::path productFolder = configHome / std::string(productName);
    std::error_code ignored;
    std::filesystem::create_directories(productFolder, ignored);
    return productFolder / besideProgram.filename();
}

} // namespace common
