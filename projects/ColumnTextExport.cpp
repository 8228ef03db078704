#include "projects/ColumnTextExport.h"

#include "projects/ColumnTextFormat.h"

#include <algorithm>

namespace projects {

namespace {

std::string quotedWhenNeeded(std::string_view cell, char separator) {
    const bool needsQuotes =
        cell.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos ||
        (!cell.empty() &&
         (cell.front() == ' ' || cell.front() == '\t' || cell.back() == ' ' || cell.back() == '\t'));
    if (!needsQuotes)
        return std::string(cell);
    std::string quoted = "\"";
    for (const char c : cell) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

int lastFilledRow(const DataLists& lists) {
    for (int row = lists.rowCount() - 1; row > 0; --row)
        for (int column = 1; column <= lists.yColumn(); ++column)
            if (!lists.isEmpty(column, row))
                return row;
    return 0;
}

} // namespace

std::string exportedColumnText(const DataLists& lists, const std::vector<std::string>& listNames,
                               ExportKind kind, char userDecimal) {
    const char separator = kind == ExportKind::Csv ? ',' : '\t';
    std::string text;
    const auto appendLine = [&](auto cellOf) {
        for (int column = 1; column <= lists.yColumn(); ++column) {
            if (column > 1)
                text += separator;
            text += quotedWhenNeeded(cellOf(column), separator);
        }
        text += "\r\n";
    };
    appendLine([&](int column) {
        const auto i = static_cast<std::size_t>(column - 1);
        return i < listNames.size() ? std::string(listNames[i]) : std::string(lists.listName(column));
    });
    const int rows = lastFilledRow(lists);
    for (int row = 1; row <= rows; ++row)
        appendLine([&](int column) {
            std::string cell(lists.cell(column, row));
            if (kind == ExportKind::Csv && userDecimal != '.' && isNumberCell(cell, userDecimal))
                std::replace(cell.begin(), cell.end(), userDecimal, '.');
            return cell;
        });
    return text;
}

} // namespace projects
