#pragma once

#include "common/GraphRange.h"

#include <span>

namespace reggraph {

// The range of the residual plot: x over the values plotted against with a twentieth of their
// spread on each side, y symmetric about 0 with room above the largest residual, so the zero line
// runs through the middle; each step a 1, 2 or 5 times a power of ten giving about ten ticks.
// Equal values or residuals all 0 get a spread of 1 around them.
common::RangeTexts residualRange(std::span<const long double> against, std::span<const long double> residuals,
                                 char decimalSeparator);

} // namespace reggraph
