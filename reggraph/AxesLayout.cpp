#include "reggraph/AxesLayout.h"

#include "common/NumberFormat.h"
#include "reggraph/FirstTick.h"

#include <cmath>

namespace reggraph {

namespace {

// Ticks past the range's end may still round onto the plot area's last pixel; this bounds the loop
// whatever the picture size.
constexpr long double MaxTickPasses = 2 * MaxTicksPerAxis + 2;

struct AxisSpan {
    long double min;
    long double max;
    long double step;
    long double firstTick;
};

// Ticks first tick + k * step while toPixel keeps them on the plot area.
template <typename ToPixel, typename OnPlot>
std::vector<AxisTick> axisTicks(const AxisSpan& axis, int edgeAxisPixel, ToPixel toPixel, OnPlot onPlot,
                                char decimalSeparator) {
    std::vector<AxisTick> ticks;
    const bool zeroOutside = axis.min > 0 || axis.max < 0;
    const long double smallestLabel = (axis.max - axis.min) * 0.0001L;
    long double labelValue = axis.firstTick;
    for (long double k = 0; k <= MaxTickPasses; ++k) {
        AxisTick tick;
        tick.value = axis.firstTick + k * axis.step;
        tick.pixel = toPixel(tick.value);
        if (!onPlot(tick.pixel))
            break;
        const bool zeroTick = axis.step * 0.5L > std::fabs(tick.value);
        if (zeroTick || zeroOutside)
            tick.crossingAxis = zeroOutside ? edgeAxisPixel : tick.pixel;
        if (!(std::fabs(labelValue) < smallestLabel))
            tick.label = common::formatGeneral(labelValue, 3, decimalSeparator);
        labelValue += axis.step;
        ticks.push_back(std::move(tick));
    }
    return ticks;
}

} // namespace

std::optional<AxesLayout> layoutAxes(const GraphRange& range, int width, int height,
                                     const TextWidth& textWidth, char decimalSeparator) {
    if (!validateRange(range))
        return std::nullopt;
    const long double xFirst = *firstTick(range.xMin, range.xStep);
    const long double yFirst = *firstTick(range.yMin, range.yStep);
    const GraphGeometry g(range, width, height,
                          leftMargin(range, yFirst, width, textWidth, decimalSeparator));
    const bool zeroOutsideX = range.xMin > 0 || range.xMax < 0;
    const bool zeroOutsideY = range.yMin > 0 || range.yMax < 0;
    AxesLayout layout{g,
                      xFirst,
                      yFirst,
                      zeroOutsideY ? g.plotBottom() : g.worldToPixelY(0),
                      zeroOutsideX ? g.leftMargin() : g.worldToPixelX(0),
                      range.xMin > 0,
                      range.yMin > 0,
                      {},
                      {}};
    if (g.plotWidth() > 0)
        layout.xTicks = axisTicks(
            {range.xMin, range.xMax, range.xStep, xFirst}, g.leftMargin(),
            [&g](long double x) { return g.worldToPixelX(x); },
            [&g](int column) { return column <= g.plotRight(); }, decimalSeparator);
    if (g.plotHeight() > 0)
        layout.yTicks = axisTicks(
            {range.yMin, range.yMax, range.yStep, yFirst}, g.plotBottom(),
            [&g](long double y) { return g.worldToPixelY(y); }, [&g](int row) { return row >= g.plotTop(); },
            decimalSeparator);
    return layout;
}

} // namespace reggraph
