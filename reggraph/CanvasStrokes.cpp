#include "reggraph/CanvasStrokes.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace reggraph {

namespace {

// An aliased line with flat ends covers its pixels from the end with the smaller coordinate along
// the longer direction up to, not including, the other end. When that other end is the line's end
// point, the line already ends as a "line to" does.
bool flatLineSkipsEnd(QPoint from, QPoint to) {
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    return std::abs(dx) >= std::abs(dy) ? dx > 0 : dy > 0;
}

QPen flatPen(const QColor& colour) {
    QPen pen(colour, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

} // namespace

void setLinePen(QPainter& painter, const QColor& colour) {
    painter.setPen(flatPen(colour));
}

namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

// One line from `from` towards `to`, without its end pixel.
void drawLineWithoutEnd(QPainter& painter, QPoint from, QPoint to, bool endsStrip) {
    if (from.x() == to.x() || from.y() == to.y()) {
        // Along a pixel row or column the pixels from `from` up to `to` are the same line drawn the
        // other way, one pixel further on.
        if (!flatLineSkipsEnd(from, to)) {
            const QPoint step(sign(from.x() - to.x()), sign(from.y() - to.y()));
            std::swap(from, to);
            from += step;
            to += step;
        }
        painter.drawLine(QPointF(from), QPointF(to));
        return;
    }
    if (flatLineSkipsEnd(from, to)) {
        painter.drawLine(QPointF(from), QPointF(to));
        return;
    }
    // A line running the other way skips its start instead: that pixel is drawn on its own. Its end
    // pixel is drawn too, which is covered anyway by the next line of the strip, starting there; only
    // the strip's last line needs it cut away.
    if (!endsStrip) {
        painter.drawLine(QPointF(from), QPointF(to));
        painter.drawPoint(QPointF(from));
        return;
    }
    painter.save();
    const QRect bounds(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                       QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    painter.setClipRegion(QRegion(bounds) - QRegion(QRect(to, QSize(1, 1))), Qt::IntersectClip);
    painter.drawLine(QPointF(from), QPointF(to));
    painter.drawPoint(QPointF(from));
    painter.restore();
}

} // namespace

void drawLineStrip(QPainter& painter, std::span<const QPoint> points) {
    // Repeated points draw nothing; the last line is the one before the final distinct point.
    std::size_t end = points.size();
    while (end > 1 && points[end - 1] == points[end - 2])
        --end;
    std::size_t from = 0;
    for (std::size_t to = 1; to < end; ++to) {
        if (points[to] == points[from])
            continue;
        drawLineWithoutEnd(painter, points[from], points[to], to + 1 == end);
        from = to;
    }
}

void drawArrowHead(QPainter& painter, QPoint a, QPoint b, QPoint c) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({a, b, c}));
    painter.restore();
    // The outline covers every pixel of the three sides, which the fill alone leaves partly out.
    setLinePen(painter, Qt::black);
    const QPoint outline[] = {a, b, c, a};
    drawLineStrip(painter, outline);
}

void drawTextCell(QPainter& painter, const QFontMetrics& metrics, QPoint topLeft, const QString& text,
                  const QColor& colour) {
    painter.fillRect(QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height())), Qt::white);
    // The pen is set back rather than a saved state restored: a vector file's engine writes out the
    // whole state at each save and restore, as groups that hold nothing.
    const QPen previous = painter.pen();
    painter.setPen(colour);
    painter.drawText(topLeft.x(), topLeft.y() + metrics.ascent(), text);
    painter.setPen(previous);
}

} // namespace reggraph
