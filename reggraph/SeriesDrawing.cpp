#include "reggraph/SeriesDrawing.h"

#include "common/NumberParse.h"
#include "projects/DataLists.h"
#include "reggraph/CanvasStrokes.h"
#include "reggraph/CrossDrawing.h"
#include "reggraph/Histogram.h"
#include "reggraph/XYLine.h"

#include <QPainter>

namespace reggraph {

namespace {

// Each arm of a scatter cross, right and left, up and down of its centre pixel.
constexpr int ScatterArm = 5;

QPoint toQPoint(PixelPoint p) {
    return {p.x, p.y};
}

std::vector<QPoint> toQPoints(const std::vector<PixelPoint>& points) {
    std::vector<QPoint> result;
    result.reserve(points.size());
    for (const PixelPoint& p : points)
        result.push_back(toQPoint(p));
    return result;
}

} // namespace

SeriesPoints seriesPoints(const projects::DataLists* lists, char decimalSeparator, BadCells badCells) {
    SeriesPoints points;
    if (!lists || lists->variableCount() != 1)
        return points;
    const auto read = [&](int column, int row) -> std::optional<long double> {
        try {
            return lists->number(column, row, decimalSeparator);
        } catch (const common::ConversionError& error) {
            if (badCells == BadCells::Refuse)
                throw;
            if (!points.firstBadCell)
                points.firstBadCell = BadCell{column, row, error.what()};
            return std::nullopt;
        }
    };
    const int rows = lists->completeRowCount();
    points.xs.reserve(static_cast<std::size_t>(rows));
    points.ys.reserve(static_cast<std::size_t>(rows));
    for (int row = 1; row <= rows; ++row) {
        const std::optional<long double> x = read(1, row);
        const std::optional<long double> y = x ? read(2, row) : std::nullopt;
        if (x && y) {
            points.xs.push_back(*x);
            points.ys.push_back(*y);
        }
    }
    return points;
}

void drawScatter(QPainter& painter, const AxesLayout& axes, const SeriesPoints& points) {
    const GraphGeometry& g = axes.geometry;
    const common::GraphRange& r = g.range();
    std::vector<PixelPoint> centres;
    centres.reserve(points.xs.size());
    for (std::size_t i = 0; i < points.xs.size(); ++i) {
        const long double x = points.xs[i];
        const long double y = points.ys[i];
        if (r.Ymin <= y && y <= r.Ymax && r.Xmin <= x && x <= r.Xmax)
            centres.push_back({g.scaledPixelX(x), g.scaledPixelY(y)});
    }
    drawCrosses(painter, centres, ScatterArm, Qt::black);
}

void drawHistogram(QPainter& painter, const AxesLayout& axes, const SeriesPoints& points) {
    if (points.xs.empty())
        return;
    setLinePen(painter, Qt::black);
    const auto classes = histogramClasses(axes.geometry.range(), axes.xFirstTick, points.xs, points.ys);
    for (const auto& bar : histogramBars(axes, classes))
        drawLineStrip(painter, toQPoints(bar));
}

void drawXYLine(QPainter& painter, const AxesLayout& axes, const SeriesPoints& points) {
    const auto order = xyLineOrder(points.xs, points.ys);
    if (order.empty())
        return;
    setLinePen(painter, Qt::black);
    drawLineStrip(painter, toQPoints(xyLinePixels(axes.geometry, order)));
}

} // namespace reggraph
