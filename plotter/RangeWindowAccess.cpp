#include "plotter/RangeWindowAccess.h"

#include "plotter/TRangeWindow.h"
#include "plotter/ZoomCommands.h"

namespace plotter {

common::RangeTexts RangeWindowAccess::rangeTexts() const {
    return window_.rangeTexts();
}

void RangeWindowAccess::setRangeTexts(const common::RangeTexts& texts) {
    window_.setRangeTexts(texts);
}

void RangeWindowAccess::applyRange() {
    window_.applyRange();
}

void RangeWindowAccess::keepRangeForUndoZoom() {
    zoom_.takeUndoZoomSnapshot();
}

} // namespace plotter
