#pragma once

#include "common/GraphRange.h"
#include "projects/FunctionRecord.h"

#include <QColor>
#include <QFont>
#include <string>
#include <vector>

namespace projects {
class DataLists;
}

namespace reggraph {

class SeriesPointsCache;

// The "Options" menu switches that decide what the axes drawing writes.
struct DisplayOptions {
    bool showAxis = true;
    bool showGrid = true;
    bool showScaleText = true;
    bool showFunctionNames = true;
};

// Which data series are drawn after the curves.
struct SeriesSwitches {
    bool scatter = true;
    bool histogram = false;
    bool xyLine = false;
};

enum class Series { Scatter, Histogram, XYLine };

// A cell of the lists grid that is not a number, with the parser's message about it.
struct BadCell {
    int column = 0;
    int row = 0;
    std::string message; // "'abc' is not a valid floating point value"
};

// What the series do with a complete row holding a cell that is not a number.
enum class BadCells {
    Refuse,  // common::ConversionError is thrown before anything is drawn
    LeaveOut // the row is left out and the first such cell is reported in SeriesPoints::firstBadCell
};

// The font of every text on the graph, with the colour of texts that are not curve names.
struct GraphFont {
    QFont font;
    QColor colour = Qt::black;
};

// "MS Sans Serif", 8 points, no style, black.
GraphFont defaultGraphFont();

// The graph font from its stored name, size in points and style; the classic Windows names become
// the platform's sans-serif font, sized in pixels so both pictures measure text alike.
GraphFont makeGraphFont(const std::string& name, int pointSize, bool bold, bool italic, bool underline,
                        const QColor& colour = Qt::black);

// Everything one drawing reads from the windows, gathered before it starts.
struct GraphScene {
    common::RangeTexts range{"0", "12", "1", "0", "10", "1"}; // the range grid's six texts, as typed
    std::string xAxisName = "X";
    std::string yAxisName = "Y";
    DisplayOptions options;
    SeriesSwitches series;
    bool bands = false; // the confidence and prediction bands around every fit of one variable
    GraphFont font = defaultGraphFont();
    char decimalSeparator = '.';
    const projects::DataLists* lists = nullptr; // the lists grid; the series read its complete rows
    BadCells badCells = BadCells::Refuse;
    // Keeps the points read from the lists between drawings; without it every drawing reads them.
    SeriesPointsCache* seriesCache = nullptr;
    // The current project's function records, in record order; record n's equation is the name of
    // drawn function n.
    std::vector<projects::DrawableRecord> records;
};

} // namespace reggraph
