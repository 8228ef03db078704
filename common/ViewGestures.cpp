#include "common/ViewGestures.h"

#include "common/NumberFormat.h"
#include "common/NumberParse.h"

#include <cmath>

namespace common {

namespace {

constexpr int SettlePasses = 3;

bool usable(const PlotArea& area) {
    return area.width > 0 && area.height > 0;
}

bool isDrawableView(const GraphRange& view) {
    return std::isfinite(view.Xmin) && std::isfinite(view.Xmax) && std::isfinite(view.Ymin) &&
           std::isfinite(view.Ymax) && view.Xmin < view.Xmax && view.Ymin < view.Ymax;
}

// The span factor of `notches` notches: a third of a zoom command's factor per notch.
std::optional<long double> notchScale(long double notches, long double inFactor, long double outFactor) {
    const long double factor = notches > 0 ? inFactor : outFactor;
    if (!(factor > 0) || !std::isfinite(factor))
        return std::nullopt;
    return std::pow(factor, -notches / 3);
}

long double centreColumn(const PlotArea& area) {
    return area.left + area.width / 2.0L;
}

long double centreRow(const PlotArea& area) {
    return area.top + area.height / 2.0L;
}

} // namespace

ViewGestures::ViewGestures(char decimalSeparator, AreaOf areaOf, Drawable drawable)
    : decimalSeparator_(decimalSeparator), areaOf_(std::move(areaOf)), drawable_(std::move(drawable)) {}

std::optional<ViewGestures::Start> ViewGestures::startOf(const ViewNow& now) const {
    if (written_ && now.texts == *written_) {
        const PlotArea area = areaOf_(parseRange(*written_, decimalSeparator_));
        if (!usable(area))
            return std::nullopt;
        return Start{exact_, area, now.texts[Xstep], now.texts[Ystep]};
    }
    if (!isDrawableView(now.shown))
        return std::nullopt;
    const PlotArea area = areaOf_(now.shown);
    if (!usable(area))
        return std::nullopt;
    // A step keeps its text as typed while that is the step drawn.
    const auto stepText = [&](RangeRow row) {
        const std::optional<long double> typed = tryParseFloat(now.texts[row], decimalSeparator_);
        return typed && *typed == now.shown[row] ? now.texts[row]
                                                 : formatPlain(now.shown[row], decimalSeparator_);
    };
    return Start{now.shown, area, stepText(Xstep), stepText(Ystep)};
}

void ViewGestures::startGesture(Gesture gesture) {
    gesture_ = gesture;
    gestureChanged_ = false;
}

std::optional<ViewChange> ViewGestures::changed(std::optional<ViewChange> change) {
    if (change) {
        change->startsGesture = !gestureChanged_;
        gestureChanged_ = true;
    }
    return change;
}

std::optional<ViewChange> ViewGestures::wheel(const ViewNow& now, long double column, long double row,
                                              int angleDelta, ZoomAxes axes, const ZoomFactors& factors,
                                              Time time) {
    // A turn continues the gesture while the turns come quickly and nothing else changed the grid.
    const bool continues = gesture_ == Gesture::Wheel && lastWheel_ && time - *lastWheel_ < WheelPause &&
                           (!gestureChanged_ || (written_ && now.texts == *written_));
    lastWheel_ = time;
    drag_.reset();
    if (!continues)
        startGesture(Gesture::Wheel);
    return changed(
        zoom(now, column, row, static_cast<long double>(angleDelta) / AngleDeltaPerNotch, axes, factors));
}

std::optional<ViewChange> ViewGestures::key(const ViewNow& now, ViewKey key, const ZoomFactors& factors) {
    switch (key) {
    case ViewKey::Left:
        return panKey(now, -1, 0);
    case ViewKey::Right:
        return panKey(now, 1, 0);
    case ViewKey::Up:
        return panKey(now, 0, 1);
    case ViewKey::Down:
        return panKey(now, 0, -1);
    case ViewKey::ZoomIn:
        return zoomKey(now, true, factors);
    case ViewKey::ZoomOut:
        return zoomKey(now, false, factors);
    }
    return std::nullopt;
}

std::optional<ViewChange> ViewGestures::zoomKey(const ViewNow& now, bool in, const ZoomFactors& factors) {
    startGesture(Gesture::Key);
    const std::optional<Start> start = startOf(now);
    if (!start)
        return std::nullopt;
    return changed(
        zoom(now, centreColumn(start->area), centreRow(start->area), in ? 1 : -1, ZoomAxes::Both, factors));
}

std::optional<ViewChange> ViewGestures::panKey(const ViewNow& now, int xParts, int yParts) {
    startGesture(Gesture::Key);
    const std::optional<Start> start = startOf(now);
    if (!start)
        return std::nullopt;
    const std::optional<GraphRange> panned =
        pannedByParts(start->exact, static_cast<long double>(xParts) / KeyPanParts,
                      static_cast<long double>(yParts) / KeyPanParts);
    if (!panned)
        return std::nullopt;
    const long double column = centreColumn(start->area);
    const long double row = centreRow(start->area);
    return changed(settle(now, *start, *panned, worldXAt(*panned, start->area, column),
                          worldYAt(*panned, start->area, row), column, row));
}

void ViewGestures::beginDrag(const ViewNow& now, long double column, long double row) {
    startGesture(Gesture::Drag);
    drag_.reset();
    if (const std::optional<Start> start = startOf(now))
        drag_ = Drag{*start, worldXAt(start->exact, start->area, column),
                     worldYAt(start->exact, start->area, row)};
}

std::optional<ViewChange> ViewGestures::dragTo(const ViewNow& now, long double column, long double row) {
    if (!drag_)
        return std::nullopt;
    return changed(settle(now, drag_->start, drag_->start.exact, drag_->x, drag_->y, column, row));
}

std::optional<ViewChange> ViewGestures::zoom(const ViewNow& now, long double column, long double row,
                                             long double notches, ZoomAxes axes, const ZoomFactors& factors) {
    std::optional<Start> start = startOf(now);
    if (!start || notches == 0)
        return std::nullopt;
    const std::optional<long double> xScale =
        axes == ZoomAxes::YOnly ? 1.0L : notchScale(notches, factors.inX, factors.outX);
    const std::optional<long double> yScale =
        axes == ZoomAxes::XOnly ? 1.0L : notchScale(notches, factors.inY, factors.outY);
    if (!xScale || !yScale)
        return std::nullopt;
    const long double x = worldXAt(start->exact, start->area, column);
    const long double y = worldYAt(start->exact, start->area, row);
    const std::optional<GraphRange> zoomed =
        zoomedAbout(start->exact, start->area, column, row, *xScale, *yScale);
    if (!zoomed)
        return std::nullopt;
    // A zoomed axis gets the 1-2-5 step nearest to its exact step; the exact one is remembered.
    const auto stepText = [&](long double step, long double scale, const std::string& text) {
        return scale == 1 || !(step > 0) || !std::isfinite(step)
                   ? text
                   : formatPlain(niceStep(step), decimalSeparator_);
    };
    start->xStepText = stepText(zoomed->Xstep, *xScale, start->xStepText);
    start->yStepText = stepText(zoomed->Ystep, *yScale, start->yStepText);
    return settle(now, *start, *zoomed, x, y, column, row);
}

std::optional<ViewChange> ViewGestures::settle(const ViewNow& now, const Start& start, GraphRange view,
                                               long double x, long double y, long double column,
                                               long double row) {
    // The plot area may change with the view (wider scale labels need a wider margin): the view is
    // placed again on the area it will be drawn on until that area stays the same.
    PlotArea area = start.area;
    RangeTexts texts;
    GraphRange drawn;
    for (int pass = 0; pass < SettlePasses; ++pass) {
        view = placedAt(view, area, x, y, column, row);
        if (!isAcceptableMove(start.exact, view))
            return std::nullopt;
        texts = shortViewTexts(view, area, start.xStepText, start.yStepText, decimalSeparator_);
        try {
            drawn = parseRange(texts, decimalSeparator_);
        } catch (const ConversionError&) {
            return std::nullopt; // a step drawn as no number at all
        }
        const PlotArea next = areaOf_(drawn);
        if (next == area || !usable(next))
            break;
        area = next;
    }
    if (texts == now.texts || !isDrawableView(drawn) || (drawable_ && !drawable_(drawn)))
        return std::nullopt;
    written_ = texts;
    exact_ = view;
    return ViewChange{texts, false};
}

} // namespace common
