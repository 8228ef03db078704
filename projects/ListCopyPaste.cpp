#include "projects/ListCopyPaste.h"

#include <algorithm>

namespace projects {

std::vector<std::string> ListCopyPaste::readColumn(const DataLists& lists, int column) {
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(lists.rowCount()));
    for (int row = 0; row < lists.rowCount(); ++row)
        cells.emplace_back(lists.cell(column, row));
    return cells;
}

std::vector<std::string> ListCopyPaste::readRow(const DataLists& lists, int row) {
    std::vector<std::string> cells{DataLists::rowLabel(row)};
    for (int column = 1; column < lists.columnCount(); ++column)
        cells.emplace_back(lists.cell(column, row));
    return cells;
}

void ListCopyPaste::writeColumn(DataLists& lists, int column, const std::vector<std::string>& cells) {
    const int rows = std::max(lists.rowCount(), static_cast<int>(cells.size()));
    for (int row = 0; row < rows; ++row)
        lists.setCell(column, row,
                      static_cast<std::size_t>(row) < cells.size() ? cells[static_cast<std::size_t>(row)]
                                                                   : "");
}

void ListCopyPaste::writeRow(DataLists& lists, int row, const std::vector<std::string>& cells) {
    // Element 0 is the row number, which the grid computes itself.
    const int columns = std::max(lists.columnCount(), static_cast<int>(cells.size()));
    for (int column = 1; column < columns && column <= DataLists::kLastColumn; ++column)
        lists.setCell(
            column, row,
            static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : "");
}

std::string ListCopyPaste::copyColumn(const DataLists& lists, int column) {
    if (column < 1 || column >= lists.columnCount())
        return {};
    mode_ = Mode::Column;
    copyBuffer_ = readColumn(lists, column);
    hasCopy_ = true;
    std::string clipboard;
    const int length = lists.listLength(column);
    for (int row = 1; row <= length; ++row) {
        clipboard += lists.cell(column, row);
        clipboard += '\n';
    }
    return clipboard;
}

std::string ListCopyPaste::copyRow(const DataLists& lists, int row) {
    if (row < 1 || row >= lists.rowCount())
        return {};
    mode_ = Mode::Row;
    copyBuffer_ = readRow(lists, row);
    hasCopy_ = true;
    std::string clipboard;
    for (std::size_t column = 1; column < copyBuffer_.size(); ++column)
        clipboard += copyBuffer_[column] + '\n';
    return clipboard;
}

void ListCopyPaste::paste(DataLists& lists, int currentColumn, int currentRow) {
    if (!hasCopy_)
        return;
    std::vector<std::string> cells = copyBuffer_;
    if (mode_ == Mode::Column) {
        if (currentColumn < 1 || currentColumn >= lists.columnCount())
            return;
        undoBuffer_ = readColumn(lists, currentColumn);
        cells[0] = std::string(lists.header(currentColumn));
        writeColumn(lists, currentColumn, cells);
        pastedPosition_ = currentColumn;
    } else {
        if (currentRow < 1 || currentRow >= lists.rowCount())
            return;
        undoBuffer_ = readRow(lists, currentRow);
        cells[0] = DataLists::rowLabel(currentRow);
        writeRow(lists, currentRow, cells);
        pastedPosition_ = currentRow;
    }
    pastedMode_ = mode_;
    canUndo_ = true;
}

void ListCopyPaste::undoPaste(DataLists& lists) {
    if (!canUndo_)
        return;
    if (pastedMode_ == Mode::Column)
        writeColumn(lists, pastedPosition_, undoBuffer_);
    else
        writeRow(lists, pastedPosition_, undoBuffer_);
    canUndo_ = false;
}

} // namespace projects
