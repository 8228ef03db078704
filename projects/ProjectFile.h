#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace projects {

// A project file that cannot be used; the message names the problem and is shown as it is.
class ProjectFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A checked project file, split into the store's lines and the log block's lines.
struct ProjectFileContent {
    std::vector<std::string> storeLines;
    std::vector<std::string> logLines;
};

// The longest line a project file may have: far above four million values of a list, and it
// refuses a damaged file before its text is decoded and split.
inline constexpr std::size_t kMaxProjectFileLineLength = 64u << 20;
// The most lines a project file may have, far above any project and log a person writes.
inline constexpr std::size_t kMaxProjectFileLines = 5'000'000;

// Section headers of a project: "[" + name, "[Graf" + name, "[Axel" + name, "[Funk" + name.
std::vector<std::string> sectionHeaders(std::string_view projectName);

// Checks the text of a project file and moves its log block out. Everything the project
// operations read must be present: the project count, the names, each project's sections with
// their lines, and complete function records; otherwise ProjectFileError (nothing is allocated
// from a count before the lines it counts were found).
ProjectFileContent parseProjectFile(std::string bytes);

// Reads and parses a file: UTF-8, or Windows-1252 when the bytes are not valid UTF-8. A file that
// cannot be read throws std::runtime_error with the system's reason.
ProjectFileContent readProjectFile(const std::filesystem::path& path);

// The file text: the store lines, "[Log", the log lines and "EndOfLog", each ended by CR LF.
// Throws ProjectFileError when the text could not be loaded again (too many or too long lines).
std::string projectFileText(const std::vector<std::string>& storeLines,
                            const std::vector<std::string>& logLines);

} // namespace projects
