#pragma once

#include "reggraph/AxesLayout.h"
#include "reggraph/GraphScene.h"

class QPainter;

namespace reggraph {

// The axes drawing (RitaBMPGraf): grid, the axes with arrow heads, names and break marks, tick marks
// and scale numbers, tick by tick as the layout lists them, in the scene's font and options.
void drawAxes(QPainter& painter, const AxesLayout& axes, const GraphScene& scene);

} // namespace reggraph
