#include "reggraph/AxesDrawing.h"

#include "reggraph/CanvasStrokes.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace reggraph {

namespace {

struct AxesCanvas {
    QPainter& painter;
    const AxesLayout& axes;
    const GraphScene& scene;
    QFontMetrics metrics;

    int width() const { return axes.geometry.width(); }
    int height() const { return axes.geometry.height(); }
    int leftMargin() const { return axes.geometry.leftMargin(); }

    void text(QPoint topLeft, const std::string& text) const {
        drawTextCell(painter, metrics, topLeft, QString::fromStdString(text), scene.font.colour);
    }
    int textWidth(const std::string& text) const {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    }
};

// The y axis at column yx: name, arrow head at the top, the line down to H - 5 and, when the range
// does not start at 0, the break mark near the bottom.
void drawYAxisLine(const AxesCanvas& c, int yx) {
    const int h = c.height();
    c.text({yx + 7, 1}, c.scene.yAxisName);
    drawArrowHead(c.painter, {yx, 5}, {yx + 3, 12}, {yx - 3, 12});
    const QPoint axis[] = {{yx, 5}, {yx, h - 5}};
    drawLineStrip(c.painter, axis);
    if (c.axes.yAxisBreak) {
        const QPoint mark[] = {{yx, h - 30}, {yx - 10, h - 35}, {yx + 10, h - 35}, {yx, h - 40}};
        drawLineStrip(c.painter, mark);
    }
}

// The x axis at row xy: name above its right end, the line from left of the plot area to the arrow
// head at W - 5 and, when the range does not start at 0, the break mark near the left end.
void drawXAxisLine(const AxesCanvas& c, int xy) {
    const int w = c.width();
    const int lm = c.leftMargin();
    c.text({w - c.textWidth(c.scene.xAxisName) - 5, xy - 18}, c.scene.xAxisName);
    const QPoint axis[] = {{lm - 15, xy}, {w - 5, xy}};
    drawLineStrip(c.painter, axis);
    drawArrowHead(c.painter, {w - 5, xy}, {w - 12, xy - 3}, {w - 12, xy + 3});
    if (c.axes.xAxisBreak) {
        const QPoint mark[] = {{lm + 10, xy}, {lm + 15, xy - 10}, {lm + 15, xy + 10}, {lm + 20, xy}};
        drawLineStrip(c.painter, mark);
    }
}

void drawXTicks(const AxesCanvas& c) {
    const DisplayOptions& options = c.scene.options;
    const int row = c.axes.xAxisRow;
    setLinePen(c.painter, GridSilver);
    for (const AxisTick& tick : c.axes.xTicks) {
        const int px = tick.pixel;
        if (options.showGrid) {
            const QPoint grid[] = {{px, c.axes.geometry.plotTop()}, {px, c.axes.geometry.plotBottom()}};
            drawLineStrip(c.painter, grid);
        }
        if (!options.showAxis)
            continue;
        setLinePen(c.painter, Qt::black);
        if (tick.crossingAxis)
            drawYAxisLine(c, *tick.crossingAxis);
        const QPoint mark[] = {{px, row + 2}, {px, row - 3}};
        drawLineStrip(c.painter, mark);
        if (options.showScaleText && !tick.label.empty()) {
            const int w = c.textWidth(tick.label);
            c.text({px - static_cast<int>(std::nearbyint(w * 0.5)), row + 5}, tick.label);
        }
        setLinePen(c.painter, GridSilver);
    }
}

void drawYTicks(const AxesCanvas& c) {
    const DisplayOptions& options = c.scene.options;
    const int column = c.axes.yAxisColumn;
    setLinePen(c.painter, GridSilver);
    for (const AxisTick& tick : c.axes.yTicks) {
        const int py = tick.pixel;
        if (options.showGrid) {
            const QPoint grid[] = {{c.leftMargin(), py}, {c.axes.geometry.plotRight(), py}};
            drawLineStrip(c.painter, grid);
        }
        if (!options.showAxis)
            continue;
        setLinePen(c.painter, Qt::black);
        if (tick.crossingAxis)
            drawXAxisLine(c, *tick.crossingAxis);
        const QPoint mark[] = {{column - 2, py}, {column + 3, py}};
        drawLineStrip(c.painter, mark);
        if (options.showScaleText && !tick.label.empty())
            c.text({column - c.textWidth(tick.label) - 4, py - 6}, tick.label);
        setLinePen(c.painter, GridSilver);
    }
}

} // namespace

void drawAxes(QPainter& painter, const AxesLayout& axes, const GraphScene& scene) {
    painter.setFont(scene.font.font);
    const AxesCanvas canvas{painter, axes, scene, QFontMetrics(scene.font.font)};
    drawXTicks(canvas);
    drawYTicks(canvas);
}

} // namespace reggraph
