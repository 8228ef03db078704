#include "projects/DataLists.h"

#include "common/NumberParse.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace projects {

DataLists::DataLists() = default;

void DataLists::setVariableCount(int k) {
    if (k < kMinVariables || k > kMaxVariables)
        throw std::invalid_argument("number of variables out of range: " + std::to_string(k));
    variableCount_ = k;
    ++revision_.value;
}

void DataLists::setRowCount(int rows) {
    ++revision_.value;
    rowCount_ = std::clamp(rows, kMinRowCount, kMaxRowCount);
    resizeColumns(rowCount_);
}

void DataLists::reserveRows(int column, int rows) {
    if (column >= 1 && column <= kLastColumn)
        columns_[column].cells.reserve(static_cast<std::size_t>(std::clamp(rows, 0, kMaxRowCount - 1)));
}

void DataLists::resizeColumns(int rows) {
    const auto dataRows = static_cast<std::size_t>(rows - 1);
    for (int c = 1; c <= kLastColumn; ++c) {
        Column& column = columns_[c];
        if (column.cells.size() <= dataRows)
            continue;
        for (std::size_t i = dataRows; i < column.cells.size(); ++i)
            release(column, column.cells[i]);
        column.cells.resize(dataRows);
    }
}

std::string_view DataLists::textOf(const Column& column, const Cell& cell) const {
    if (cell.size != Cell::kPooled)
        return {cell.bytes.data(), cell.size};
    std::uint32_t slot;
    std::memcpy(&slot, cell.bytes.data(), sizeof slot);
    return column.pool[slot];
}

void DataLists::release(Column& column, Cell& cell) {
    if (cell.size == Cell::kPooled) {
        std::uint32_t slot;
        std::memcpy(&slot, cell.bytes.data(), sizeof slot);
        column.pool[slot] = std::string();
        column.freePoolSlots.push_back(slot);
    }
    cell.size = 0;
}

void DataLists::assign(Column& column, Cell& cell, std::string_view text) {
    release(column, cell);
    if (text.size() < Cell::kPooled && text.size() <= cell.bytes.size()) {
        std::memcpy(cell.bytes.data(), text.data(), text.size());
        cell.size = static_cast<std::uint8_t>(text.size());
        return;
    }
    std::uint32_t slot;
    if (!column.freePoolSlots.empty()) {
        slot = column.freePoolSlots.back();
        column.freePoolSlots.pop_back();
        column.pool[slot] = std::string(text);
    } else {
        slot = static_cast<std::uint32_t>(column.pool.size());
        column.pool.emplace_back(text);
    }
    std::memcpy(cell.bytes.data(), &slot, sizeof slot);
    cell.size = Cell::kPooled;
}

std::string_view DataLists::cell(int column, int row) const {
    if (column < 1 || column > kLastColumn || row < 0)
        return {};
    const Column& col = columns_[column];
    if (row == 0)
        return col.header;
    const auto index = static_cast<std::size_t>(row - 1);
    if (row >= rowCount_ || index >= col.cells.size())
        return {};
    return textOf(col, col.cells[index]);
}

void DataLists::setCell(int column, int row, std::string_view text) {
    ++revision_.value;
    if (column < 1 || column > kLastColumn || row < 0 || row >= kMaxRowCount)
        return;
    Column& col = columns_[column];
    if (row == 0) {
        col.header = std::string(text);
        return;
    }
    const auto index = static_cast<std::size_t>(row - 1);
    if (index >= col.cells.size()) {
        if (text.empty())
            return;
        col.cells.resize(index + 1);
    }
    if (row >= rowCount_)
        rowCount_ = row + 1;
    assign(col, col.cells[index], text);
}

std::string DataLists::rowLabel(int row) {
    return row <= 0 ? std::string() : std::to_string(row);
}

std::string DataLists::headerFor(int column, std::string_view listName) const {
    std::string header = "Y: ";
    if (column != yColumn()) {
        header = "X";
        header += std::to_string(column);
        header += ": ";
    }
    header += listName;
    return header;
}

