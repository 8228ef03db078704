#include "projects/ColumnTextImport.h"
#include "projects/ColumnTextExport.h"

#include "../common/TempFolder.h"
#include "ProjectTestSupport.h"

#include <gtest/gtest.h>

using projects::ColumnChoice;
using projects::ColumnSeparator;
using projects::ColumnTextError;
using projects::ColumnTextFormat;
using projects::detectColumnTextFormat;
using projects::ImportedLists;
using projects::ImportPreview;

namespace {

using Rows = std::vector<std::vector<std::string>>;

class ColumnTextImportTest : public ::testing::Test {
protected:
    void SetUp() override { useEnglishMessages(); }
};

// Detects the format, then reads the whole text with it, as the import dialog first shows it.
ImportPreview preview(std::string_view text, char userDecimal = '.') {
    return projects::previewColumnText(text, detectColumnTextFormat(text), userDecimal);
}

ImportedLists import(std::string_view text, char userDecimal = '.') {
    const ColumnTextFormat format = detectColumnTextFormat(text);
    const ImportPreview shown = projects::previewColumnText(text, format, userDecimal);
    return projects::importColumnText(text, format, projects::defaultColumnChoice(shown.columnCount),
                                      userDecimal);
}

// The message of the refusal, or "" when the text was read.
std::string refusal(std::string_view text) {
    try {
        import(text);
    } catch (const ColumnTextError& error) {
        return error.what();
    }
    return {};
}

Rows cells(const ImportedLists& imported) {
    Rows rows;
    for (std::size_t row = 1; row <= imported.rowCount; ++row) {
        rows.emplace_back();
        for (int column = 1; column <= imported.lists.yColumn(); ++column)
            rows.back().emplace_back(imported.lists.cell(column, static_cast<int>(row)));
    }
    return rows;
}

TEST_F(ColumnTextImportTest, TheSeparatorTheDecimalSeparatorAndTheHeaderAreDetected) {
    struct Case {
        std::string text;
        ColumnSeparator separator;
        char decimal;
        bool header;
    };
    const std::vector<Case> cases = {
        {"x,y\n1.5,2\n", ColumnSeparator::Comma, '.', true},
        {"1,5;2,5\n", ColumnSeparator::Semicolon, ',', false},
        {"1.5;2.5\n3;4\n", ColumnSeparator::Semicolon, '.', false},
        {"1,5 2,5\n3,25 4\n", ColumnSeparator::Blanks, ',', false},
        {"Body weight\tHeight\n70,5\t180\n", ColumnSeparator::Tab, ',', true},
        {"  1   2\n 3 4\n", ColumnSeparator::Blanks, '.', false},
        {"Name,Age\nBob Smith,34\nAnn Lee,29\n", ColumnSeparator::Comma, '.', true},
        // Texts in both first records are data, not names.
        {"a,1\nb,2\n", ColumnSeparator::Comma, '.', false},
        // An empty first cell over a number is an empty cell, not a name.
        {"1,,3\n4,5,6\n", ColumnSeparator::Comma, '.', false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ColumnTextFormat format = detectColumnTextFormat(c.text);
        EXPECT_EQ(format.separator, c.separator);
        EXPECT_EQ(format.decimalSeparator, c.decimal);
        EXPECT_EQ(format.hasHeader, c.header);
    }
}

TEST_F(ColumnTextImportTest, LineEndsQuotesCommentsAndTrailingSeparatorsGiveTheSameCells) {
    const Rows expected = {{"1.5", "-2"}, {"3", "4E-2"}};
    const std::vector<std::string> texts = {
        "A,B\r\n1.5,-2\r\n3,4E-2\r\n",                            // CR LF
        "A,B\n1.5,-2\n3,4E-2",                                    // LF, no line end at the end
        "A,B\r1.5,-2\r3,4E-2\r",                                  // CR
        "# measured today\nA,B\n\n1.5,-2\n  \n# again\n3,4E-2\n", // comments and blank lines
        "A,B,\n1.5,-2,\n3,4E-2,\n",                               // trailing separators
        "\"A\",\"B\"\n\"1.5\", \"-2\" \n3,\"4E-2\"\n",            // quoted cells, blanks around them
        "A;B;;\n1,5;-2;;\n3;4E-2;;\n;;\n;;;\n", // decimal comma; rows of separators at the end
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const ImportedLists imported = import(text);
        EXPECT_EQ(cells(imported), expected);
        EXPECT_EQ(imported.listNames, (std::vector<std::string>{"A", "B"}));
        EXPECT_EQ(imported.lists.header(1), "X1: A");
        EXPECT_EQ(imported.lists.header(2), "Y: B");
        EXPECT_FALSE(imported.firstNotANumber);
    }
}

TEST_F(ColumnTextImportTest, QuotedCellsHoldSeparatorsQuotesAndLineBreaks) {
    const ImportedLists imported =
        import("Name,\"Size, cm\"\n\"He said \"\"hi\"\"\",1\n\"two\r\nlines\",2\n\"#3; c\",3\n");
    EXPECT_EQ(cells(imported), (Rows{{"He said \"hi\"", "1"}, {"two  lines", "2"}, {"3  c", "3"}}));
    EXPECT_EQ(imported.listNames, (std::vector<std::string>{"Name", "Size, cm"}));
    // The first text cell is named by its row and column in the file.
    EXPECT_EQ(imported.firstNotANumber, (projects::CellPosition{1, 1}));
    EXPECT_EQ(refusal("a,b\n\"1,2\n3,4\n"), "A quoted cell is not closed; it begins on line 2");
}

TEST_F(ColumnTextImportTest, EmptyCellsAndRowsOfEmptyCellsInsideTheFileStay) {
    const ImportedLists imported = import("x,y\n1,2\n,\n,5\n7,\n");
    EXPECT_EQ(cells(imported), (Rows{{"1", "2"}, {"", ""}, {"", "5"}, {"7", ""}}));
    EXPECT_EQ(imported.lists.completeRowCount(), 1);
    EXPECT_EQ(cells(import("x\ty\n1\t2\n\t\n3\t4\n")), (Rows{{"1", "2"}, {"", ""}, {"3", "4"}}));
    // A Y list shorter than the X list: most rows end in an empty cell.
    std::string text = "x,y\n1,1\n";
    for (int i = 2; i <= 60; ++i)
        text += std::to_string(i) + ",\n";
    const ImportedLists shortY = import(text);
    EXPECT_EQ(shortY.lists.variableCount(), 1);
    EXPECT_EQ(shortY.rowCount, 60u);
    EXPECT_EQ(shortY.lists.cell(1, 60), "60");
}

TEST_F(ColumnTextImportTest, NumbersTakeTheUsersDecimalSeparatorAndTextsStayAsTyped) {
    const ImportedLists comma = import("x;y\n1,5;2\n-3E2;abc\n", ',');
    EXPECT_EQ(cells(comma), (Rows{{"1,5", "2"}, {"-3E2", "abc"}}));
    const ImportedLists dot = import("x;y\n1,5;2\n-3E2;abc\n", '.');
    EXPECT_EQ(cells(dot), (Rows{{"1.5", "2"}, {"-3E2", "abc"}}));
    EXPECT_EQ(dot.firstNotANumber, (projects::CellPosition{2, 2}));
    const ImportedLists fromDots = import("1.25,2\n", ',');
    EXPECT_EQ(cells(fromDots), (Rows{{"1,25", "2"}}));
}

TEST_F(ColumnTextImportTest, HeaderNamesAreTrimmedAndMendedAndMissingOnesGetDefaults) {
    const ImportPreview shown = preview(" Weight = kg ;Speed#1;;Y;\n1;2;3;4\n");
    EXPECT_EQ(shown.columnCount, 4);
    EXPECT_EQ(shown.columnNames, (std::vector<std::string>{"Weight _ kg", "Speed_1", "", "Y"}));
    EXPECT_EQ(projects::chosenListNames(shown.columnNames, ColumnChoice{{0, 2}, 3}),
              (std::vector<std::string>{"Weight _ kg", "X2", "Y"}));
    EXPECT_EQ(projects::chosenListNames({"", ""}, ColumnChoice{{1}, 0}),
              (std::vector<std::string>{"X", "Y"}));
}

TEST_F(ColumnTextImportTest, ChosenColumnsBecomeTheListsInTheirOrder) {
    const std::string text = "a,b,c,d,e,f,g,h\n1,2,3,4,5,6,7,8\n";
    const ImportPreview shown = preview(text);
    EXPECT_EQ(shown.columnCount, 8);
    // The last column is Y, the first five X.
    EXPECT_EQ(projects::defaultColumnChoice(8), (ColumnChoice{{0, 1, 2, 3, 4}, 7}));
    EXPECT_EQ(projects::defaultColumnChoice(2), (ColumnChoice{{0}, 1}));
    const ImportedLists imported =
        projects::importColumnText(text, shown.format, ColumnChoice{{6, 1}, 0}, '.');
    EXPECT_EQ(imported.lists.variableCount(), 2);
    EXPECT_EQ(cells(imported), (Rows{{"7", "2", "1"}}));
    EXPECT_EQ(imported.listNames, (std::vector<std::string>{"g", "b", "a"}));

    EXPECT_FALSE(projects::isValidColumnChoice(ColumnChoice{{}, 1}, 8));
    EXPECT_FALSE(projects::isValidColumnChoice(ColumnChoice{{0, 1, 2, 3, 4, 5}, 7}, 8));
    EXPECT_FALSE(projects::isValidColumnChoice(ColumnChoice{{1}, 1}, 8));
    EXPECT_FALSE(projects::isValidColumnChoice(ColumnChoice{{0}, 8}, 8));
    EXPECT_TRUE(projects::isValidColumnChoice(ColumnChoice{{7}, 0}, 8));
}

TEST_F(ColumnTextImportTest, ThePreviewShowsTwentyRowsAndCountsTheRest) {
    std::string text = "t,v\n";
    for (int i = 1; i <= 25; ++i)
        text += std::to_string(i) + "," + (i == 23 ? "n/a" : std::to_string(i * 2)) + "\n";
    const ImportPreview shown = preview(text);
    EXPECT_EQ(shown.rowCount, 25u);
    ASSERT_EQ(shown.rows.size(), 20u);
    EXPECT_EQ(shown.rows[19], (std::vector<std::string>{"20", "40"}));
    // Only the shown rows are looked at for texts.
    EXPECT_FALSE(shown.firstNotANumber);
    EXPECT_EQ(import(text).firstNotANumber, (projects::CellPosition{23, 2}));
}

TEST_F(ColumnTextImportTest, UnusableFilesAreRefusedWithOneMessage) {
    EXPECT_EQ(refusal("1\n2\n3\n"),
              "The file holds fewer than 2 columns; the lists need an X column and a Y column.");
    EXPECT_EQ(refusal("# only a comment\n\n"),
              "The file holds fewer than 2 columns; the lists need an X column and a Y column.");
    EXPECT_EQ(refusal("x,y\n"), "The file holds no rows of data.");
    EXPECT_EQ(refusal("x,y\n1,2\n3,4,5\n"), "Line 3 holds 3 values; the other rows hold 2.");
    EXPECT_EQ(refusal("x,y,z\n1,2,3\n4,5\n"), "Line 3 holds 2 values; the other rows hold 3.");
    // Empty cells at the end of a longer row are trailing separators, not values.
    EXPECT_EQ(refusal("x,y\n1,2\n3,4,,\n"), "");
}

TEST_F(ColumnTextImportTest, MoreRowsThanTheListsHoldAreRefused) {
    std::string text;
    text.reserve(4 * 4'000'001);
    for (int i = 0; i < 4'000'000; ++i)
        text += "1,2\n";
    EXPECT_EQ(refusal(text), "");
    text += "1,2\n";
    EXPECT_EQ(refusal(text), "The data file holds more rows than the lists can take (4000000).");
}

TEST_F(ColumnTextImportTest, FilesAreReadAsUtf8WithOrWithoutBomOrAsWindows1252) {
    TempFolder folder;
    TempFolder::write(folder / "bom.csv", "\xEF\xBB\xBFL\xC3\xA4ngd,Vikt\n1,2\n");
    TempFolder::write(folder / "utf8.csv", "L\xC3\xA4ngd,Vikt\n1,2\n");
    TempFolder::write(folder / "cp1252.csv", "L\xE4ngd,Vikt\n1,2\n");
    for (const char* name : {"bom.csv", "utf8.csv", "cp1252.csv"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(preview(projects::readImportText(folder / name)).columnNames.front(), "L\xC3\xA4ngd");
    }
    TempFolder::write(folder / "empty.csv", "");
    TempFolder::write(folder / "binary.dat", std::string("1,2\n\0\x01\x02", 7));
    const auto message = [&](const char* name) {
        try {
            projects::readImportText(folder / name);
        } catch (const ColumnTextError& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_EQ(message("empty.csv"), "The file is empty.");
    EXPECT_EQ(message("binary.dat"), "The file is not a text file: it holds a NUL byte.");
    EXPECT_THROW(projects::readImportText(folder / "missing.csv"), std::runtime_error);
}

TEST_F(ColumnTextImportTest, ExportedListsImportAsTheSameCells) {
    for (const char userDecimal : {'.', ','}) {
        const std::string half = userDecimal == ',' ? "0,5" : "0.5";
        const std::string large = userDecimal == ',' ? "-4,5e+10" : "-4.5e+10";
        projects::DataLists lists;
        lists.setVariableCount(2);
        const Rows rows = {
            {"-1", half, "2E-3"}, {"", large, "x, y"}, {"a", " pad ", "say \"a\""}, {"", "", "9"}};
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < 3; ++c)
                lists.setCell(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
        const std::vector<std::string> names = {"Time", "Mass", "Force"};
        for (const auto kind : {projects::ExportKind::Csv, projects::ExportKind::Tsv}) {
            SCOPED_TRACE(std::string(1, userDecimal) + (kind == projects::ExportKind::Csv ? " csv" : " tsv"));
            const std::string text = projects::exportedColumnText(lists, names, kind, userDecimal);
            const ImportedLists imported = import(text, userDecimal);
            EXPECT_EQ(imported.listNames, names);
            EXPECT_EQ(cells(imported), rows);
        }
    }
    projects::DataLists lists;
    lists.setCell(1, 1, "1,5");
    lists.setCell(2, 1, "2");
    EXPECT_EQ(projects::exportedColumnText(lists, {"A", "B"}, projects::ExportKind::Csv, ','),
              "A,B\r\n1.5,2\r\n");
    EXPECT_EQ(projects::exportedColumnText(lists, {"A", "B"}, projects::ExportKind::Tsv, ','),
              "A\tB\r\n1,5\t2\r\n");
}

} // namespace
