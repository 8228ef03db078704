#pragma once

#include "common/GraphRange.h"
#include "projects/DataLists.h"
#include "reggraph/GraphScene.h"
#include "regression/Residuals.h"

#include <string>

namespace regshell {

// What the graph shows in place of the project while the residual plot is on: the residuals as a
// scatter over their own range, with the zero line.
class ResidualPlot {
public:
    ResidualPlot(const regression::ResidualPoints& points, char decimalSeparator);

    // The scene of the residual plot, keeping `base`'s font, display options and separator. The x
    // axis is named `xName` against x and T("FittedValueAxis") against the fitted values.
    reggraph::GraphScene scene(reggraph::GraphScene base, const std::string& xName) const;

private:
    projects::DataLists lists_; // X1 = what the residuals are plotted against, Y = the residuals
    common::RangeTexts range_;
    bool againstFitted_;
};

} // namespace regshell
