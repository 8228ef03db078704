#include "graph/TraceMarker.h"

#include <QPainter>
#include <algorithm>

namespace graph {

namespace {
// Keeps a marker for a far-away point just outside the window instead of at a position the
// window system cannot take.
constexpr int OffWindowMargin = 100;
} // namespace

TraceMarker::TraceMarker(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("shapeTrace"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    resize(Size, Size);
    hide();
}

void TraceMarker::centreOn(int column, int row) {
    const QWidget* window = parentWidget();
    const int x = std::clamp(column, -OffWindowMargin, window->width() + OffWindowMargin);
    const int y = std::clamp(row, -OffWindowMargin, window->height() + OffWindowMargin);
    move(x - Size / 2, y - Size / 2);
}

void TraceMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(0.5, 0.5, Size - 1, Size - 1), 2, 2);
}

} // namespace graph
