#include "plotter/WorkState.h"

namespace plotter {

graph::PlotMode WorkState::currentMode() const {
    return mode == QLatin1Char('I') ? graph::PlotMode::Integral : graph::PlotMode::Function;
}

} // namespace plotter
