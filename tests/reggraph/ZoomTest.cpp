#include "reggraph/RangeZoom.h"
#include "reggraph/StandardRanges.h"

#include "../common/TempFolder.h"
#include "common/IniFile.h"
#include "common/NumberParse.h"
#include "regression/RegressionError.h"
#include "translation/Translator.h"

#include <gtest/gtest.h>

using namespace reggraph;
using common::RangeTexts;

namespace {

const RangeTexts DefaultTexts = {"0", "12", "1", "0", "10", "1"};

} // namespace

TEST(ZoomInAndOut, ZoomInHalvesEveryValueAndUndoRestoresItAgainAndAgain) {
    RangeTexts cells = DefaultTexts;
    RangeZoom zoom(cells);
    zoom.zoomIn(cells, "2", '.');
    EXPECT_EQ(cells, (RangeTexts{"0", "6", "0.5", "0", "5", "0.5"}));
    zoom.undoZoom(cells);
    EXPECT_EQ(cells, DefaultTexts);
    zoom.undoZoom(cells);
    EXPECT_EQ(cells, DefaultTexts);
}

TEST(ZoomInAndOut, ZoomOutUsesTheYFactorAndUndoesAZoomInWithEqualFactors) {
    RangeTexts cells = {"-6", "6", "1", "-5", "5", "1"};
    RangeZoom zoom(DefaultTexts);
    zoom.zoomOut(cells, "3", '.');
    EXPECT_EQ(cells, (RangeTexts{"-18", "18", "3", "-15", "15", "3"}));
    EXPECT_EQ(zoom.undoRange(), (RangeTexts{"-6", "6", "1", "-5", "5", "1"}));
    zoom.zoomIn(cells, "3", '.');
    EXPECT_EQ(cells, (RangeTexts{"-6", "6", "1", "-5", "5", "1"}));
}

TEST(ZoomInAndOut, ResultsAreWrittenWith15DigitsInTheLocaleSeparator) {
    RangeTexts cells = {"0", "1", "0,1", "0", "10", "1"};
    RangeZoom zoom(cells);
    zoom.zoomIn(cells, "3", ',');
    EXPECT_EQ(cells, (RangeTexts{"0", "0,333333333333333", "0,0333333333333333", "0", "3,33333333333333",
                                 "0,333333333333333"}));
}

TEST(ZoomInAndOut, AFactorOfZeroOrBelowIsRefusedAndChangesNeitherTheCellsNorTheUndoRange) {
    translation::translator().loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/tsyEnglish.lng");
    const RangeTexts before = {"1", "12", "1", "0", "10", "1"};
    RangeZoom zoom(DefaultTexts);
    for (const char* factor : {"0", "-2", "-0", "0.0", "1E-5000"}) {
        RangeTexts cells = before;
        try {
            zoom.zoomIn(cells, factor, '.');
            ADD_FAILURE() << factor << " was taken by Zoom In";
        } catch (const common::ConversionError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + std::string(factor) +
                                                     "' is not a valid zoom factor: it must be a number "
                                                     "greater than 0.");
        }
        EXPECT_THROW(zoom.zoomOut(cells, factor, '.'), common::ConversionError) << factor;
        EXPECT_EQ(cells, before) << factor;
        EXPECT_EQ(zoom.undoRange(), DefaultTexts) << factor;
    }
    RangeTexts cells = before;
    zoom.zoomOut(cells, "1E-4000", '.');
    EXPECT_EQ(cells[common::Xmax], "1.2E-3999");
}

TEST(ZoomInAndOut, TextsThatAreNotNumbersStopTheZoomWithTheConversionMessage) {
    RangeTexts cells = DefaultTexts;
    RangeZoom zoom(cells);
    try {
        zoom.zoomOut(cells, "two", '.');
        FAIL() << "a factor that is not a number must fail";
    } catch (const common::ConversionError& error) {
        EXPECT_STREQ(error.what(), "'two' is not a valid floating point value");
    }
    cells[common::Ymax] = "1O";
    EXPECT_THROW(zoom.zoomIn(cells, "2", '.'), common::ConversionError);
    EXPECT_EQ(cells, (RangeTexts{"0", "12", "1", "0", "1O", "1"})) << "no cell may change before the failure";
}

