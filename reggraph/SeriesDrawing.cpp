#include "reggraph/SeriesDrawing.h"

#include "common/NumberParse.h"
#include "projects/DataLists.h"
#include "reggraph/CanvasStrokes.h"
#include "reggraph/Histogram.h"
#include "reggraph/XYLine.h"

#include <QPaintEngine>
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
    // The arms are rows and columns of pixels. A raster picture fills them as rectangles several times
    // faster than it draws lines; a recorded picture stores lines far faster than rectangles, and a
    // flat-ended line running right or down leaves out its end pixel as a "line to" does. Both give
    // the same pixels.
    const bool asRectangles = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    std::vector<QLine> lines;
    std::vector<QRect> rects;
    if (asRectangles)
        rects.reserve(2 * points.xs.size());
    else
        lines.reserve(2 * points.xs.size());
    for (std::size_t i = 0; i < points.xs.size(); ++i) {
        const long double x = points.xs[i];
        const long double y = points.ys[i];
        if (!(r.Ymin <= y && y <= r.Ymax && r.Xmin <= x && x <= r.Xmax))
            continue;
        const int px = g.scaledPixelX(x);
        const int py = g.scaledPixelY(y);
        if (asRectangles) {
            rects.emplace_back(px - 5, py, 11, 1);
            rects.emplace_back(px, py - 5, 1, 11);
        } else {
            lines.emplace_back(px - 5, py, px + 6, py);
            lines.emplace_back(px, py - 5, px, py + 6);
        }
    }
    setLinePen(painter, Qt::black);
    if (!lines.empty())
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    if (!rects.empty()) {
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawRects(rects.data(), static_cast<int>(rects.size()));
        painter.restore();
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
