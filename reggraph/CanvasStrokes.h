#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <span>

class QFontMetrics;
class QPainter;

namespace reggraph {

inline const QColor GridSilver(192, 192, 192);

// A solid pen one pixel wide in the colour; lines drawn with it through drawLineStrip.
void setLinePen(QPainter& painter, const QColor& colour);

// Move to the first point, then a line to each following one. As with a classic "line to", the end
// pixel of each line is left out: the last point of the strip is not drawn, every corner is.
void drawLineStrip(QPainter& painter, std::span<const QPoint> points);

// The three corners as a filled black triangle: the arrow head of an axis.
void drawArrowHead(QPainter& painter, QPoint a, QPoint b, QPoint c);

// Text with its top left corner at `topLeft`, on a white cell of the text's size.
void drawTextCell(QPainter& painter, const QFontMetrics& metrics, QPoint topLeft, const QString& text,
                  const QColor& colour);

} // namespace reggraph
