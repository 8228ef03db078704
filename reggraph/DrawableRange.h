#pragma once

#include "common/GraphRange.h"

namespace reggraph {

// True when the range can be drawn: finite values, Xmin < Xmax, Xstep > 0, Ymin < Ymax, Ystep > 0,
// and the ticks of both axes can be found within the step limits of FirstTick.h. Ranges beyond those
// limits are refused like any other wrong range, so no drawing ever runs away.
bool validateRange(const common::GraphRange& range);

} // namespace reggraph
