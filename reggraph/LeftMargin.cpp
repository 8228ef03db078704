#include "reggraph/LeftMargin.h"

#include "common/NumberFormat.h"
#include "reggraph/FirstTick.h"
#include "reggraph/GraphGeometry.h"

#include <algorithm>
#include <cmath>

namespace reggraph {

namespace {

constexpr int NarrowMargin = 20;

// The widest y label. The loop runs over the tick count from Ymin, but the label of its last pass is
// measured without being counted, as the maximum is taken at the top of each pass.
int widestYLabel(const common::GraphRange& range, long double yFirstTick, const TextWidth& textWidth,
                 char decimalSeparator) {
    int widest = 0;
    int measured = 0;
    for (long double v = 0; range.Ymin + v * range.Ystep <= range.Ymax && v <= MaxTicksPerAxis + 1; ++v) {
        widest = std::max(widest, measured);
        const long double value = yFirstTick + v * range.Ystep;
        if (!(std::fabs(value) < range.Ystep * 0.5L))
            measured = textWidth(common::formatGeneral(value, 3, decimalSeparator));
    }
    return widest;
}

} // namespace

int leftMargin(const common::GraphRange& range, long double yFirstTick, int width, const TextWidth& textWidth,
               char decimalSeparator) {
    const int widest = widestYLabel(range, yFirstTick, textWidth, decimalSeparator);
    if (range.Xmin >= 0 || range.Xmax <= 0)
        return widest > 14 ? widest + 6 : NarrowMargin;
    const int yAxisColumn = GraphGeometry(range, width, 0, NarrowMargin).worldToPixelX(0);
    return yAxisColumn - 6 < widest ? widest - yAxisColumn + 26 : NarrowMargin;
}

} // namespace reggraph
