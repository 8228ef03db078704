#pragma once

#include "reggraph/AxesLayout.h"
#include "reggraph/GraphScene.h"

#include <optional>
#include <vector>

class QPainter;

namespace projects {
class DataLists;
}

namespace reggraph {

// The points of the lists grid that the series draw: x from column 1, y from column 2, for the
// complete rows of a project with one variable; none otherwise.
struct SeriesPoints {
    std::vector<long double> xs;
    std::vector<long double> ys;
    std::optional<BadCell> firstBadCell; // only with BadCells::LeaveOut
};
SeriesPoints seriesPoints(const projects::DataLists* lists, char decimalSeparator,
                          BadCells badCells = BadCells::Refuse);

// RitaScatter: an upright black cross, 11 pixels wide and high, on each point inside the range.
void drawScatter(QPainter& painter, const AxesLayout& axes, const SeriesPoints& points);

// RitaHistogram: the outlines of the class bars, y summed per class of width Xstep.
void drawHistogram(QPainter& painter, const AxesLayout& axes, const SeriesPoints& points);

// RitaXYLine: a black line through the points in order of x, not clipped to the plot area; nothing for
// fewer than two points.
void drawXYLine(QPainter& painter, const AxesLayout& axes, const SeriesPoints& points);

} // namespace reggraph
