#pragma once

#include <QFont>

namespace graph {

struct PlotOptions;

// The font of the graph's axis texts and scale numbers as the plotting options name it.
QFont axisFont(const PlotOptions& options);

} // namespace graph
