#pragma once

#include "projects/FunctionRecord.h"
#include "regression/RegressionResult.h"

namespace regression {

// The model of a function record loaded into `result` as the record describes it: kind, a, b and
// the polynomial coefficients (missing ones 0), so the curve is evaluated through it.
void loadRecordModel(RegressionResult& result, const projects::DrawableRecord& record);

} // namespace regression
