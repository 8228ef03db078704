#pragma once

#include "graph/GraphHost.h"

class TRangeWindow;

namespace plotter {

// The range window's value column and its Redraw button, as the graph reads and writes them.
class RangeWindowAccess : public graph::RangeAccess {
public:
    explicit RangeWindowAccess(TRangeWindow& window) : window_(window) {}

    common::RangeTexts rangeTexts() const override;
    void setRangeTexts(const common::RangeTexts& texts) override;
    void applyRange() override;

private:
    TRangeWindow& window_;
};

} // namespace plotter
