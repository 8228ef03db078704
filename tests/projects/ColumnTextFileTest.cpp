#include "projects/ColumnTextFile.h"

#include "../common/TempFolder.h"
#include "ProjectTestSupport.h"

#include <gtest/gtest.h>

using projects::ColumnTextData;
using projects::ColumnTextError;
using projects::parseColumnText;

namespace {

std::vector<std::string> column(const ColumnTextData& data, int list) {
    std::vector<std::string> cells;
    for (int row = 1; row <= data.lists.completeRowCount(); ++row)
        cells.emplace_back(data.lists.cell(list, row));
    return cells;
}

// The message of the refusal, or "" when the text was accepted.
std::string refusal(const std::string& text) {
    try {
        parseColumnText(text);
    } catch (const ColumnTextError& error) {
        return error.what();
    }
    return {};
}

class ColumnTextFileTest : public ::testing::Test {
protected:
    void SetUp() override { useEnglishMessages(); }
};

TEST_F(ColumnTextFileTest, EachSeparatorGivesTheSameListsWithDotDecimals) {
    const std::vector<std::string> texts = {
        "1.5\t2\r\n2\t3,25\r\n3\t-4E2\r\n",   // tabs, "," accepted as decimal separator
        "1,5;2\n2;3,25\n\n3;-4E2\n",          // semicolons, a blank line skipped
        "1.5,2\n2,3.25\n3,-4E2",              // commas, no line end at the end
        "  1.5   2\n2 3.25  \n 3   -4E2\n\n", // runs of blanks
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const ColumnTextData data = parseColumnText(text);
        EXPECT_EQ(data.lists.variableCount(), 1);
        EXPECT_EQ(column(data, 1), (std::vector<std::string>{"1.5", "2", "3"}));
        EXPECT_EQ(column(data, 2), (std::vector<std::string>{"2", "3.25", "-4E2"}));
        EXPECT_EQ(data.listNames, (std::vector<std::string>{"X", "Y"}));
        EXPECT_EQ(data.lists.header(2), "Y: Y");
    }
    // Once any line holds a tab, tabs separate the columns and blanks stay inside a name.
    EXPECT_EQ(parseColumnText("Body weight\tHeight\n70 \t180\n").listNames,
              (std::vector<std::string>{"Body weight", "Height"}));
}

TEST_F(ColumnTextFileTest, AFirstLineWithANonNumberNamesTheListsAndTheLastColumnIsY) {
    const ColumnTextData data = parseColumnText("Age;Weight; ;Height\n1;2;3;4\n5;6;7;8\n");
    EXPECT_EQ(data.lists.variableCount(), 3);
    EXPECT_EQ(data.lists.completeRowCount(), 2);
    // A blank name keeps the list's default name.
    EXPECT_EQ(data.listNames, (std::vector<std::string>{"Age", "Weight", "X3", "Height"}));
    EXPECT_EQ(data.lists.header(1), "X1: Age");
    EXPECT_EQ(data.lists.header(4), "Y: Height");
    EXPECT_EQ(column(data, 4), (std::vector<std::string>{"4", "8"}));

    const ColumnTextData six = parseColumnText("1 2 3 4 5 6\n");
    EXPECT_EQ(six.lists.variableCount(), 5);
    EXPECT_EQ(six.listNames.front(), "X1");
}

TEST_F(ColumnTextFileTest, UnusableTextsAreRefusedNamingTheLine) {
    EXPECT_EQ(refusal(""), "The data file holds no rows of numbers.");
    EXPECT_EQ(refusal("\n  \r\n"), "The data file holds no rows of numbers.");
    EXPECT_EQ(refusal("x,y\n"), "The data file holds no rows of numbers.");
    EXPECT_EQ(refusal("\n1 2 3 4 5 6 7\n"),
              "A data file needs 2 to 6 columns (X1 to X5, then Y); columns on line 2: 7");
    EXPECT_EQ(refusal("1\n2\n"), "A data file needs 2 to 6 columns (X1 to X5, then Y); columns on line 1: 1");
    EXPECT_EQ(refusal("x;y\n1;2\n3;4;5\n"), "Wrong number of values (not as on the first line) on line 3: 3");
    EXPECT_EQ(refusal("1;2\n3;\n"), "Not a number on line 2: ''");
    EXPECT_EQ(refusal("1 2\n3 4\n5 abc\n"), "Not a number on line 3: 'abc'");
    // In comma-separated columns a decimal comma would split the value: "." only.
    EXPECT_EQ(refusal("1,5,2\n"), "");
    EXPECT_EQ(refusal("1.5,2\n2,3\n4,5,6\n"),
              "Wrong number of values (not as on the first line) on line 3: 3");
    EXPECT_EQ(refusal("1 2\n3 1e99999\n"), "Not a number on line 2: '1e99999'");
}

TEST_F(ColumnTextFileTest, AFileIsReadAsUtf8OrWindows1252) {
    TempFolder folder;
    TempFolder::write(folder / "utf8.txt", "\xEF\xBB\xBFL\xC3\xA4ngd\tVikt\n1\t2\n");
    TempFolder::write(folder / "cp1252.txt", "L\xE4ngd\tVikt\n1\t2\n");
    EXPECT_EQ(projects::readColumnTextFile(folder / "utf8.txt").listNames.front(), "L\xC3\xA4ngd");
    EXPECT_EQ(projects::readColumnTextFile(folder / "cp1252.txt").listNames.front(), "L\xC3\xA4ngd");
    EXPECT_THROW(projects::readColumnTextFile(folder / "missing.txt"), std::runtime_error);
}

} // namespace
