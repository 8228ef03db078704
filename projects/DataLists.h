#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace projects {

// The data lists of the current project, as the lists grid shows them: a fixed header row 0 and
// data rows 1..rowCount()-1; column 0 holds the row numbers, columns 1..k the independent variables
// X1..Xk and column k+1 the Y list (k = 1..5). Cells hold the text exactly as typed; numbers are
// parsed only when a computation reads them. Columns up to kLastColumn are always kept, so cells of
// columns beyond k+1 survive a change of k until Clear all.
class DataLists {
public:
    static constexpr int kMinVariables = 1;
    static constexpr int kMaxVariables = 5;
    static constexpr int kLastColumn = 6;          // columns 0..6: row numbers and six lists
    static constexpr int kMinRowCount = 41;        // the header row and 40 data rows
    static constexpr int kMaxRowCount = 4'000'001; // the header row and four million data rows

    DataLists();

    // --- Shape ---
    // Number of independent variables k; the grid shows k + 2 columns.
    int variableCount() const { return variableCount_; }
    // Throws std::invalid_argument outside 1..5. Cells are kept.
    void setVariableCount(int k);
    int columnCount() const { return variableCount_ + 2; }
    int yColumn() const { return variableCount_ + 1; }

    // Rows of the grid including the header row; never below kMinRowCount.
    int rowCount() const { return rowCount_; }
    // Clamped to kMinRowCount..kMaxRowCount; cells of rows cut off are dropped.
    void setRowCount(int rows);
    // Prepares a list for `rows` data rows without changing what the grid shows, so filling it
    // row by row does not reallocate.
    void reserveRows(int column, int rows);

    // --- Cells ---
    // Text of a list cell: column 1..kLastColumn, row 1..rowCount()-1; row 0 is the header. Empty
    // outside the grid. The view stays valid until the next change of the lists.
    std::string_view cell(int column, int row) const;
    // Writes a list cell or header (row 0). Writing below the last row grows the row count up to
    // kMaxRowCount; writes outside columns 1..kLastColumn or rows 0..kMaxRowCount-1 are ignored.
    void setCell(int column, int row, std::string_view text);
    bool isEmpty(int column, int row) const { return cell(column, row).empty(); }

    // Column 0: "" for the header row, the row number otherwise.
    static std::string rowLabel(int row);

    // Header cell of a column, e.g. "X2: Weight" or "Y: Height".
    std::string_view header(int column) const { return cell(column, 0); }
    void setHeader(int column, std::string_view text) { setCell(column, 0, text); }
    // The header a list of the current project gets: "X" + i + ": " + name, or "Y: " + name for
    // the Y column.
    std::string headerFor(int column, std::string_view listName) const;
    // The bare list name of a header: without its "Xi: " or "Y: " prefix.
    std::string_view listName(int column) const;

    // Number text of a cell, parsed with the given decimal separator; throws
    // common::ConversionError "'%s' is not a valid floating point value" for a non-number.
    long double number(int column, int row, char decimalSeparator = '.') const;

    // --- Derived counts ---
    // Leading rows, from row 1, in which every column 1..k+1 is non-empty.
    int completeRowCount() const;
    // Consecutive non-empty cells of a column from row 1.
    int listLength(int column) const;

    // --- List operations ---
    // Typing Tab or Down arrow in `currentRow`: when fewer than 7 rows remain below it, the grid
    // grows to currentRow + 7 rows.
    void growWhileTyping(int currentRow);
    // Empties `currentRow` in columns 1..k+1, moving its cells and those below one row down; the
    // grid grows by one row.
    void insertRow(int currentRow);
    // Moves the cells of columns 1..k+1 below `currentRow` one row up (the last row becomes empty)
    // and shrinks the grid by one row when it has more than kMinRowCount rows.
    void deleteRow(int currentRow);
    // Sorts rows 1..listLength(column) ascending by the numbers in `column`, moving whole rows of
    // columns 1..k+1; rows with equal numbers keep their order. A cell that is not a number throws
    // common::ConversionError and leaves every row as it was.
    void sortByList(int column, char decimalSeparator = '.');
    // Empties every cell and header except the headers of columns 1..k+1 and sets the row count
    // back to kMinRowCount.
    void clearAll();
    // Empties every cell and header of columns 1..kLastColumn; the row count is kept.
    void clearColumns();

    // Bytes held by the cells, for measurements.
    std::size_t memoryUsage() const;

    // Changes with every change of a cell, a header or the shape, and with every assignment to
    // these lists, so a reader that keeps what it read under the lists' address and revision
    // never takes new contents for old. Lists that were never changed share revision 0.
    std::uint64_t revision() const { return revision_.value; }

private:
    // An assignment gives the target a revision above both its own and the source's.
    struct Revision {
        std::uint64_t value = 0;
        Revision() = default;
        Revision(const Revision&) = default;
        Revision& operator=(const Revision& other) {
            value = std::max(value, other.value) + 1;
            return *this;
        }
    };

    // A cell text: up to 15 bytes inline, longer texts in the column's pool of long texts.
    struct Cell {
        static constexpr std::uint8_t kPooled = 0xFF;
        std::array<char, 15> bytes{};
        std::uint8_t size = 0; // inline length 0..15, or kPooled
    };
    struct Column {
        std::vector<Cell> cells; // data rows 1.. at index row-1
        std::vector<std::string> pool;
        std::vector<std::uint32_t> freePoolSlots;
        std::string header;
    };

    std::string_view textOf(const Column& column, const Cell& cell) const;
    void assign(Column& column, Cell& cell, std::string_view text);
    void release(Column& column, Cell& cell);
    void resizeColumns(int rows);

    int variableCount_ = 1;
    int rowCount_ = kMinRowCount;
    std::array<Column, kLastColumn + 1> columns_; // index 0 unused: row numbers are computed
    Revision revision_;
};

} // namespace projects
