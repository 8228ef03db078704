#include "pictures/RedrawPacer.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace pictures {

namespace {

constexpr qreal UsualRefreshRate = 60;

int frameMilliseconds() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : UsualRefreshRate;
    return static_cast<int>(std::ceil(1000 / rate));
}

} // namespace

RedrawPacer::RedrawPacer(std::function<void()> redraw, QObject* parent)
    : QObject(parent), redraw_(std::move(redraw)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &RedrawPacer::run);
}

void RedrawPacer::request() {
    if (timer_.isActive())
        return;
    const int frame = frameMilliseconds();
    const qint64 elapsed = sinceLastRun_.isValid() ? sinceLastRun_.elapsed() : frame;
    if (elapsed >= frame)
        run();
    else
        timer_.start(frame - static_cast<int>(elapsed));
}

void RedrawPacer::run() {
    timer_.stop();
    sinceLastRun_.start();
    redraw_();
}

} // namespace pictures
