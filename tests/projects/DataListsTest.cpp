#include "projects/DataLists.h"

#include "common/NumberParse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

using projects::DataLists;

namespace {

void fillColumn(DataLists& lists, int column, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        lists.setCell(column, static_cast<int>(i) + 1, cells[i]);
}

std::vector<std::string> columnTexts(const DataLists& lists, int column, int rows) {
    std::vector<std::string> texts;
    for (int row = 1; row <= rows; ++row)
        texts.emplace_back(lists.cell(column, row));
    return texts;
}

// The row order that repeated passes of neighbour swaps produce when the lower value is strictly
// smaller: the reference for the fast sort.
std::vector<int> bubbleOrder(const std::vector<long double>& keys) {
    std::vector<int> order(keys.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (std::size_t r = 0; r + 1 < order.size(); ++r)
            if (keys[static_cast<std::size_t>(order[r + 1])] < keys[static_cast<std::size_t>(order[r])]) {
                std::swap(order[r], order[r + 1]);
                swapped = true;
            }
    }
    return order;
}

} // namespace

TEST(DataLists, NewGridHasFortyDataRowsAndOneVariable) {
    DataLists lists;
    EXPECT_EQ(lists.rowCount(), 41);
    EXPECT_EQ(lists.columnCount(), 3);
    EXPECT_EQ(DataLists::rowLabel(40), "40");
    EXPECT_EQ(DataLists::rowLabel(0), "");
    EXPECT_EQ(lists.completeRowCount(), 0);
}

TEST(DataLists, CellsKeepShortAndLongTextsExactlyAcrossOverwrites) {
    DataLists lists;
    const std::string longText(200, 'x');
    lists.setCell(1, 1, "123456789012345"); // fills the inline space exactly
    lists.setCell(1, 2, longText);
    lists.setCell(2, 2, "1234567890123456");
    EXPECT_EQ(lists.cell(1, 1), "123456789012345");
    EXPECT_EQ(lists.cell(1, 2), longText);
    EXPECT_EQ(lists.cell(2, 2), "1234567890123456");
    lists.setCell(1, 2, "short");
    lists.setCell(1, 3, longText + "y");
    EXPECT_EQ(lists.cell(1, 2), "short");
    EXPECT_EQ(lists.cell(1, 3), longText + "y");
    lists.setCell(1, 1, "");
    EXPECT_TRUE(lists.isEmpty(1, 1));
}

TEST(DataLists, HeadersGiveTheBareListNames) {
    DataLists lists;
    lists.setVariableCount(2);
    lists.setHeader(1, lists.headerFor(1, "Age"));
    lists.setHeader(2, lists.headerFor(2, "Weight"));
    lists.setHeader(3, lists.headerFor(3, "Height"));
    EXPECT_EQ(lists.header(2), "X2: Weight");
    EXPECT_EQ(lists.header(3), "Y: Height");
    EXPECT_EQ(lists.listName(2), "Weight");
    EXPECT_EQ(lists.listName(3), "Height");
}

TEST(DataLists, FitsUseOnlyRowsBeforeTheFirstIncompleteRowButListsCountTheirOwnCells) {
    DataLists lists;
    fillColumn(lists, 1, {"1", "2", "3"});
    fillColumn(lists, 2, {"5"});
    lists.setCell(2, 3, "7");
    EXPECT_EQ(lists.completeRowCount(), 1);
    EXPECT_EQ(lists.listLength(1), 3);
    EXPECT_EQ(lists.listLength(2), 1);
}

TEST(DataLists, CompleteRowsNeedEveryVariableAndY) {
    DataLists lists;
    lists.setVariableCount(2);
    fillColumn(lists, 1, {"1", "2"});
    fillColumn(lists, 3, {"1", "2"});
    EXPECT_EQ(lists.completeRowCount(), 0);
    fillColumn(lists, 2, {"1", "2"});
    EXPECT_EQ(lists.completeRowCount(), 2);
}

TEST(DataLists, TabNearTheEndGrowsTheGridButNotEarlier) {
    DataLists lists;
    lists.growWhileTyping(30);
    EXPECT_EQ(lists.rowCount(), 41);
    lists.growWhileTyping(35);
    EXPECT_EQ(lists.rowCount(), 42);
    lists.growWhileTyping(41);
    EXPECT_EQ(lists.rowCount(), 48);
}

