#include "reggraph/SeriesDrawing.h"

#include "projects/DataLists.h"
#include "reggraph/CanvasStrokes.h"
#include "reggraph/Histogram.h"
#include "reggraph/XYLine.h"

#include <QPainter>

namespace reggraph {

namespace {

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

SeriesPoints seriesPoints(const projects::DataLists* lists, char decimalSeparator) {
    SeriesPoints points;
    if (!lists || lists->variableCount() != 1)
        return points;
    const int rows = lists->completeRowCount();
    points.xs.reserve(static_cast<std::size_t>(rows));
    points.ys.reserve(static_cast<std::size_t>(rows));
    for (int row = 1; row <= rows; ++row) {
        points.xs.push_back(lists->number(1, row, decimalSeparator));
        points.ys.push_back(lists->number(2, row, decimalSeparator));
    }
    return points;
}

void drawScatter(QPainter& painter, const AxesLayout& axes, const SeriesPoints& points) {
    const GraphGeometry& g = axes.geometry;
    const GraphRange& r = g.range();
    setLinePen(painter, Qt::black);
    for (std::size_t i = 0; i < points.xs.size(); ++i) {
        const long double x = points.xs[i];
        const long double y = points.ys[i];
        if (!(r.yMin <= y && y <= r.yMax && r.xMin <= x && x <= r.xMax))
            continue;
        const int px = g.scaledPixelX(x);
        const int py = g.scaledPixelY(y);
        const QPoint across[] = {{px - 5, py}, {px + 6, py}};
        const QPoint upright[] = {{px, py - 5}, {px, py + 6}};
        drawLineStrip(painter, across);
        drawLineStrip(painter, upright);
    }
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
