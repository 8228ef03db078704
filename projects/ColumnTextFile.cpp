#include "projects/ColumnTextFile.h"

#include "common/NumberParse.h"
#include "common/TextFile.h"
#include "translation/Translator.h"

#include <algorithm>
#include <optional>

namespace projects {

namespace {

enum class Separator { Tab, Semicolon, Comma, Blanks };

// The first of tab, semicolon and comma that any line holds; blanks otherwise.
Separator detectSeparator(const std::vector<std::string>& lines) {
    bool semicolon = false;
    bool comma = false;
    for (const std::string& line : lines) {
        if (line.find('\t') != std::string::npos)
            return Separator::Tab;
        semicolon = semicolon || line.find(';') != std::string::npos;
        comma = comma || line.find(',') != std::string::npos;
    }
    if (semicolon)
        return Separator::Semicolon;
    return comma ? Separator::Comma : Separator::Blanks;
}

constexpr std::string_view Blanks = " \t";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::vector<std::string_view> splitFields(std::string_view line, Separator separator) {
    std::vector<std::string_view> fields;
    if (separator == Separator::Blanks) {
        for (std::size_t start = line.find_first_not_of(Blanks); start != std::string_view::npos;) {
            const std::size_t end = line.find_first_of(Blanks, start);
            fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
            start = end == std::string_view::npos ? end : line.find_first_not_of(Blanks, end);
        }
        return fields;
    }
    const char mark = separator == Separator::Tab ? '\t' : separator == Separator::Semicolon ? ';' : ',';
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(mark, start);
        fields.push_back(trimmed(line.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

// The number text with "." as the decimal separator, or nothing when the field is not a number.
std::optional<std::string> numberText(std::string_view field, bool commaDecimal) {
    if (common::tryParseFloat(field, '.'))
        return std::string(field);
    if (!commaDecimal || !common::tryParseFloat(field, ','))
        return std::nullopt;
    std::string text(field);
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

[[noreturn]] void fail(const char* key, std::size_t lineIndex, std::string_view detail) {
    throw ColumnTextError(translation::T(key) + " " + std::to_string(lineIndex + 1) + ": " +
                          std::string(detail));
}

bool isBlankLine(std::string_view line) {
    return trimmed(line).empty();
}

std::vector<std::string> defaultListNames(int variableCount) {
    std::vector<std::string> names;
    if (variableCount == 1)
        names.emplace_back("X");
    else
        for (int i = 1; i <= variableCount; ++i)
            names.push_back("X" + std::to_string(i));
    names.emplace_back("Y");
    return names;
}

} // namespace

ColumnTextData parseColumnText(std::string_view text) {
    const std::vector<std::string> lines = common::splitLines(text);
    const Separator separator = detectSeparator(lines);
    const bool commaDecimal = separator == Separator::Tab || separator == Separator::Semicolon;

    std::size_t first = 0;
    while (first < lines.size() && isBlankLine(lines[first]))
        ++first;
    if (first == lines.size())
        throw ColumnTextError(translation::T("ColumnFileNoData"));

    const std::vector<std::string_view> firstFields = splitFields(lines[first], separator);
    const int columns = static_cast<int>(firstFields.size());
    if (columns < DataLists::kMinVariables + 1 || columns > DataLists::kMaxVariables + 1)
        fail("ColumnFileColumnCount", first, std::to_string(columns));
    const bool hasHeader = std::any_of(firstFields.begin(), firstFields.end(), [&](std::string_view field) {
        return !numberText(field, commaDecimal);
    });

    ColumnTextData data;
    const int variableCount = columns - 1;
    data.lists.setVariableCount(variableCount);
    data.listNames = defaultListNames(variableCount);
    if (hasHeader)
        for (int c = 0; c < columns; ++c)
            if (!firstFields[c].empty())
                data.listNames[c] = std::string(firstFields[c]);

    int row = 0;
    for (std::size_t index = hasHeader ? first + 1 : first; index < lines.size(); ++index) {
        if (isBlankLine(lines[index]))
            continue;
        const std::vector<std::string_view> fields = splitFields(lines[index], separator);
        if (static_cast<int>(fields.size()) != columns)
            fail("ColumnFileRowLength", index, std::to_string(fields.size()));
        if (row + 1 >= DataLists::kMaxRowCount)
            throw ColumnTextError(translation::T("ColumnFileTooManyRows"));
        ++row;
        for (int c = 0; c < columns; ++c) {
            const std::optional<std::string> number = numberText(fields[c], commaDecimal);
            if (!number)
                fail("ColumnFileNotANumber", index, "'" + std::string(fields[c]) + "'");
            data.lists.setCell(c + 1, row, *number);
        }
    }
    if (row == 0)
        throw ColumnTextError(translation::T("ColumnFileNoData"));
    for (int c = 1; c <= columns; ++c)
        data.lists.setHeader(c, data.lists.headerFor(c, data.listNames[c - 1]));
    return data;
}

ColumnTextData readColumnTextFile(const std::filesystem::path& path) {
    return parseColumnText(common::decodeText(common::readFileBytes(path)));
}

} // namespace projects