TEST(DataLists, InsertRowEmptiesTheCurrentRowAndMovesTheRestDown) {
    DataLists lists;
    fillColumn(lists, 1, {"a1", "a2"});
    fillColumn(lists, 2, {"b1", "b2"});
    lists.setCell(4, 1, "hidden"); // beyond Y: not part of the lists
    lists.insertRow(1);
    EXPECT_EQ(lists.rowCount(), 42);
    EXPECT_EQ(columnTexts(lists, 1, 3), (std::vector<std::string>{"", "a1", "a2"}));
    EXPECT_EQ(columnTexts(lists, 2, 3), (std::vector<std::string>{"", "b1", "b2"}));
    EXPECT_EQ(lists.cell(4, 1), "hidden");
}

TEST(DataLists, InsertRowKeepsTheCellOfTheLastRow) {
    DataLists lists;
    lists.setCell(1, 40, "last");
    lists.insertRow(1);
    EXPECT_EQ(lists.cell(1, 41), "last");
}

TEST(DataLists, DeleteRowMovesCellsUpAndNeverShrinksBelowFortyOneRows) {
    DataLists lists;
    fillColumn(lists, 1, {"a1", "a2", "a3"});
    fillColumn(lists, 2, {"b1", "b2", "b3"});
    lists.setCell(1, 40, "end");
    lists.deleteRow(2);
    EXPECT_EQ(lists.rowCount(), 41);
    EXPECT_EQ(columnTexts(lists, 1, 3), (std::vector<std::string>{"a1", "a3", ""}));
    EXPECT_EQ(columnTexts(lists, 2, 3), (std::vector<std::string>{"b1", "b3", ""}));
    EXPECT_EQ(lists.cell(1, 39), "end");
    EXPECT_TRUE(lists.isEmpty(1, 40));

    lists.growWhileTyping(40);
    ASSERT_EQ(lists.rowCount(), 47);
    lists.deleteRow(1);
    EXPECT_EQ(lists.rowCount(), 46);
}

TEST(DataLists, SortMovesWholeRowsByTheSelectedList) {
    DataLists lists;
    fillColumn(lists, 1, {"a", "b", "c"});
    fillColumn(lists, 2, {"3", "1", "2"});
    lists.sortByList(2);
    EXPECT_EQ(columnTexts(lists, 2, 3), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(columnTexts(lists, 1, 3), (std::vector<std::string>{"b", "c", "a"}));
}

TEST(DataLists, SortNeverSwapsEqualValuesAndComparesNumbersNotTexts) {
    DataLists lists;
    fillColumn(lists, 1, {"10", "9", "1e1", "9.0", "-2", "10.0"});
    fillColumn(lists, 2, {"a", "b", "c", "d", "e", "f"});
    lists.sortByList(1);
    EXPECT_EQ(columnTexts(lists, 1, 6), (std::vector<std::string>{"-2", "9", "9.0", "10", "1e1", "10.0"}));
    EXPECT_EQ(columnTexts(lists, 2, 6), (std::vector<std::string>{"e", "b", "d", "a", "c", "f"}));
}

TEST(DataLists, SortStopsAtTheFirstEmptyCellOfTheList) {
    DataLists lists;
    fillColumn(lists, 1, {"3", "2", "", "1"});
    fillColumn(lists, 2, {"x", "y", "z", "w"});
    lists.sortByList(1);
    EXPECT_EQ(columnTexts(lists, 1, 4), (std::vector<std::string>{"2", "3", "", "1"}));
    EXPECT_EQ(columnTexts(lists, 2, 4), (std::vector<std::string>{"y", "x", "z", "w"}));
}

TEST(DataLists, SortGivesTheSameRowsAsRepeatedNeighbourSwaps) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(0, 20);
    DataLists lists;
    lists.setVariableCount(2);
    std::vector<long double> keys;
    for (int row = 1; row <= 300; ++row) {
        const int v = value(random);
        keys.push_back(v);
        lists.setCell(3, row, std::to_string(v));
        lists.setCell(1, row, "r" + std::to_string(row));
        lists.setCell(2, row, std::string(20, static_cast<char>('a' + row % 26))); // long texts move too
    }
    lists.sortByList(3);
    const auto order = bubbleOrder(keys);
    for (int row = 1; row <= 300; ++row) {
        const int from = order[static_cast<std::size_t>(row - 1)] + 1;
        ASSERT_EQ(lists.cell(1, row), "r" + std::to_string(from)) << "row " << row;
        ASSERT_EQ(lists.cell(2, row), std::string(20, static_cast<char>('a' + from % 26)));
    }
}

