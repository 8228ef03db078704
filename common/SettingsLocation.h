#pragma once

#include <filesystem>
#include <string_view>

namespace common {

// The settings file of a program: its own path with the extension replaced (".INI", ".ini").
// It lives beside the program when that folder is writable (portable use); otherwise the same
// file name is used in the user's configuration folder ($XDG_CONFIG_HOME, else ~/.config), in a
// folder named after the product, which is created when missing.
std::filesystem::path settingsFilePath(const std::filesystem::path& programPath, std::string_view extension,
                                       std::string_view productName);

} // namespace common
