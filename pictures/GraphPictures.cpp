#include "pictures/GraphPictures.h"

#include <QPainter>

namespace pictures {

void prepareGraphPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void GraphPictures::restart(QSize size) {
    picture_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    recordedSteps_.clear();
    draw([&](QPainter& painter) { painter.fillRect(QRect(QPoint(0, 0), picture_.size()), Qt::white); });
}

void GraphPictures::draw(const std::function<void(QPainter&)>& step) {
    {
        QPainter painter(&picture_);
        prepareGraphPainter(painter);
        step(painter);
    }
    QPicture recording;
    {
        QPainter painter(&recording);
        prepareGraphPainter(painter);
        step(painter);
    }
    recordedSteps_.push_back(std::move(recording));
}

VectorPicture GraphPictures::vectorPicture() const {
    QPicture whole;
    {
        QPainter painter(&whole);
        for (const QPicture& step : recordedSteps_)
            painter.drawPicture(0, 0, step);
    }
    whole.setBoundingRect(QRect(QPoint(0, 0), picture_.size()));
    return {picture_.size(), [whole](QPainter& painter) {
                // A recording replays scaled by the device's resolution against its own; undoing
                // that scale keeps one unit of the painter per pixel, as a direct drawing has.
                const qreal replayX = qreal(painter.device()->logicalDpiX()) / whole.logicalDpiX();
                const qreal replayY = qreal(painter.device()->logicalDpiY()) / whole.logicalDpiY();
                if (replayX == 1 && replayY == 1) {
                    painter.drawPicture(0, 0, whole);
                    return;
                }
                painter.save();
                painter.scale(1 / replayX, 1 / replayY);
                painter.drawPicture(0, 0, whole);
                painter.restore();
            }};
}

} // namespace pictures