TEST(DataLists, SortOfAListWithTextFailsAndLeavesEveryRowAsItWas) {
    DataLists lists;
    fillColumn(lists, 1, {"3", "1", "abc", "2"});
    fillColumn(lists, 2, {"a", "b", "c", "d"});
    try {
        lists.sortByList(1);
        FAIL() << "sort of a text succeeded";
    } catch (const common::ConversionError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_EQ(columnTexts(lists, 1, 4), (std::vector<std::string>{"3", "1", "abc", "2"}));
    EXPECT_EQ(columnTexts(lists, 2, 4), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(DataLists, SortUsesTheGivenDecimalSeparator) {
    DataLists lists;
    fillColumn(lists, 1, {"2,5", "2,25"});
    lists.sortByList(1, ',');
    EXPECT_EQ(lists.cell(1, 1), "2,25");
}

TEST(DataLists, ClearAllKeepsOnlyTheHeadersOfTheLists) {
    DataLists lists;
    lists.setHeader(1, "X1: A");
    lists.setHeader(2, "Y: Y");
    lists.setHeader(5, "old");
    lists.growWhileTyping(60);
    fillColumn(lists, 1, {"1", "2"});
    lists.setCell(6, 3, "hidden");
    lists.clearAll();
    EXPECT_EQ(lists.rowCount(), 41);
    EXPECT_EQ(lists.header(1), "X1: A");
    EXPECT_EQ(lists.header(2), "Y: Y");
    EXPECT_EQ(lists.header(5), "");
    EXPECT_TRUE(lists.isEmpty(1, 1));
    EXPECT_TRUE(lists.isEmpty(6, 3));
}

// A reader keeps what it read under the lists' revision, so every change that a reading could see
// must give a revision the lists never had before.
TEST(DataLists, EveryChangeGivesANewRevision) {
    DataLists lists;
    fillColumn(lists, 1, {"3", "1", "2"});
    fillColumn(lists, 2, {"a", "b", "c"});
    const std::vector<std::pair<const char*, std::function<void(DataLists&)>>> changes{
        {"setCell", [](DataLists& l) { l.setCell(1, 1, "4"); }},
        {"setHeader", [](DataLists& l) { l.setHeader(1, "X1: T"); }},
        {"setVariableCount", [](DataLists& l) { l.setVariableCount(2); }},
        {"setVariableCount back", [](DataLists& l) { l.setVariableCount(1); }},
        {"setRowCount", [](DataLists& l) { l.setRowCount(80); }},
        {"growWhileTyping", [](DataLists& l) { l.growWhileTyping(78); }},
        {"insertRow", [](DataLists& l) { l.insertRow(1); }},
        {"deleteRow", [](DataLists& l) { l.deleteRow(1); }},
        {"sortByList", [](DataLists& l) { l.sortByList(1); }},
        {"clearColumns", [](DataLists& l) { l.clearColumns(); }},
        {"clearAll", [](DataLists& l) { l.clearAll(); }},
    };
    std::vector<std::uint64_t> seen{lists.revision()};
    for (const auto& [name, change] : changes) {
        change(lists);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), lists.revision()), 0) << name;
        seen.push_back(lists.revision());
    }
}

TEST(DataLists, AnAssignmentGivesARevisionAboveBothListsAndACopyKeepsIt) {
    DataLists changedOnce;
    changedOnce.setCell(1, 1, "1");
    DataLists changedTwice;
    changedTwice.setCell(1, 1, "2");
    changedTwice.setCell(1, 2, "3");
    const std::uint64_t once = changedOnce.revision();
    const std::uint64_t twice = changedTwice.revision();
    ASSERT_LT(once, twice);

    const DataLists copy(changedTwice);
    EXPECT_EQ(copy.revision(), twice);

    DataLists target = changedOnce;
    target = changedTwice;
    EXPECT_GT(target.revision(), twice);
    const std::uint64_t afterCopy = target.revision();
    DataLists fresh;
    target = std::move(fresh);
    EXPECT_GT(target.revision(), afterCopy) << "moving never-changed lists in must not go back to 0";
    EXPECT_TRUE(target.isEmpty(1, 1));
}
