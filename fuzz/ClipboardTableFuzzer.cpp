// Text pasted from the clipboard into the lists: parsed into a cell table and pasted at a cell the
// first bytes choose into lists of each size; a refused paste changes nothing, and Undo Paste puts
// back every cell and the row count.
#include "FuzzSupport.h"

#include "projects/ClipboardTable.h"

#include <string>

namespace {

using projects::DataLists;

std::vector<std::string> allCells(const DataLists& lists) {
    std::vector<std::string> cells;
    for (int column = 1; column <= DataLists::kLastColumn; ++column)
        for (int row = 0; row < lists.rowCount(); ++row)
            cells.emplace_back(lists.cell(column, row));
    return cells;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const int column = data[0] % 8;
    const int row = data[1] % 64;
    const projects::CellTable table = projects::parseCellTable(fuzzing::asText(data + 2, size - 2));
    for (int k = DataLists::kMinVariables; k <= DataLists::kMaxVariables; ++k) {
        DataLists lists;
        lists.setVariableCount(k);
        for (int c = 1; c <= DataLists::kLastColumn; ++c)
            lists.setCell(c, 1 + (c + k) % 5, "7");
        const std::vector<std::string> before = allCells(lists);
        const int rowsBefore = lists.rowCount();
        projects::TablePaste paste;
        if (paste.paste(lists, table, column, row)) {
            FUZZ_CHECK(!paste.canUndo());
            FUZZ_CHECK(lists.rowCount() == rowsBefore && allCells(lists) == before);
            continue;
        }
        if (!paste.canUndo())
            continue;
        paste.undo(lists);
        FUZZ_CHECK(lists.rowCount() == rowsBefore);
        FUZZ_CHECK(allCells(lists) == before);
    }
    return 0;
}
