#pragma once

#include "common/GraphRange.h"

namespace graph {

enum class ZoomDirection { In, Out };

// Zooming about the origin: zooming in divides Xmin, Xmax and Xstep by the X factor and Ymin, Ymax
// and Ystep by the Y factor, zooming out multiplies them, so the tick steps scale with the range.
// A factor of 0 gives values that are not finite; the range window refuses to write such a range.
common::GraphRange zoomedRange(const common::GraphRange& range, long double xFactor, long double yFactor,
                               ZoomDirection direction);

} // namespace graph
