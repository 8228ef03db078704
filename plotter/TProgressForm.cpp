#include "plotter/TProgressForm.h"

#include <QApplication>
#include <QPainter>
#include <QVBoxLayout>
#include <QtMath>
#include <cmath>

namespace {

constexpr float LastVisibleFraction = 0.9999f;

} // namespace

TGauge::TGauge(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Gauge1"));
    setMinimumSize(160, 100);
}

void TGauge::setProgress(int progress) {
    progress = std::clamp(progress, 0, 100);
    if (progress == progress_)
        return;
    progress_ = progress;
    update();
}

void TGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect().adjusted(8, 8, -8, -24);
    const qreal radius = std::min(area.width() / 2, area.height());
    const QPointF centre(area.center().x(), area.top() + radius);
    const QRectF dial(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);

    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawPie(dial, 0, 180 * 16);
    painter.setPen(QPen(palette().color(QPalette::Text), 1));
    for (int tick = 0; tick <= 100; tick += 10) {
        const qreal angle = qDegreesToRadians(180.0 - 1.8 * tick);
        const QPointF direction(std::cos(angle), -std::sin(angle));
        painter.drawLine(centre + direction * radius * 0.85, centre + direction * radius);
    }
    const qreal needleAngle = qDegreesToRadians(180.0 - 1.8 * progress_);
    painter.setPen(QPen(QColor(200, 0, 0), 2));
    painter.drawLine(centre, centre + QPointF(std::cos(needleAngle), -std::sin(needleAngle)) * radius * 0.9);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(rect().left(), centre.y() + 2, rect().width(), 20), Qt::AlignCenter,
                     QStringLiteral("%1%").arg(progress_));
}

TProgressForm::TProgressForm(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), Gauge1(new TGauge(this)) {
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(QStringLiteral("Progress"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Gauge1);
    resize(260, 170);
}

void TProgressForm::report(float fraction) {
    if (fraction > LastVisibleFraction) {
        hide();
        return;
    }
    if (!isVisible())
        show();
    Gauge1->setProgress(static_cast<int>(std::lround(fraction * 100.0f)));
    Gauge1->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
