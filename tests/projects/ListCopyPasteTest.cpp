#include "projects/ListCopyPaste.h"

#include <gtest/gtest.h>

using projects::DataLists;
using projects::ListCopyPaste;

namespace {

DataLists twoLists() {
    DataLists lists;
    lists.setHeader(1, "X1: A");
    lists.setHeader(2, "Y: B");
    for (int row = 1; row <= 3; ++row) {
        lists.setCell(1, row, "a" + std::to_string(row));
        lists.setCell(2, row, "b" + std::to_string(row));
    }
    return lists;
}

} // namespace

TEST(ListCopyPaste, NothingToPasteOrUndoBeforeACopy) {
    ListCopyPaste buffers;
    DataLists lists = twoLists();
    EXPECT_FALSE(buffers.canPaste());
    EXPECT_FALSE(buffers.canUndoPaste());
    buffers.paste(lists, 1, 1);
    EXPECT_EQ(lists.cell(1, 1), "a1");
}

TEST(ListCopyPaste, PastedColumnKeepsTheTargetHeaderAndUndoRestoresIt) {
    ListCopyPaste buffers;
    DataLists lists = twoLists();
    EXPECT_EQ(buffers.copyColumn(lists, 1), "a1\na2\na3\n");
    lists.setCell(2, 5, "b5");
    buffers.paste(lists, 2, 4);
    EXPECT_EQ(lists.header(2), "Y: B");
    EXPECT_EQ(lists.cell(2, 1), "a1");
    EXPECT_EQ(lists.cell(2, 3), "a3");
    EXPECT_TRUE(lists.isEmpty(2, 5)); // the whole column is replaced
    ASSERT_TRUE(buffers.canUndoPaste());

    buffers.undoPaste(lists);
    EXPECT_EQ(lists.cell(2, 1), "b1");
    EXPECT_EQ(lists.cell(2, 5), "b5");
    EXPECT_FALSE(buffers.canUndoPaste());
    EXPECT_TRUE(buffers.canPaste());
}

TEST(ListCopyPaste, PastedRowReplacesTheCurrentRowAndCanBeRepeated) {
    ListCopyPaste buffers;
    DataLists lists = twoLists();
    EXPECT_EQ(buffers.copyRow(lists, 2), "a2\nb2\n");
    buffers.paste(lists, 1, 3);
    buffers.paste(lists, 1, 5);
    EXPECT_EQ(lists.cell(1, 3), "a2");
    EXPECT_EQ(lists.cell(2, 3), "b2");
    EXPECT_EQ(lists.cell(2, 5), "b2");
    buffers.undoPaste(lists);
    EXPECT_TRUE(lists.isEmpty(1, 5));
    EXPECT_EQ(lists.cell(1, 3), "a2"); // only the last paste is undone
}

TEST(ListCopyPaste, CopyBufferIsAStillCopyNotALiveView) {
    ListCopyPaste buffers;
    DataLists lists = twoLists();
    buffers.copyColumn(lists, 1);
    lists.setCell(1, 1, "changed");
    buffers.paste(lists, 2, 1);
    EXPECT_EQ(lists.cell(2, 1), "a1");
}
