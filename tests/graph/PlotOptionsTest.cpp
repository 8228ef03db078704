#include "graph/PlotOptions.h"

#include "common/IniFile.h"
#include "common/NumberParse.h"
#include "engine/AngleUnit.h"
#include "tests/common/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

using graph::PlotOptions;

namespace {

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The file's lines without the blank lines between sections.
std::string readLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines += line + "\n";
    return lines;
}

} // namespace

TEST(SettingsBlock, AMissingFileGivesEveryDefault) {
    TempFolder folder;
    common::IniFile file(folder.path() / "math.INI");
    PlotOptions options;
    options.angleUnit = engine::AngleUnit::Degrees;
    options.showGrid = false;
    graph::readSettingsBlock(file, options, '.');
    EXPECT_EQ(options.xAxisText, "x");
    EXPECT_EQ(options.yAxisText, "y");
    EXPECT_EQ(options.xZoomFactor, 2);
    EXPECT_EQ(options.fontName, "MS Sans Serif");
    EXPECT_EQ(options.fontSize, 10);
    EXPECT_EQ(options.angleUnit, engine::AngleUnit::Radians);
    EXPECT_TRUE(options.showGrid);
    EXPECT_FALSE(options.boldLines);
}

TEST(SettingsBlock, IsWrittenInItsKeyOrderAndReadsBackTheSame) {
    TempFolder folder;
    common::IniFile file(folder.path() / "doc.QOR", ',');
    PlotOptions options;
    options.xAxisText = "time";
    options.xZoomFactor = 1.5L;
    options.fontBold = true;
    options.boldLines = true;
    options.showScaleText = false;
    options.angleUnit = engine::AngleUnit::Degrees;
    ASSERT_TRUE(graph::writeSettingsBlock(file, options, ','));
    EXPECT_EQ(readLines(folder.path() / "doc.QOR"), "[AxisText]\nX=time\nY=y\n"
                                                    "[ZoomFactor]\nX=1,5\nY=2\n"
                                                    "[Font]\nName=MS Sans Serif\nSize=10\nStyleBold=1\n"
                                                    "StyleItalic=0\nStyleUnderline=0\n"
                                                    "[Angles]\nRadians=0\n"
                                                    "[Options]\nBoldLines=1\nDottedLines=0\nShowAxis=1\n"
                                                    "ShowGrid=1\nShowScaleText=0\nShowFunctionNames=1\n");
    PlotOptions readBack;
    graph::readSettingsBlock(file, readBack, ',');
    EXPECT_EQ(readBack.xAxisText, "time");
    EXPECT_EQ(readBack.xZoomFactor, 1.5L);
    EXPECT_TRUE(readBack.fontBold);
    EXPECT_TRUE(readBack.boldLines);
    EXPECT_FALSE(readBack.showScaleText);
    EXPECT_EQ(readBack.angleUnit, engine::AngleUnit::Degrees);
}

TEST(SettingsBlock, ADocumentWithoutLineStyleKeepsTheCurrentStyle) {
    TempFolder folder;
    writeText(folder.path() / "a.QOR", "[Options]\nBoldLines=0\nDottedLines=0\n[Font]\nSize=0x0C\n");
    common::IniFile file(folder.path() / "a.QOR");
    PlotOptions options;
    options.boldLines = true;
    graph::readSettingsBlock(file, options, '.');
    EXPECT_TRUE(options.boldLines);
    EXPECT_FALSE(options.dottedLines);
    EXPECT_EQ(options.fontSize, 12);

    writeText(folder.path() / "b.QOR", "[Options]\nBoldLines=1\nDottedLines=1\n");
    common::IniFile both(folder.path() / "b.QOR");
    graph::readSettingsBlock(both, options, '.');
    EXPECT_FALSE(options.boldLines);
    EXPECT_TRUE(options.dottedLines);
}

TEST(SettingsBlock, AZoomFactorThatIsNotANumberStopsReadingThere) {
    TempFolder folder;
    writeText(folder.path() / "c.QOR", "[AxisText]\nX=t\n[ZoomFactor]\nX=abc\n[Options]\nShowGrid=0\n");
    common::IniFile file(folder.path() / "c.QOR");
    PlotOptions options;
    try {
        graph::readSettingsBlock(file, options, '.');
        FAIL() << "a zoom factor of abc was accepted";
    } catch (const common::ConversionError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_EQ(options.xAxisText, "t");
    EXPECT_TRUE(options.showGrid);
}
