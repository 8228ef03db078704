#pragma once

#include "graph/GraphHost.h"
#include "graph/PlotOptions.h"

#include <QChar>

namespace plotter {

// What the frame keeps for the whole run and the graph reads: the working mode, the plotting
// options and the program's settings file.
class WorkState : public graph::FrameState {
public:
    explicit WorkState(common::IniFile& settings) : settings_(settings) {}

    // 'F' for functions, 'I' for integrals; a document may set another letter, which the graph
    // takes for functions.
    QChar mode = QLatin1Char('F');
    graph::PlotOptions options;

    graph::PlotMode currentMode() const override;
    const graph::PlotOptions& plotOptions() const override { return options; }
    common::IniFile& settingsFile() override { return settings_; }

private:
    common::IniFile& settings_;
};

} // namespace plotter
