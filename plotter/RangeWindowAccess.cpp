#include "plotter/RangeWindowAccess.h"

#include "plotter/TRangeWindow.h"

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

} // namespace plotter
