#include "reggraph/AxesLayout.h"

#include "common/NumberFormat.h"
#include "reggraph/DrawableRange.h"
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

std::optional<AxesLayout> layoutAxes(const common::GraphRange& range, int width, int height,
                                     const TextWidth& textWidth, char decimalSeparator) {
    if (!validateRange(range))
        return std::nullopt;
    const long double xFirst = *firstTick(range.Xmin, range.Xstep);
    const long double yFirst = *firstTick(range.Ymin, range.Ystep);
    const GraphGeometry g(range, width, height,
                          leftMargin(range, yFirst, width, textWidth, decimalSeparator));
    const bool zeroOutsideX = range.Xmin > 0 || range.Xmax < 0;
    const bool zeroOutsideY = range.Ymin > 0 || range.Ymax < 0;
    AxesLayout layout{g,
                      xFirst,
                      yFirst,
                      zeroOutsideY ? g.plotBottom() : g.worldToPixelY(0),
                      zeroOutsideX ? g.leftMargin() : g.worldToPixelX(0),
                      range.Xmin > 0,
                      range.Ymin > 0,
                      {},
                      {}};
    if (g.plotWidth() > 0)
        layout.xTicks = axisTicks(
            {range.Xmin, range.Xmax, range.Xstep, xFirst}, g.leftMargin(),
            [&g](long double x) { return g.worldToPixelX(x); },
            [&g](int column) { return column <= g.plotRight(); }, decimalSeparator);
    if (g.plotHeight() > 0)
        layout.yTicks = axisTicks(
            {range.Ymin, range.Ymax, range.Ystep, yFirst}, g.plotBottom(),
            [&g](long double y) { return g.worldToPixelY(y); }, [&g](int row) { return row >= g.plotTop(); },
            decimalSeparator);
    return layout;
}

} // namespace reggraph
