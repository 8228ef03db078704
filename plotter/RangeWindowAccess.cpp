#include "plotter/RangeWindowAccess.h"

#include "appkit/ProgramSetup.h"
#include "plotter/TRangeWindow.h"

namespace plotter {

std::string RangeWindowAccess::rangeText(graph::RangeRow row) const {
    return window_.rangeText(static_cast<int>(row)).toStdString();
}

void RangeWindowAccess::setRangeText(graph::RangeRow row, const std::string& text) {
    window_.setRangeText(static_cast<int>(row), appkit::toQt(text));
}

void RangeWindowAccess::applyRange() {
    window_.applyRange();
}

} // namespace plotter
