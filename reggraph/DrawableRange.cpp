#include "reggraph/DrawableRange.h"

#include "reggraph/FirstTick.h"

#include <cmath>

namespace reggraph {

namespace {

bool validAxis(long double min, long double max, long double step) {
    if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(step))
        return false;
    if (!(min < max) || !(step > 0))
        return false;
    const long double span = max - min;
    if (!std::isfinite(span) || span / step > MaxTicksPerAxis + 0.5L)
        return false;
    return firstTick(min, step).has_value();
}

} // namespace

bool validateRange(const common::GraphRange& range) {
    return validAxis(range.Xmin, range.Xmax, range.Xstep) && validAxis(range.Ymin, range.Ymax, range.Ystep);
}

} // namespace reggraph
