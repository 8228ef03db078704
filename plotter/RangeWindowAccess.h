#pragma once

#include "graph/GraphHost.h"

class TRangeWindow;

namespace plotter {

// The range window's value column and its Redraw button, as the graph reads and writes them.
class RangeWindowAccess : public graph::RangeAccess {
public:
    explicit RangeWindowAccess(TRangeWindow& window) : window_(window) {}

    std::string rangeText(graph::RangeRow row) const override;
    void setRangeText(graph::RangeRow row, const std::string& text) override;
    void applyRange() override;

private:
    TRangeWindow& window_;
};

} // namespace plotter
