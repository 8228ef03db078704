#pragma once

#include "projects/DataLists.h"

#include <string>
#include <vector>

namespace projects {

// The copy and undo-paste buffers of the lists grid. Paste works from the copy buffer, not from
// the clipboard, and the buffers survive project switches.
class ListCopyPaste {
public:
    enum class Mode { Column, Row };

    // Copies the whole column, header first, and returns the clipboard text: the cells of rows
    // 1..list length, one per line.
    std::string copyColumn(const DataLists& lists, int column);
    // Copies the whole row, row number first, and returns the clipboard text: the cells of
    // columns 1..k+1, one per line.
    std::string copyRow(const DataLists& lists, int row);

    bool canPaste() const { return hasCopy_; }
    bool canUndoPaste() const { return canUndo_; }
    Mode mode() const { return mode_; }

    // Replaces the current column (column mode) or row (row mode) by the copy buffer, keeping the
    // target's own header or row number; remembers the old cells for Undo Paste.
    void paste(DataLists& lists, int currentColumn, int currentRow);
    // Puts back the cells the last paste replaced.
    void undoPaste(DataLists& lists);

private:
    static std::vector<std::string> readColumn(const DataLists& lists, int column);
    static std::vector<std::string> readRow(const DataLists& lists, int row);
    static void writeColumn(DataLists& lists, int column, const std::vector<std::string>& cells);
    static void writeRow(DataLists& lists, int row, const std::vector<std::string>& cells);

    Mode mode_ = Mode::Column;
    bool hasCopy_ = false;
    bool canUndo_ = false;
    std::vector<std::string> copyBuffer_;
    std::vector<std::string> undoBuffer_;
    Mode pastedMode_ = Mode::Column;
    int pastedPosition_ = 0;
};

} // namespace projects
