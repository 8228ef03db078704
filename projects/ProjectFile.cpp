#include "projects/ProjectFile.h"

#include "common/NumberParse.h"
#include "common/TextCase.h"
#include "common/TextFile.h"
#include "projects/DataLists.h"
#include "projects/FunctionRecord.h"
#include "translation/Translator.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <unordered_map>

namespace projects {

namespace {

std::string message(std::string_view key, std::string_view detail) {
    std::string text = translation::T(key);
    if (const auto at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, detail);
    return text;
}

[[noreturn]] void fail(std::string_view key, std::size_t lineIndex) {
    throw ProjectFileError(message(key, std::to_string(lineIndex + 1)));
}

// Refuses too many lines or an over-long line by scanning the raw bytes, before any copy of the
// text is made: each line becomes a string of its own, so a file of empty lines would otherwise
// take many times its size in memory.
void checkLineShape(std::string_view bytes) {
    const auto countByte = [bytes](char wanted) {
        std::size_t count = 0;
        const char* at = bytes.data();
        const char* end = bytes.data() + bytes.size();
        while ((at = static_cast<const char*>(std::memchr(at, wanted, static_cast<std::size_t>(end - at)))) !=
               nullptr) {
            ++count;
            ++at;
        }
        return count;
    };
    const std::size_t lineFeeds = countByte('\n');
    const std::size_t carriageReturns = countByte('\r');
    if (std::max(lineFeeds, carriageReturns) > kMaxProjectFileLines)
        throw ProjectFileError(message("ProjectFileTooManyLines", std::to_string(kMaxProjectFileLines)));
    std::size_t lineIndex = 0;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const char* data = bytes.data() + start;
        const std::size_t remaining = bytes.size() - start;
        const void* lf = std::memchr(data, '\n', remaining);
        const std::size_t segment =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : remaining;
        std::string_view piece(data, segment);
        // A lone CR also ends a line; such files are rare, so split the segment only when needed.
        while (piece.size() > kMaxProjectFileLineLength) {
            const auto cr = piece.find('\r');
            if (cr == std::string_view::npos || cr > kMaxProjectFileLineLength)
                fail("ProjectFileLineTooLong", lineIndex);
            piece.remove_prefix(cr + 1);
            ++lineIndex;
        }
        if (!lf)
            break;
        ++lineIndex;
        start += segment + 1;
    }
}

// First-match look-up of whole lines ignoring letter case, indexed once for the lines that can be
// section headers.
class HeaderIndex {
public:
    explicit HeaderIndex(const std::vector<std::string>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (!lines[i].empty() && lines[i][0] == '[')
                first_.emplace(common::foldCase(lines[i]), i);
    }
    std::size_t find(const std::string& header) const {
        const auto found = first_.find(common::foldCase(header));
        if (found == first_.end())
            throw ProjectFileError(message("ProjectFileMissingSection", header));
        return found->second;
    }

private:
    std::unordered_map<std::string, std::size_t> first_; // emplace keeps the first index
};

void requireLine(const std::vector<std::string>& lines, std::size_t index) {
    if (index >= lines.size())
        fail("ProjectFileMissingLine", std::min(index, lines.size()));
}

int countAt(const std::vector<std::string>& lines, std::size_t index, std::string_view badKey) {
    requireLine(lines, index);
    const auto value = common::tryParseInt(lines[index]);
    if (!value || *value < 0)
        fail(badKey, index);
    return *value;
}

void checkValueCount(const std::string& dataLine, std::size_t index) {
    const auto values = static_cast<std::size_t>(std::count(dataLine.begin(), dataLine.end(), ';')) + 1;
    if (values >= static_cast<std::size_t>(DataLists::kMaxRowCount))
        fail("ProjectFileTooManyValues", index);
}

// Checks one project and returns the index just past its last record. The sections must follow
// each other as they are written, since deleting a project removes them as one block.
std::size_t checkProject(const std::vector<std::string>& lines, const HeaderIndex& index,
                         const std::string& name) {
    const auto headers = sectionHeaders(name);
    const std::size_t section = index.find(headers[0]);
    const int k = countAt(lines, section + 1, "ProjectFileBadVariableCount");
    if (k < DataLists::kMinVariables || k > DataLists::kMaxVariables)
        fail("ProjectFileBadVariableCount", section + 1);
    const auto lists = static_cast<std::size_t>(k) + 1;
    for (std::size_t i = 1; i <= lists; ++i) {
        requireLine(lines, section + 1 + i);
        checkValueCount(lines[section + 1 + i], section + 1 + i);
    }
    // Offsets from the "[" header: the Graf pair, the Axel triple and the Funk header.
    const std::size_t graf = section + lists + 2;
    const std::size_t axel = graf + 2;
    const std::size_t funk = axel + 3;
    for (const auto& [header, at] :
         {std::pair{headers[1], graf}, std::pair{headers[2], axel}, std::pair{headers[3], funk}})
        if (index.find(header) != at)
            throw ProjectFileError(message("ProjectFileMissingSection", header));
    requireLine(lines, graf + 1);
    requireLine(lines, axel + 2);
    const auto recordCount = static_cast<std::size_t>(countAt(lines, funk + 1, "ProjectFileBadCount"));
    // Compared with the lines that exist before anything is sized from it.
    if (recordCount > lines.size() - (funk + 2))
        fail("ProjectFileMissingLine", lines.size());
    for (std::size_t r = 0; r < recordCount; ++r)
        if (!isCompleteRecord(lines[funk + 2 + r]))
            fail("ProjectFileBadRecord", funk + 2 + r);
    return funk + 2 + recordCount;
}

} // namespace