TEST(ZoomInAndOut, AResultBeyondTheNumberRangeFailsAsAnOverflow) {
    RangeTexts cells = {"0", "1E4900", "1", "0", "10", "1"};
    RangeZoom zoom(cells);
    try {
        zoom.zoomIn(cells, "1E-100", '.');
        FAIL() << "the division must overflow";
    } catch (const regression::RegressionError& error) {
        EXPECT_STREQ(error.what(), "Floating point overflow");
    }
    EXPECT_EQ(cells[common::Xmax], "1E4900");
}

TEST(ZoomBox, ABoxDraggedDownToTheRightSetsFourCornersWithTwoDigits) {
    RangeTexts cells = DefaultTexts;
    RangeZoom zoom(DefaultTexts);
    const GraphGeometry geometry({0, 12, 1, 0, 10, 1}, 400, 300, 20);
    zoom.startZoomBox(cells);
    EXPECT_TRUE(zoom.zoomBoxMode());
    EXPECT_TRUE(zoom.finishZoomBox(cells, geometry, {40, 30}, {200, 150}, '.'));
    // Columns 40 and 200 are x = 0.666... and 6; rows 30 and 150 are y = 9.615... and 5.
    EXPECT_EQ(cells, (RangeTexts{"0.67", "6", "1", "5", "9.6", "1"}));
    EXPECT_FALSE(zoom.zoomBoxMode());
    zoom.undoZoom(cells);
    EXPECT_EQ(cells, DefaultTexts);
}

TEST(ZoomBox, ABoxDraggedUpOrLeftChangesNothingButEndsTheMode) {
    RangeTexts cells = DefaultTexts;
    RangeZoom zoom(cells);
    const GraphGeometry geometry({0, 12, 1, 0, 10, 1}, 400, 300, 20);
    zoom.startZoomBox(cells);
    EXPECT_FALSE(zoom.finishZoomBox(cells, geometry, {200, 150}, {40, 30}, '.'));
    EXPECT_FALSE(zoom.zoomBoxMode());
    zoom.startZoomBox(cells);
    EXPECT_FALSE(zoom.finishZoomBox(cells, geometry, {40, 30}, {200, 30}, '.'));
    EXPECT_EQ(cells, DefaultTexts);
    // Outside zoom-box mode a release does nothing.
    EXPECT_FALSE(zoom.finishZoomBox(cells, geometry, {40, 30}, {200, 150}, '.'));
    EXPECT_EQ(cells, DefaultTexts);
}

TEST(ZoomBox, CoordinateReadoutShowsTwoDigitsInTheLocaleSeparator) {
    const GraphGeometry geometry({0, 12, 1, 0, 10, 1}, 400, 300, 20);
    EXPECT_EQ(coordinateReadout(geometry, {40, 30}, '.'), "[0.67;9.6]");
    EXPECT_EQ(coordinateReadout(geometry, {40, 30}, ','), "[0,67;9,6]");
    EXPECT_EQ(coordinateReadout(geometry, {0, 299}, '.'), "[0;0]");
}

TEST(StandardRanges, DefaultsApplyWithoutSettingsAndTheSettingsWinOtherwise) {
    TempFolder folder;
    const common::IniFile none(folder / "tessaly.ini");
    EXPECT_EQ(readStandardRange(none, StandardRange::First), DefaultTexts);
    EXPECT_EQ(readStandardRange(none, StandardRange::Second), (RangeTexts{"-6", "6", "1", "-5", "5", "1"}));

    TempFolder::write(folder / "tessaly.ini", "[range2]\ncells[1,0]=-100\nCells[1,5]=0.5\n");
    const common::IniFile settings(folder / "tessaly.ini");
    EXPECT_EQ(readStandardRange(settings, StandardRange::Second),
              (RangeTexts{"-100", "6", "1", "-5", "5", "0.5"}));
    EXPECT_EQ(readStandardRange(settings, StandardRange::First), DefaultTexts);
}
