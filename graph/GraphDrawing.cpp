#include "graph/GraphDrawing.h"

#include "common/NumberFormat.h"
#include "graph/PlotOptions.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace graph {

namespace {

const QColor GridColour(192, 192, 192);
constexpr int ScaleDigits = 3;

QPen linePen(const QColor& colour, int width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::BevelJoin);
    return pen;
}

// Text with its top left corner at (x, y), on a white box of the text's size.
void textOnWhite(QPainter& painter, const QFontMetrics& metrics, int x, int y, const QString& text,
                 const QColor& colour) {
    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), Qt::white);
    painter.setPen(colour);
    painter.drawText(x, y + metrics.ascent(), text);
}

QString scaleText(long double value, char decimalSeparator) {
    return QString::fromStdString(common::formatGeneral(value, ScaleDigits, decimalSeparator));
}

// Ticks far outside the client area cannot be seen; leaving them out keeps pixel arithmetic small.
bool rowNearClientArea(const GraphCoordinates& c, int row) {
    return row > -c.clientHeight && row < 2 * c.clientHeight;
}

void drawArrowhead(QPainter& painter, const QPolygon& outline) {
    painter.setPen(linePen(Qt::black, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(outline);
    painter.setBrush(Qt::NoBrush);
}

// Calls tick(r, value) for r = 1 up to the last index, then r = -1 down to the first; the value
// written is the running sum of the step, so labels carry the same rounding as the ticks counted.
template <typename Tick> void forEachTick(const TickIndexRange& indices, long double step, Tick&& tick) {
    long double value = 0;
    for (long long r = 1; r <= indices.last; ++r)
        tick(r, value += step);
    value = 0;
    for (long long r = -1; r >= indices.first; --r)
        tick(r, value -= step);
}

void drawXAxis(QPainter& painter, const GraphCoordinates& c, const PlotOptions& options,
               const QFontMetrics& metrics, char decimalSeparator) {
    const int row = c.axisRow;
    const int penWidth = options.boldLines ? 2 : 1;
    painter.setPen(linePen(Qt::black, penWidth));
    painter.drawLine(c.left - 10, row, c.right + 10, row);
    drawArrowhead(painter, QPolygon({QPoint(c.right + 17, row), QPoint(c.right + 10, row + 3),
                                     QPoint(c.right + 10, row - 3)}));

    const auto indices = tickIndexRange(c.range.Xmin, c.range.Xmax, c.range.Xstep);
    if (!indices || indices->first == indices->last ||
        std::max(std::llabs(indices->first), std::llabs(indices->last)) > MaxTickLines)
        return;
    auto tick = [&](long long r, long double value) {
        const int column = c.columnOfX(r * c.range.Xstep);
        painter.setPen(linePen(Qt::black, penWidth));
        painter.drawLine(column, row + 2, column, row - 2);
        if (options.showScaleText) {
            const QString text = scaleText(value, decimalSeparator);
            textOnWhite(painter, metrics, column - metrics.horizontalAdvance(text) / 2, row + 3, text,
                        Qt::black);
        }
    };
    forEachTick(*indices, c.range.Xstep, tick);
}

void drawYAxis(QPainter& painter, const GraphCoordinates& c, const PlotOptions& options,
               const QFontMetrics& metrics, char decimalSeparator) {
    const int column = c.axisColumn;
    const int penWidth = options.boldLines ? 2 : 1;
    painter.setPen(linePen(Qt::black, penWidth));
    painter.drawLine(column, c.top - 9, column, c.bottom + 10);
    drawArrowhead(painter, QPolygon({QPoint(column, c.top - 17), QPoint(column - 3, c.top - 10),
                                     QPoint(column + 3, c.top - 10)}));

    const auto indices = tickIndexRange(c.range.Ymin, c.range.Ymax, c.range.Ystep);
    if (!indices || std::max(std::llabs(indices->first), std::llabs(indices->last)) > MaxTickLines)
        return;
    auto tick = [&](long long r, long double value) {
        const int row = c.rowOfY(r * c.range.Ystep);
        if (!rowNearClientArea(c, row))
            return;
        painter.setPen(linePen(Qt::black, penWidth));
        painter.drawLine(column + 2, row, column - 2, row);
        if (options.showScaleText) {
            const QString text = scaleText(value, decimalSeparator);
            textOnWhite(painter, metrics, column - metrics.horizontalAdvance(text) - 4,
                        row - metrics.height() / 2, text, Qt::black);
        }
    };
    forEachTick(*indices, c.range.Ystep, tick);
}

} // namespace

void drawGrid(QPainter& painter, const GraphCoordinates& c) {
    painter.setPen(linePen(GridColour, 1));
    const auto rows = tickIndexRange(c.range.Ymin, c.range.Ymax, c.range.Ystep);
    if (rows && rows->last > rows->first && rows->last - rows->first <= MaxTickLines) {
        for (long long i = rows->first; i <= rows->last; ++i) {
            if (i == 0)
                continue;
            const int row = c.rowOfY(i * c.range.Ystep);
            if (rowNearClientArea(c, row))
                painter.drawLine(c.left, row, c.right, row);
        }
    }
    const auto columns = tickIndexRange(c.range.Xmin, c.range.Xmax, c.range.Xstep);
    if (columns && columns->last > columns->first && columns->last - columns->first <= MaxTickLines) {
        for (long long j = columns->first; j <= columns->last; ++j) {
            if (j == 0)
                continue;
            const int column = c.columnOfX(j * c.range.Xstep);
            painter.drawLine(column, c.top, column, c.bottom);
        }
    }
}

void drawAxes(QPainter& painter, const GraphCoordinates& c, const PlotOptions& options, const QFont& font,
              char decimalSeparator) {
    painter.setFont(font);
    const QFontMetrics metrics(font);
    if (c.axisRow != 0)
        drawXAxis(painter, c, options, metrics, decimalSeparator);
    if (c.axisColumn != 0)
        drawYAxis(painter, c, options, metrics, decimalSeparator);

    if (c.axisRow != 0) {
        const QString text = QString::fromStdString(options.xAxisText);
        textOnWhite(painter, metrics,
                    c.right - metrics.horizontalAdvance(text) +
                        metrics.horizontalAdvance(QStringLiteral("x")) + 10,
                    c.axisRow - metrics.height() - 3, text, Qt::black);
    }
    if (c.axisColumn != 0)
        textOnWhite(painter, metrics, c.axisColumn + 7, 0, QString::fromStdString(options.yAxisText),
                    Qt::black);
}

void drawFunctionName(QPainter& painter, const GraphCoordinates& c, const QFont& font, const QString& name,
                      int position, const QColor& colour) {
    painter.setFont(font);
    const QFontMetrics metrics(font);
    textOnWhite(painter, metrics, c.right + 10 - metrics.horizontalAdvance(name),
                c.top - 10 + position * (metrics.height() + 3), name, colour);
}

void drawCurveShape(QPainter& painter, const CurveShape& shape, const QColor& colour, bool bold) {
    QPolygon points;
    points.reserve(qsizetype(shape.points.size()));
    for (const Pixel& pixel : shape.points)
        points.append(QPoint(pixel.x, pixel.y));
    if (shape.dotted) {
        painter.setPen(linePen(colour, 1));
        painter.drawPoints(points);
        return;
    }
    painter.setPen(linePen(colour, bold ? 2 : 1));
    const int pieceCount = int(shape.pieceStarts.size());
    for (int k = 0; k < pieceCount; ++k) {
        const int start = shape.pieceStarts[k];
        const int end = k + 1 < pieceCount ? shape.pieceStarts[k + 1] : int(shape.points.size());
        if (end - start >= 2)
            painter.drawPolyline(points.constData() + start, end - start);
    }
}

} // namespace graph
