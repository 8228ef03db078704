#pragma once

#include <string>

namespace plotter {

// The frame's entry box as the analysis commands use it.
class EntryPlotting {
public:
    virtual ~EntryPlotting() = default;
    // Plots `text` as if typed into the entry box and entered.
    virtual void plotAsTyped(const std::string& text) = 0;
};

} // namespace plotter
