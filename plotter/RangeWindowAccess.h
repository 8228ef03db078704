#pragma once

#include "graph/GraphHost.h"

class TRangeWindow;

namespace plotter {

class ZoomCommands;

// The range window's value column and its Redraw button, as the graph reads and writes them.
class RangeWindowAccess : public graph::RangeAccess {
public:
    RangeWindowAccess(TRangeWindow& window, ZoomCommands& zoom) : window_(window), zoom_(zoom) {}

    common::RangeTexts rangeTexts() const override;
    void setRangeTexts(const common::RangeTexts& texts) override;
    void applyRange() override;
    void keepRangeForUndoZoom() override;

private:
    TRangeWindow& window_;
    ZoomCommands& zoom_;
};

} // namespace plotter
