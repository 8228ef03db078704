#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace common {

class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the whole content to a temporary file in the target's folder and renames it over the
// target, so the target is either the old file or the complete new one. Existing permissions are
// kept. A failure leaves the target untouched and throws FileWriteError with the system's reason.
void writeFileAtomically(const std::filesystem::path& path, std::string_view content);

} // namespace common
