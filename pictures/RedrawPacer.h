#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace pictures {

// Runs a redraw at most once per frame of the screen: a request within a frame of the last run is
// held until that frame has passed, and every request in between is merged into that one run, which
// then draws the latest state. A request after a pause runs at once.
class RedrawPacer : public QObject {
public:
    RedrawPacer(std::function<void()> redraw, QObject* parent);

    void request();
    bool pending() const { return timer_.isActive(); }

private:
    void run();

    std::function<void()> redraw_;
    QTimer timer_;
    QElapsedTimer sinceLastRun_;
};

} // namespace pictures
