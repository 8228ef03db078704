#include "reggraph/GraphRange.h"

#include "common/NumberParse.h"
#include "reggraph/FirstTick.h"

#include <cmath>

namespace reggraph {

GraphRange readRange(const RangeTexts& texts, char decimalSeparator) {
    GraphRange range;
    range.xMin = common::parseFloat(texts[Xmin], decimalSeparator);
    range.xMax = common::parseFloat(texts[Xmax], decimalSeparator);
    range.xStep = common::parseFloat(texts[Xstep], decimalSeparator);
    range.yMin = common::parseFloat(texts[Ymin], decimalSeparator);
    range.yMax = common::parseFloat(texts[Ymax], decimalSeparator);
    range.yStep = common::parseFloat(texts[Ystep], decimalSeparator);
    return range;
}

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

bool validateRange(const GraphRange& range) {
    return validAxis(range.xMin, range.xMax, range.xStep) && validAxis(range.yMin, range.yMax, range.yStep);
}

} // namespace reggraph
