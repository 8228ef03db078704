#pragma once

#include "regression/FitOutput.h"
#include "regression/ModelKind.h"

#include <optional>
#include <string>
#include <vector>

namespace regshell {

// The log block the fit command of `model` writes for the points, or for nothing ("best") the
// ranking of the best-curve search (with its default models) followed by the winning fit's block.
// A refusal of the command (wrong number of variables, no points, a model's condition on X or Y,
// too few points) and an arithmetic fault throw CommandLineError with the message the program shows.
// How the figures are printed: with the statistics block or not, and their significant digits.
struct FitFigures {
    bool statistics = false;
    int digits = 10;
};
std::vector<std::string> fitLogLines(std::optional<regression::ModelKind> model, regression::FitData data,
                                     FitFigures figures = {});

} // namespace regshell
