#pragma once

#include "common/GraphRange.h"

#include <functional>
#include <string>

namespace reggraph {

// Width in pixels of a text written with the graph font.
using TextWidth = std::function<int(const std::string&)>;

// The first pixel column of the plot area: room for the widest y scale label (3 significant digits,
// the zero label left out) when the y axis stands at the left, or enough to keep the labels beside
// a y axis inside the x range from leaving the picture. The range must be valid; yFirstTick is
// firstTick(Ymin, Ystep).
int leftMargin(const common::GraphRange& range, long double yFirstTick, int width, const TextWidth& textWidth,
               char decimalSeparator);

} // namespace reggraph
