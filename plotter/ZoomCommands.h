#pragma once

#include "common/GraphRange.h"

#include <functional>

class TRangeWindow;

namespace graph {
struct PlotOptions;
}

namespace plotter {

// Zooming through the range window: zoom in and out by the option's factors, arming the zoom box,
// and undoing the last zoom. Every zoom first keeps the range texts as they were, so Undo Zoom
// brings back exactly what the grid showed.
class ZoomCommands {
public:
    // Reads the zoom factors from `options` at each zoom; `armZoomBoxTool` arms the graph's
    // zoom box tool.
    ZoomCommands(TRangeWindow& rangeWindow, const graph::PlotOptions& options,
                 std::function<void()> armZoomBoxTool);

    void zoomIn();
    void zoomOut();
    void armZoomBox();
    void undoZoom();
    // Keeps the grid's current texts as the ones Undo Zoom brings back.
    void takeUndoZoomSnapshot();
    const common::RangeTexts& undoZoomSnapshot() const { return undoZoomSnapshot_; }

private:
    void zoom(bool in);

    TRangeWindow& rangeWindow_;
    const graph::PlotOptions& options_;
    std::function<void()> armZoomBoxTool_;
    common::RangeTexts undoZoomSnapshot_;
};

} // namespace plotter
