#pragma once

#include <optional>

namespace reggraph {

// At most this many step widths fit in an axis range (its span divided by its step, with half a step
// to spare for rounding). A graph with more ticks than pixels shows nothing useful, and each tick
// costs drawing time.
inline constexpr long double MaxTicksPerAxis = 10'000;

// At most this many additions or subtractions of the step lead from 0 to the first tick; beyond,
// the step no longer changes the running sum in a useful way (a minimum of 1E20 with a step of 1
// would never get there).
inline constexpr long double MaxFirstTickSteps = 1'000'000;

// At most this many tolerant comparisons, each of which renders numbers as text, decide where a
// search for a first tick below 0 stops; only ticks within rounding distance of min need one.
inline constexpr long double MaxToleranceComparisons = 20'000;

// The first scale tick at or above min: the multiple of step not below min, built by repeated
// addition from 0 (min > 0) or by repeated subtraction until the tick falls below min by the
// tolerant comparison, then one step back; a tick more than a millionth of a step below min ends
// that search too, so the result never lies more than that below min. Empty when step is not positive, a
// value is not finite, or the search would need more than MaxFirstTickSteps steps or
// MaxToleranceComparisons comparisons.
std::optional<long double> firstTick(long double min, long double step);

} // namespace reggraph
