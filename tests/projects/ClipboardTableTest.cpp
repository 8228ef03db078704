#include "projects/ClipboardTable.h"

#include <gtest/gtest.h>

using projects::CellTable;
using projects::DataLists;
using projects::TablePaste;

namespace {

DataLists listsWithTwoVariables() {
    DataLists lists;
    lists.setVariableCount(2);
    lists.setHeader(1, "X1: A");
    lists.setCell(1, 1, "old");
    return lists;
}

} // namespace

TEST(CellTable, SpreadsheetAndTextEditorTextsSplitIntoLinesAndTabs) {
    EXPECT_EQ(projects::parseCellTable("1\t2\r\n3\t4\r\n"), (CellTable{{"1", "2"}, {"3", "4"}}));
    EXPECT_EQ(projects::parseCellTable("1\n2\n3"), (CellTable{{"1"}, {"2"}, {"3"}}));
    EXPECT_EQ(projects::parseCellTable("1\r2\r"), (CellTable{{"1"}, {"2"}}));
    EXPECT_EQ(projects::parseCellTable("a\t\tc\n\nd"), (CellTable{{"a", "", "c"}, {""}, {"d"}}));
    EXPECT_EQ(projects::parseCellTable(""), CellTable{});
    EXPECT_EQ(projects::parseCellTable("\n"), (CellTable{{""}}));
}

TEST(CellTable, CopiedCellsComeBackAsTheSameTable) {
    DataLists lists = listsWithTwoVariables();
    lists.setCell(2, 1, "1,5");
    lists.setCell(3, 2, "y");
    const std::string text = projects::cellTableText(lists, 1, 3, 1, 2);
    EXPECT_EQ(text, "old\t1,5\t\n\t\ty\n");
    EXPECT_EQ(projects::parseCellTable(text), (CellTable{{"old", "1,5", ""}, {"", "", "y"}}));
}

TEST(TablePaste, BlockGrowsTheRowsAndUndoRestoresCellsAndRowCount) {
    DataLists lists = listsWithTwoVariables();
    TablePaste paste;
    EXPECT_FALSE(paste.canUndo());
    EXPECT_FALSE(paste.paste(lists, {{"1", "2"}, {"3", "4"}, {"5", "6"}}, 1, 39));
    EXPECT_EQ(lists.rowCount(), 42);
    EXPECT_EQ(lists.cell(1, 39), "1");
    EXPECT_EQ(lists.cell(2, 41), "6");

    lists.setCell(1, 1, "typed later");
    ASSERT_TRUE(paste.canUndo());
    paste.undo(lists);
    EXPECT_EQ(lists.rowCount(), 41);
    EXPECT_TRUE(lists.isEmpty(1, 39));
    EXPECT_EQ(lists.cell(1, 1), "typed later"); // cells outside the block are not touched
    EXPECT_FALSE(paste.canUndo());
}

TEST(TablePaste, UndoKeepsRowsTypedIntoAfterThePaste) {
    DataLists lists = listsWithTwoVariables();
    TablePaste paste;
    EXPECT_FALSE(paste.paste(lists, {{"1"}, {"2"}, {"3"}}, 1, 40));
    lists.setCell(3, 42, "kept");
    paste.undo(lists);
    EXPECT_EQ(lists.rowCount(), 43);
    EXPECT_EQ(lists.cell(3, 42), "kept");
    EXPECT_TRUE(lists.isEmpty(1, 40));
}

TEST(TablePaste, RefusedBlocksChangeNothing) {
    DataLists lists = listsWithTwoVariables();
    TablePaste paste;
    EXPECT_EQ(paste.paste(lists, {{"1", "2#"}}, 1, 1), "CellTextInvalid");
    EXPECT_EQ(paste.paste(lists, {{"1", "2;3"}}, 1, 1), "CellTextInvalid");
    EXPECT_EQ(paste.paste(lists, {{"1", "2", "3", "4"}}, 1, 1), "PasteDoesNotFit"); // k + 1 = 3 lists
    EXPECT_EQ(paste.paste(lists, {{"1", "2"}}, 3, 1), "PasteDoesNotFit");
    EXPECT_EQ(paste.paste(lists, {{"1"}, {"2"}}, 1, DataLists::kMaxRowCount - 1), "PasteDoesNotFit");
    EXPECT_EQ(lists.cell(1, 1), "old");
    EXPECT_EQ(lists.rowCount(), 41);
    EXPECT_FALSE(paste.canUndo());
    EXPECT_FALSE(paste.paste(lists, {}, 1, 1));
    EXPECT_FALSE(paste.canUndo());
}

TEST(TablePaste, ShortLinesLeaveTheCellsBesideThemAlone) {
    DataLists lists = listsWithTwoVariables();
    lists.setCell(2, 2, "beside");
    TablePaste paste;
    EXPECT_FALSE(paste.paste(lists, {{"a", "b"}, {"c"}}, 1, 1));
    EXPECT_EQ(lists.cell(2, 2), "beside");
    paste.undo(lists);
    EXPECT_EQ(lists.cell(1, 1), "old");
    EXPECT_TRUE(lists.isEmpty(2, 1));
}
