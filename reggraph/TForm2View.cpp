// Wheel zoom about the pointer, panning by dragging and by keys.
#include "common/NumberParse.h"
#include "pictures/RedrawPacer.h"
#include "pictures/ViewInput.h"
#include "reggraph/AxesLayout.h"
#include "reggraph/TForm2.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <chrono>

using namespace reggraph;

common::ViewNow TForm2::viewNow() const {
    const common::RangeTexts texts = host_.rangeTexts();
    if (drawing_.axes)
        return {texts, drawing_.axes->geometry.range()};
    // Nothing drawn yet: a gesture starts from the grid, or, when that is no range, not at all.
    try {
        return {texts, common::parseRange(texts, host_.decimalSeparator())};
    } catch (const common::ConversionError&) {
        return {texts, common::GraphRange{}};
    }
}

common::PlotArea TForm2::plotAreaOf(const common::GraphRange& range) const {
    const QFontMetrics metrics(graphFont_.font);
    const std::optional<AxesLayout> axes = layoutAxes(
        range, width(), height(),
        [&metrics](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromStdString(text));
        },
        host_.decimalSeparator());
    if (!axes || height() < SmallestDrawnHeight)
        return {};
    const GraphGeometry& geometry = axes->geometry;
    return {geometry.leftMargin(), geometry.plotTop(), geometry.plotWidth(), geometry.plotHeight()};
}

common::ZoomFactors TForm2::zoomFactors() const {
    const auto factor = [this](const std::string& text) {
        return common::tryParseFloat(text, host_.decimalSeparator()).value_or(0);
    };
    const long double in = factor(host_.xFactorText());
    const long double out = factor(host_.yFactorText());
    return {in, in, out, out};
}

void TForm2::showView(const std::optional<common::ViewChange>& change) {
    if (!change)
        return;
    if (change->startsGesture)
        zoom_.keepUndoRange(host_.rangeTexts());
    host_.setRangeTexts(change->texts);
    host_.setModified();
    viewPacer_->request();
}

void TForm2::redrawView() {
    redraw();
    // A button held on the graph reads out the coordinates of the view now shown.
    if (buttonDown_)
        pressGeometry_ = mouseGeometry();
}

void TForm2::cancelZoomBox() {
    if (!zoom_.zoomBoxMode() || !buttonDown_)
        return;
    buttonDown_ = false;
    host_.clearStatus();
    update();
}

void TForm2::wheelEvent(QWheelEvent* event) {
    event->accept();
    cancelZoomBox();
    const QPointF at = event->position();
    showView(gestures_.wheel(viewNow(), at.x(), at.y(), pictures::wheelTurn(*event),
                             pictures::wheelAxes(*event), zoomFactors(), std::chrono::steady_clock::now()));
    // A pan under way goes on from the zoomed view.
    if (panButton_)
        gestures_.beginDrag(viewNow(), at.x(), at.y());
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    const std::optional<common::ViewKey> key = pictures::viewKeyOf(*event);
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    cancelZoomBox();
    showView(gestures_.key(viewNow(), *key, zoomFactors()));
}

void TForm2::beginPan(const QMouseEvent& event) {
    panButton_ = event.button();
    gestures_.beginDrag(viewNow(), event.position().x(), event.position().y());
    setCursor(Qt::ClosedHandCursor);
}

void TForm2::endPan() {
    panButton_.reset();
    gestures_.endDrag();
    unsetCursor();
}
