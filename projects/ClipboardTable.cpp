#include "projects/ClipboardTable.h"

#include "projects/NameChecks.h"

#include <algorithm>

namespace projects {

namespace {

bool isEmptyRow(const DataLists& lists, int row) {
    for (int column = 1; column <= DataLists::kLastColumn; ++column)
        if (!lists.isEmpty(column, row))
            return false;
    return true;
}

} // namespace

CellTable parseCellTable(std::string_view text) {
    CellTable table;
    std::vector<std::string> line{std::string()};
    bool lineOpen = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            table.push_back(std::move(line));
            line = {std::string()};
            lineOpen = false;
        } else if (c == '\t') {
            line.emplace_back();
            lineOpen = true;
        } else {
            line.back() += c;
            lineOpen = true;
        }
    }
    if (lineOpen)
        table.push_back(std::move(line));
    return table;
}

std::string cellTableText(const DataLists& lists, int firstColumn, int lastColumn, int firstRow,
                          int lastRow) {
    std::string text;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (column > firstColumn)
                text += '\t';
            text += lists.cell(column, row);
        }
        text += '\n';
    }
    return text;
}

std::optional<std::string> TablePaste::paste(DataLists& lists, const CellTable& table, int column, int row) {
    if (table.empty())
        return std::nullopt;
    std::size_t width = 0;
    for (const auto& line : table) {
        width = std::max(width, line.size());
        for (const std::string& cell : line)
            if (auto refusal = checkCellText(cell))
                return refusal;
    }
    const auto lastColumn = static_cast<std::size_t>(column) + width - 1;
    const auto lastRow = static_cast<std::size_t>(row) + table.size() - 1;
    if (column < 1 || row < 1 || lastColumn > static_cast<std::size_t>(lists.yColumn()) ||
        lastRow >= static_cast<std::size_t>(DataLists::kMaxRowCount))
        return "PasteDoesNotFit";

    rowCountBefore_ = lists.rowCount();
    column_ = column;
    row_ = row;
    replaced_.assign(table.size(), {});
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int targetRow = row + static_cast<int>(i);
        for (std::size_t j = 0; j < table[i].size(); ++j) {
            const int targetColumn = column + static_cast<int>(j);
            replaced_[i].emplace_back(lists.cell(targetColumn, targetRow));
            lists.setCell(targetColumn, targetRow, table[i][j]);
        }
    }
    canUndo_ = true;
    return std::nullopt;
}

void TablePaste::undo(DataLists& lists) {
    if (!canUndo_)
        return;
    for (std::size_t i = 0; i < replaced_.size(); ++i)
        for (std::size_t j = 0; j < replaced_[i].size(); ++j)
            lists.setCell(column_ + static_cast<int>(j), row_ + static_cast<int>(i), replaced_[i][j]);
    // Rows the paste added go again, unless something was typed into them since.
    int rows = lists.rowCount();
    while (rows > rowCountBefore_ && isEmptyRow(lists, rows - 1))
        --rows;
    lists.setRowCount(rows);
    replaced_.clear();
    canUndo_ = false;
}

} // namespace projects
