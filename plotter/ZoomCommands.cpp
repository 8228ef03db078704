#include "plotter/ZoomCommands.h"

#include "graph/PlotOptions.h"
#include "graph/Zoom.h"
#include "plotter/TRangeWindow.h"

#include <optional>

namespace plotter {

ZoomCommands::ZoomCommands(TRangeWindow& rangeWindow, const graph::PlotOptions& options,
                           std::function<void()> armZoomBoxTool)
    : rangeWindow_(rangeWindow), options_(options), armZoomBoxTool_(std::move(armZoomBoxTool)) {}

void ZoomCommands::zoomIn() {
    zoom(true);
}

void ZoomCommands::zoomOut() {
    zoom(false);
}

void ZoomCommands::armZoomBox() {
    takeUndoZoomSnapshot();
    armZoomBoxTool_();
}

void ZoomCommands::undoZoom() {
    rangeWindow_.setRangeTexts(undoZoomSnapshot_);
    rangeWindow_.applyRange();
}

void ZoomCommands::takeUndoZoomSnapshot() {
    undoZoomSnapshot_ = rangeWindow_.rangeTexts();
}

void ZoomCommands::zoom(bool in) {
    // All six values are converted, and the zoomed ones checked, before anything changes, so a bad
    // value or factor leaves grid, snapshot and graph as they were.
    const std::optional<common::GraphRange> range = rangeWindow_.convertRange();
    if (!range)
        return;
    const common::RangeTexts before = rangeWindow_.rangeTexts();
    if (!rangeWindow_.setZoomedRange(
            graph::zoomedRange(*range, options_.xZoomFactor, options_.yZoomFactor,
                               in ? graph::ZoomDirection::In : graph::ZoomDirection::Out)))
        return;
    undoZoomSnapshot_ = before;
    rangeWindow_.applyRange();
}

} // namespace plotter