std::vector<std::string> sectionHeaders(std::string_view projectName) {
    const std::string name(projectName);
    return {"[" + name, "[Graf" + name, "[Axel" + name, "[Funk" + name};
}

ProjectFileContent parseProjectFile(std::string bytes) {
    checkLineShape(bytes);
    ProjectFileContent content;
    std::vector<std::string>& lines = content.storeLines;
    {
        // Each copy of a large file is released as soon as the next one exists.
        const std::string text = common::decodeText(bytes);
        std::string().swap(bytes);
        lines = common::splitLines(text);
    }

    int projectCount = 0;
    try {
        projectCount = common::parseInt(lines.empty() ? std::string_view() : std::string_view(lines[0]));
    } catch (const common::ConversionError& error) {
        throw ProjectFileError(error.what());
    }
    if (projectCount < 0)
        fail("ProjectFileBadCount", 0);
    if (static_cast<std::size_t>(projectCount) >= lines.size())
        fail("ProjectFileMissingLine", lines.size());

    const HeaderIndex index(lines);
    std::size_t structureEnd = static_cast<std::size_t>(projectCount) + 1;
    for (std::size_t p = 1; p <= static_cast<std::size_t>(projectCount); ++p)
        structureEnd = std::max(structureEnd, checkProject(lines, index, lines[p]));

    // The log block is the first "[Log" line after every project's lines, so a project named
    // "Log" or a log line never splits the file in the wrong place.
    std::size_t logStart = structureEnd;
    while (logStart < lines.size() && !common::equalsIgnoringCase(lines[logStart], "[Log"))
        ++logStart;
    if (logStart == lines.size())
        return content;
    // Saving writes "EndOfLog" as the last line, so the last one ends the block: a log line that
    // reads "EndOfLog" stays in the log instead of cutting off the lines after it.
    std::size_t logEnd = lines.size();
    for (std::size_t i = lines.size(); i > logStart + 1; --i)
        if (lines[i - 1] == "EndOfLog") {
            logEnd = i - 1;
            break;
        }
    content.logLines.assign(
        std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(logStart) + 1),
        std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(logEnd)));
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(logStart),
                lines.begin() + static_cast<std::ptrdiff_t>(std::min(logEnd + 1, lines.size())));
    return content;
}

ProjectFileContent readProjectFile(const std::filesystem::path& path) {
    return parseProjectFile(common::readFileBytes(path));
}

std::string projectFileText(const std::vector<std::string>& storeLines,
                            const std::vector<std::string>& logLines) {
    static constexpr std::string_view kLineEnd = "\r\n";
    // A file is only written when it can be read again.
    if (storeLines.size() + logLines.size() + 2 > kMaxProjectFileLines)
        throw ProjectFileError(message("ProjectFileTooManyLines", std::to_string(kMaxProjectFileLines)));
    std::size_t size = 32;
    std::size_t lineIndex = 0;
    for (const auto* lines : {&storeLines, &logLines}) {
        for (const std::string& line : *lines) {
            if (line.size() > kMaxProjectFileLineLength)
                fail("ProjectFileLineTooLongToSave", lineIndex);
            size += line.size() + kLineEnd.size();
            ++lineIndex;
        }
        ++lineIndex; // "[Log" after the store lines
    }
    std::string text;
    text.reserve(size);
    const auto append = [&text](std::string_view line) {
        text += line;
        text += kLineEnd;
    };
    for (const std::string& line : storeLines)
        append(line);
    append("[Log");
    for (const std::string& line : logLines)
        append(line);
    append("EndOfLog");
    return text;
}

} // namespace projects
