#pragma once

#include "projects/DataLists.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace projects {

// Cells as a spreadsheet or a text editor puts them on the clipboard: lines of tab-separated
// cells. Lines end with CR LF, LF or CR; a line ending at the end of the text starts no new line.
using CellTable = std::vector<std::vector<std::string>>;

CellTable parseCellTable(std::string_view text);

// The cells of columns firstColumn..lastColumn and rows firstRow..lastRow as tab-separated lines,
// each ended by a line break.
std::string cellTableText(const DataLists& lists, int firstColumn, int lastColumn, int firstRow, int lastRow);

// Pastes a cell table into the lists from a given cell on, growing the rows as needed, and puts
// back what one paste replaced.
class TablePaste {
public:
    // Writes row i, cell j of the table into column + j, row + i. Refuses, changing nothing, when
    // a cell holds a text the lists cannot keep (CellTextInvalid), or when the table reaches beyond
    // the lists of the project or the largest row count (PasteDoesNotFit); returns the
    // translation key of the message then. An empty table changes nothing.
    std::optional<std::string> paste(DataLists& lists, const CellTable& table, int column, int row);

    bool canUndo() const { return canUndo_; }
    // Puts back the cells and the row count from before the last paste.
    void undo(DataLists& lists);

private:
    CellTable replaced_;
    int column_ = 0;
    int row_ = 0;
    int rowCountBefore_ = 0;
    bool canUndo_ = false;
};

} // namespace projects
