#include "common/GraphRange.h"
#include "common/IniFile.h"
#include "common/NumberParse.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using common::GraphRange;
using common::RangeTexts;

TEST(GraphRangeTest, TextsBecomeTheRowsOfTheSameNameWithEitherSeparator) {
    const GraphRange expected{-1, 2, 0.5L, -3, 4, 0.25L};
    EXPECT_EQ(common::parseRange({"-1", "2", "0.5", "-3", "4", "0.25"}, '.'), expected);
    EXPECT_EQ(common::parseRange({"-1", "2", "0,5", "-3", "4", "0,25"}, ','), expected);
    EXPECT_EQ(expected[common::Xstep], 0.5L);
    EXPECT_EQ(expected[common::Ymax], 4.0L);
}

TEST(GraphRangeTest, TheFirstTextThatIsNotANumberStopsTheReadingAfterTheRowsBeforeIt) {
    GraphRange range{-7, 7, 1, -5, 5, 1};
    try {
        common::readRange({"-2", "2", "abc", "-1", "x", "1"}, '.', range);
        FAIL() << "a text that is not a number was taken";
    } catch (const common::ConversionError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_EQ(range, (GraphRange{-2, 2, 1, -5, 5, 1}));
    EXPECT_THROW(common::parseRange({"1", "2", "1", "0", "1", "0.5"}, ','), common::ConversionError);
}

TEST(GraphRangeTest, ValuesAreWrittenAsTheirShortestTextOfFifteenDigits) {
    EXPECT_EQ(common::formatRange({-7, 7, 1, -5, 5, 1}, '.'), (RangeTexts{"-7", "7", "1", "-5", "5", "1"}));
    const GraphRange thirds{-1.0L / 3, 1.0L / 3, 0.5L, -1e-20L, 2e20L, 1234567890123456789.0L};
    EXPECT_EQ(common::formatRange(thirds, ','), (RangeTexts{"-0,333333333333333", "0,333333333333333", "0,5",
                                                            "-1E-20", "2E20", "1,23456789012346E18"}));
    // What is written reads back as itself.
    const RangeTexts written = common::formatRange(thirds, '.');
    EXPECT_EQ(common::formatRange(common::parseRange(written, '.'), '.'), written);
}

TEST(GraphRangeTest, IniCellsKeepTheTextsAsTypedAndAbsentCellsGiveTheirDefaults) {
    TempFolder folder;
    const std::filesystem::path path = folder / "math.INI";
    TempFolder::write(path, "[Range]\nCells[1,2]=0.5\n");
    common::IniFile file(path);
    const RangeTexts defaults{"a", "b", "c", "d", "e", "f"};
    EXPECT_EQ(common::readRangeTexts(file, "Range", defaults), (RangeTexts{"a", "b", "0.5", "d", "e", "f"}));

    common::writeRangeTexts(file, "Saved", {"-1", "1E3", "x", "", "2", "0,5"});
    EXPECT_EQ(TempFolder::read(path), "[Range]\nCells[1,2]=0.5\n\n[Saved]\nCells[1,0]=-1\nCells[1,1]=1E3\n"
                                      "Cells[1,2]=x\nCells[1,3]=\nCells[1,4]=2\nCells[1,5]=0,5\n");
    EXPECT_EQ(common::readRangeTexts(common::IniFile(path), "Saved", defaults),
              (RangeTexts{"-1", "1E3", "x", "", "2", "0,5"}));
}
