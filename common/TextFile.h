#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// Text files of both programs are UTF-8; files from the single-byte era are Windows-1252. Bytes
// that are valid UTF-8 are kept (without a byte order mark), anything else is read as Windows-1252.
std::string decodeText(std::string_view bytes);

// Splits text into lines ending at CR, LF or CR LF; a last line without an ending still counts.
std::vector<std::string> splitLines(std::string_view text);

// Reads a whole file as bytes; throws std::runtime_error with the system's reason on failure.
std::string readFileBytes(const std::filesystem::path& path);

// readFileBytes, decodeText and splitLines in one step.
std::vector<std::string> readTextLines(const std::filesystem::path& path);

} // namespace common
