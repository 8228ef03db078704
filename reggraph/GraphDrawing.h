#pragma once

#include "pictures/VectorPicture.h"
#include "reggraph/AxesLayout.h"
#include "reggraph/GraphScene.h"
#include "regression/FitOutput.h"
#include "regression/RegressionResult.h"

#include <QImage>
#include <QSize>
#include <optional>
#include <string>

class QPainter;

namespace reggraph {

// Shown by the raster caller when the range cannot be drawn; not translated.
inline constexpr const char* InvalidRangeMessage =
    "There is wrong values in the graphtable. The graph can not be drawn.";

// What one target carries from one drawing step to the next.
struct DrawingState {
    std::optional<AxesLayout> axes;     // empty until axes were drawn on a valid range
    int drawnFunctions = 0;             // curves drawn since the axes; picks the next colour and name
    std::optional<BadCell> leftOutCell; // the first cell whose row the series left out
};

// Full redraw: white picture, axes, drawn-function count 0, every record, then the series that are
// on. Returns false, leaving the picture white, when the range is invalid (the raster caller then
// shows InvalidRangeMessage, the vector caller stays silent). A range text that is not a number
// throws common::ConversionError with the parser's message; what was drawn before stays. So does a
// list cell that is not a number, unless the scene leaves such rows out (state.leftOutCell).
// Records are loaded into `result` one by one as they are drawn.
bool drawGraph(QPainter& painter, QSize size, const GraphScene& scene, DrawingState& state,
               regression::RegressionResult& result);

// A newly computed fit drawn on top of the picture with the next colour and `name` (no-op when
// state.axes is empty). `result` holds the fitted model for a fitted curve.
void drawFit(QPainter& painter, const GraphScene& scene, DrawingState& state,
             regression::RegressionResult& result, const regression::Drawing& drawing,
             const std::string& name);

// One series drawn on top (a switch just turned on); the XY line only with more than one complete
// row. No-op when state.axes is empty.
void drawSeries(QPainter& painter, const GraphScene& scene, const DrawingState& state, Series series);

// The graph as pictures of `size`: the raster picture (QImage Format_RGB32) and the vector picture.
// The vector picture is nothing when the range is invalid; it throws as drawGraph does, but here,
// before any target is started. It draws the whole graph each time it is drawn, loading the records
// into `result`, and refers to the scene's lists and to `result`, which must outlive it.
QImage rasterGraph(const GraphScene& scene, QSize size, regression::RegressionResult& result,
                   bool& rangeValid);
std::optional<pictures::VectorPicture> vectorGraph(const GraphScene& scene, QSize size,
                                                   regression::RegressionResult& result);

} // namespace reggraph
