#include "reggraph/FirstTick.h"

#include "reggraph/TolerantCompare.h"

#include <cmath>

namespace reggraph {

namespace {

// tolerantValue(t) of a t <= 0 is never below this: rounding to 15 digits moves a value by less than
// 5E-15 of it, and cutting digits moves a negative value towards 0.
long double tolerantLowerBound(long double t) {
    return t - 1.0e-14L * std::fabs(t);
}

// A tick this far below min is not a rounding difference any more.
long double clearlyBelow(long double min, long double step) {
    return min - step * 1.0e-6L;
}

} // namespace

std::optional<long double> firstTick(long double min, long double step) {
    if (!std::isfinite(min) || !std::isfinite(step) || !(step > 0))
        return std::nullopt;
    if (std::fabs(min) / step > MaxFirstTickSteps)
        return std::nullopt;

    const long double stepLimit = MaxFirstTickSteps + 2;
    long double t = 0;
    if (min > 0) {
        for (long double steps = 1; steps <= stepLimit; ++steps) {
            t += step;
            if (t >= min)
                return t;
        }
        return std::nullopt;
    }

    // Below 0 the search stops at the first tick that is below min by the tolerant comparison.
    // Renderings of magnitudes below 0.01 may be cut to one or two digits, which can hide a tick
    // well below min from that comparison; such a tick ends the search as well, so the first tick
    // never lies outside the range.
    const long double tolerantMin = tolerantValue(min);
    const long double lowest = clearlyBelow(min, step);
    long double comparisons = 0;
    for (long double steps = 1; steps <= stepLimit; ++steps) {
        t -= step;
        if (t < lowest)
            return t + step;
        if (tolerantLowerBound(t) > tolerantMin)
            continue;
        if (++comparisons > MaxToleranceComparisons)
            return std::nullopt;
        if (tolerantCompare(t, min) == -1)
            return t + step;
    }
    return std::nullopt;
}

} // namespace reggraph
