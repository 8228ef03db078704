// Wheel zoom about the pointer, panning by dragging and by keys.
#include "graph/PlotOptions.h"
#include "graph/TGraphWindow.h"
#include "pictures/RedrawPacer.h"
#include "pictures/ViewInput.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <chrono>

namespace graph {

common::ViewNow TGraphWindow::viewNow() const {
    return {host_.range.rangeTexts(), graph_.range()};
}

common::PlotArea TGraphWindow::plotArea() const {
    const GraphCoordinates& c = graph_.coordinates();
    return {c.left, c.top, c.width, c.height};
}

common::ZoomFactors TGraphWindow::zoomFactors() const {
    // Zoom In divides by the factors and Zoom Out multiplies by the same ones.
    const PlotOptions& options = host_.state.plotOptions();
    return {options.xZoomFactor, options.yZoomFactor, options.xZoomFactor, options.yZoomFactor};
}

void TGraphWindow::showView(const std::optional<common::ViewChange>& change) {
    if (!change)
        return;
    if (change->startsGesture)
        host_.range.keepRangeForUndoZoom();
    host_.range.setRangeTexts(change->texts);
    viewPacer_->request();
}

void TGraphWindow::cancelSelection() {
    if (!dragging_ || !graph_.anyToolArmed())
        return;
    dragging_ = false;
    eraseRectangle();
    host_.status.clearStatus();
}

void TGraphWindow::wheelEvent(QWheelEvent* event) {
    event->accept();
    cancelSelection();
    const QPointF at = event->position();
    showView(gestures_.wheel(viewNow(), at.x(), at.y(), pictures::wheelTurn(*event),
                             pictures::wheelAxes(*event), zoomFactors(), std::chrono::steady_clock::now()));
    // A pan under way goes on from the zoomed view.
    if (panButton_)
        gestures_.beginDrag(viewNow(), at.x(), at.y());
}

bool TGraphWindow::startsPan(const QMouseEvent& event) const {
    // With a tool armed a left drag selects, with Shift or without.
    return !panButton_ && pictures::startsPan(event, !graph_.anyToolArmed());
}

void TGraphWindow::beginPan(const QMouseEvent& event) {
    cancelSelection();
    panButton_ = event.button();
    gestures_.beginDrag(viewNow(), event.position().x(), event.position().y());
    setCursor(Qt::ClosedHandCursor);
}

void TGraphWindow::endPan() {
    panButton_.reset();
    gestures_.endDrag();
    unsetCursor();
}

bool TGraphWindow::viewKey(const QKeyEvent& event) {
    const std::optional<common::ViewKey> key = pictures::viewKeyOf(event);
    if (!key)
        return false;
    cancelSelection();
    showView(gestures_.key(viewNow(), *key, zoomFactors()));
    return true;
}

} // namespace graph
