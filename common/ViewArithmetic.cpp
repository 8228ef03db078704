#include "common/ViewArithmetic.h"

#include "common/NumberFormat.h"
#include "common/NumberParse.h"

#include <array>
#include <cmath>

namespace common {

namespace {

constexpr int MaxDigits = 18;
constexpr int LongestWholeNumber = 15;

struct Axis {
    long double min;
    long double max;
};

// Each limit as a test an axis passes or fails.
bool wideEnough(Axis axis) {
    return axis.max - axis.min >= MinSpan;
}
bool wideEnoughForItsCentre(Axis axis) {
    return axis.max - axis.min >= MinRelativeSpan * std::fabs(axis.min / 2 + axis.max / 2);
}
bool narrowEnough(Axis axis) {
    return axis.max - axis.min <= MaxSpan && std::fabs(axis.min) <= MaxSpan && std::fabs(axis.max) <= MaxSpan;
}
constexpr std::array<bool (*)(Axis), 3> Limits = {wideEnough, wideEnoughForItsCentre, narrowEnough};

bool isSound(Axis axis) {
    return std::isfinite(axis.min) && std::isfinite(axis.max) && axis.min < axis.max;
}

// A gesture never carries an axis across a limit it was within, and never makes it reversed, empty
// or undefined. An axis that was already beyond a limit (typed by the user) may still be moved, so
// that a gesture can always bring it back.
bool acceptableMove(Axis from, Axis to) {
    if (!isSound(to))
        return false;
    for (const auto& limit : Limits)
        if (limit(from) && !limit(to))
            return false;
    return true;
}

std::optional<GraphRange> checkedMove(const GraphRange& from, const GraphRange& to) {
    if (!isAcceptableMove(from, to))
        return std::nullopt;
    return to;
}

bool usableArea(const PlotArea& area) {
    return area.width > 0 && area.height > 0;
}

int digitCount(long double wholeNumber) {
    int digits = 1;
    while (wholeNumber >= 10 && digits < MaxDigits) {
        wholeNumber /= 10;
        ++digits;
    }
    return digits;
}

} // namespace

long double worldXAt(const GraphRange& view, const PlotArea& area, long double column) {
    return view.Xmin + (column - area.left) / area.width * (view.Xmax - view.Xmin);
}

long double worldYAt(const GraphRange& view, const PlotArea& area, long double row) {
    return view.Ymax - (row - area.top) / area.height * (view.Ymax - view.Ymin);
}

long double columnOfWorldX(const GraphRange& view, const PlotArea& area, long double x) {
    return area.left + (x - view.Xmin) / (view.Xmax - view.Xmin) * area.width;
}

long double rowOfWorldY(const GraphRange& view, const PlotArea& area, long double y) {
    return area.top + (view.Ymax - y) / (view.Ymax - view.Ymin) * area.height;
}

bool isAcceptableMove(const GraphRange& from, const GraphRange& to) {
    return acceptableMove({from.Xmin, from.Xmax}, {to.Xmin, to.Xmax}) &&
           acceptableMove({from.Ymin, from.Ymax}, {to.Ymin, to.Ymax});
}

GraphRange placedAt(const GraphRange& view, const PlotArea& area, long double x, long double y,
                    long double column, long double row) {
    const long double xSpan = view.Xmax - view.Xmin;
    const long double ySpan = view.Ymax - view.Ymin;
    GraphRange placed = view;
    placed.Xmin = x - (column - area.left) / area.width * xSpan;
    placed.Xmax = placed.Xmin + xSpan;
    placed.Ymax = y + (row - area.top) / area.height * ySpan;
    placed.Ymin = placed.Ymax - ySpan;
    return placed;
}

bool isWithinViewLimits(const GraphRange& view) {
    for (const Axis axis : {Axis{view.Xmin, view.Xmax}, Axis{view.Ymin, view.Ymax}}) {
        if (!isSound(axis))
            return false;
        for (const auto& limit : Limits)
            if (!limit(axis))
                return false;
    }
    return true;
}

std::optional<GraphRange> zoomedAbout(const GraphRange& view, const PlotArea& area, long double column,
                                      long double row, long double xScale, long double yScale) {
    if (!usableArea(area) || !(xScale > 0) || !(yScale > 0) || !std::isfinite(xScale) ||
        !std::isfinite(yScale))
        return std::nullopt;
    const long double x = worldXAt(view, area, column);
    const long double y = worldYAt(view, area, row);
    GraphRange zoomed = view;
    // Each end keeps its distance from the fixed point in proportion, so the point keeps its pixel.
    zoomed.Xmin = x - (x - view.Xmin) * xScale;
    zoomed.Xmax = x + (view.Xmax - x) * xScale;
    zoomed.Xstep = view.Xstep * xScale;
    zoomed.Ymin = y - (y - view.Ymin) * yScale;
    zoomed.Ymax = y + (view.Ymax - y) * yScale;
    zoomed.Ystep = view.Ystep * yScale;
    return checkedMove(view, zoomed);
}

std::optional<GraphRange> pannedByPixels(const GraphRange& view, const PlotArea& area, long double dx,
                                         long double dy) {
    if (!usableArea(area))
        return std::nullopt;
    return pannedByParts(view, -dx / area.width, dy / area.height);
}

std::optional<GraphRange> pannedByParts(const GraphRange& view, long double xPart, long double yPart) {
    const long double dx = xPart * (view.Xmax - view.Xmin);
    const long double dy = yPart * (view.Ymax - view.Ymin);
    GraphRange panned = view;
    panned.Xmin += dx;
    panned.Xmax += dx;
    panned.Ymin += dy;
    panned.Ymax += dy;
    return checkedMove(view, panned);
}

long double niceStep(long double step) {
    if (!(step > 0) || !std::isfinite(step))
        return step;
    const long double power = std::pow(10.0L, std::floor(std::log10(step)));
    long double nearest = power;
    // The neighbouring decades are candidates too, in case the logarithm rounded across a power.
    for (const long double multiple : {0.5L, 1.0L, 2.0L, 5.0L, 10.0L, 20.0L}) {
        const long double candidate = multiple * power;
        if (std::fabs(candidate - step) < std::fabs(nearest - step))
            nearest = candidate;
    }
    // Written with one digit, as the grid shows it, so that the text reads back as this value.
    return parseFloat(formatGeneral(nearest, 1));
}

std::string shortEndText(long double value, long double span, int pixels, char decimalSeparator) {
    const long double pixel = span / pixels;
    if (pixels <= 0 || !(pixel > 0) || !std::isfinite(pixel) || !std::isfinite(value))
        return formatPlain(value, decimalSeparator);
    // Rounding to a power of ten no larger than half a pixel moves the end by a quarter pixel at most.
    const long double quantum = std::pow(10.0L, std::floor(std::log10(pixel / 2)));
    const long double steps = std::round(value / quantum);
    if (steps == 0)
        return "0";
    const long double rounded = steps * quantum;
    int digits = digitCount(std::fabs(steps));
    const int integerDigits = std::fabs(rounded) >= 1 ? digitCount(std::floor(std::fabs(rounded))) : 0;
    if (integerDigits > digits && integerDigits <= LongestWholeNumber)
        digits = integerDigits;
    return formatGeneral(rounded, digits, decimalSeparator);
}

RangeTexts shortViewTexts(const GraphRange& view, const PlotArea& area, const std::string& xStepText,
                          const std::string& yStepText, char decimalSeparator) {
    const long double xSpan = view.Xmax - view.Xmin;
    const long double ySpan = view.Ymax - view.Ymin;
    RangeTexts texts{shortEndText(view.Xmin, xSpan, area.width, decimalSeparator),
                     shortEndText(view.Xmax, xSpan, area.width, decimalSeparator),
                     xStepText,
                     shortEndText(view.Ymin, ySpan, area.height, decimalSeparator),
                     shortEndText(view.Ymax, ySpan, area.height, decimalSeparator),
                     yStepText};
    // Rounding cannot bring two ends a pixel apart together; should an axis still come out reversed,
    // its ends are written in full.
    const auto keepOrder = [&](RangeRow minRow, RangeRow maxRow) {
        if (!(parseFloat(texts[minRow], decimalSeparator) < parseFloat(texts[maxRow], decimalSeparator))) {
            texts[minRow] = formatPlain(view[minRow], decimalSeparator);
            texts[maxRow] = formatPlain(view[maxRow], decimalSeparator);
        }
    };
    keepOrder(Xmin, Xmax);
    keepOrder(Ymin, Ymax);
    return texts;
}

} // namespace common