std::string_view DataLists::listName(int column) const {
    std::string_view text = header(column);
    text.remove_prefix(std::min<std::size_t>(text.size(), column == yColumn() ? 3 : 4));
    return text;
}

long double DataLists::number(int column, int row, char decimalSeparator) const {
    return common::parseFloat(cell(column, row), decimalSeparator);
}

int DataLists::completeRowCount() const {
    int count = 0;
    while (count + 1 < rowCount_) {
        for (int c = 1; c <= yColumn(); ++c)
            if (isEmpty(c, count + 1))
                return count;
        ++count;
    }
    return count;
}

int DataLists::listLength(int column) const {
    int length = 0;
    while (length + 1 < rowCount_ && !isEmpty(column, length + 1))
        ++length;
    return length;
}

void DataLists::growWhileTyping(int currentRow) {
    if (rowCount_ - currentRow < 7)
        setRowCount(currentRow + 7);
}

void DataLists::insertRow(int currentRow) {
    if (currentRow < 1 || currentRow >= rowCount_ || rowCount_ >= kMaxRowCount)
        return;
    ++revision_.value;
    ++rowCount_;
    const auto index = static_cast<std::size_t>(currentRow - 1);
    for (int c = 1; c <= yColumn(); ++c) {
        Column& col = columns_[c];
        if (index < col.cells.size())
            col.cells.insert(col.cells.begin() + static_cast<std::ptrdiff_t>(index), Cell{});
    }
}

void DataLists::deleteRow(int currentRow) {
    if (currentRow < 1 || currentRow >= rowCount_)
        return;
    ++revision_.value;
    const auto index = static_cast<std::size_t>(currentRow - 1);
    for (int c = 1; c <= yColumn(); ++c) {
        Column& col = columns_[c];
        if (index < col.cells.size()) {
            release(col, col.cells[index]);
            col.cells.erase(col.cells.begin() + static_cast<std::ptrdiff_t>(index));
        }
    }
    if (rowCount_ > kMinRowCount)
        setRowCount(rowCount_ - 1);
}

void DataLists::sortByList(int column, char decimalSeparator) {
    if (column < 1 || column > yColumn())
        return;
    const int length = listLength(column);
    if (length < 2)
        return;
    // Parse every key before moving anything, so a text that is not a number leaves all rows as
    // they were. A stable sort of the keys moves rows exactly as repeated neighbour swaps of
    // strictly smaller values would.
    struct Key {
        long double value;
        std::uint32_t row;
    };
    std::vector<Key> keys(static_cast<std::size_t>(length));
    for (int row = 1; row <= length; ++row)
        keys[static_cast<std::size_t>(row - 1)] = {number(column, row, decimalSeparator),
                                                   static_cast<std::uint32_t>(row - 1)};
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return a.value < b.value; });

    ++revision_.value;
    std::vector<Cell> sorted(keys.size());
    for (int c = 1; c <= yColumn(); ++c) {
        Column& col = columns_[c];
        if (col.cells.size() < keys.size())
            col.cells.resize(keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i)
            sorted[i] = col.cells[keys[i].row];
        std::copy(sorted.begin(), sorted.end(), col.cells.begin());
    }
}

void DataLists::clearColumns() {
    ++revision_.value;
    for (int c = 1; c <= kLastColumn; ++c)
        columns_[c] = Column{};
}

void DataLists::clearAll() {
    std::array<std::string, kLastColumn + 1> headers;
    for (int c = 1; c <= yColumn(); ++c)
        headers[c] = columns_[c].header;
    clearColumns();
    rowCount_ = kMinRowCount;
    for (int c = 1; c <= yColumn(); ++c)
        columns_[c].header = std::move(headers[c]);
}

std::size_t DataLists::memoryUsage() const {
    std::size_t bytes = sizeof(*this);
    for (const Column& col : columns_) {
        bytes += col.cells.capacity() * sizeof(Cell) + col.freePoolSlots.capacity() * sizeof(std::uint32_t);
        bytes += col.pool.capacity() * sizeof(std::string) + col.header.capacity();
        for (const std::string& text : col.pool)
            bytes += text.capacity() > 15 ? text.capacity() : 0;
    }
    return bytes;
}

} // namespace projects
