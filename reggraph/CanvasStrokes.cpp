#include "reggraph/CanvasStrokes.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <algorithm>
#include <cstdlib>
#include <vector>

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

void drawLineStrip(QPainter& painter, std::span<const QPoint> points) {
    std::vector<QPoint> corners;
    corners.reserve(points.size());
    for (const QPoint& p : points)
        if (corners.empty() || corners.back() != p)
            corners.push_back(p);
    if (corners.size() < 2)
        return;

    // A line running the other way skips its start instead: that pixel is drawn on its own, and its
    // end pixel is covered by the next line, which starts there. Only the strip's last line needs its
    // end pixel cut away. Each line is drawn on its own: a batch of lines is rasterised differently
    // from the same lines replayed from a vector picture.
    const std::size_t last = corners.size() - 1;
    for (std::size_t i = 0; i + 1 < last; ++i) {
        painter.drawLine(QPointF(corners[i]), QPointF(corners[i + 1]));
        if (!flatLineSkipsEnd(corners[i], corners[i + 1]))
            painter.drawPoint(QPointF(corners[i]));
    }

    const QPoint from = corners[last - 1];
    const QPoint to = corners[last];
    if (flatLineSkipsEnd(from, to)) {
        painter.drawLine(QPointF(from), QPointF(to));
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
    painter.save();
    painter.setPen(colour);
    painter.drawText(topLeft.x(), topLeft.y() + metrics.ascent(), text);
    painter.restore();
}

} // namespace reggraph
