#pragma once

#include "projects/FunctionRecord.h"
#include "regression/FitOutput.h"

#include <optional>
#include <vector>

namespace regression {

// The residuals y − fitted of a project's last fit, with what they are plotted against.
struct ResidualPoints {
    std::vector<long double> against; // x for one variable, the fitted values for several
    std::vector<long double> residuals;
    bool againstFitted = false;
};

// For one variable: the last function record with a fitted curve of the simple or polynomial models,
// evaluated at every point. For several variables: the multiple fit of the points, which is what
// "Log Multiple" and "Draw Multiple" fit. Nothing when the project has no such fit or no points;
// throws RegressionError where the multiple fit fails.
std::optional<ResidualPoints> lastFitResiduals(const std::vector<projects::DrawableRecord>& records,
                                               const FitData& data);

} // namespace regression
