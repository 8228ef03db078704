#pragma once

#include "regression/FitOutput.h"

// The points every regression benchmark and yardstick fits, so that all of them see the same data.
namespace regression_bench {

constexpr int kRows = 1'000'000;

// kRows measurements near 10^3 with noise, y = 5 + noise + Σ (j + 1)·x_j for k = 1..5 variables;
// made once per k and kept.
const regression::FitData& benchmarkPoints(int k);

} // namespace regression_bench
