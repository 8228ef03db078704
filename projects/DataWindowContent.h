#pragma once

#include "projects/DataLists.h"

#include <array>
#include <string>
#include <vector>

namespace projects {

// The six range texts Xmin, Xmax, Xstep, Ymin, Ymax, Ystep as the range grid shows them.
using RangeTexts = std::array<std::string, 6>;

// What a new project and a new file take from the settings file: the first standard range and
// the axis texts.
struct ProjectDefaults {
    RangeTexts range{"0", "12", "1", "0", "10", "1"};
    std::string xAxisName = "X";
    std::string yAxisName = "Y";
};

// Everything of the current project that the Data window and the list selector show; project
// loading fills it and writing back reads it.
struct DataWindowContent {
    DataLists lists;
    std::vector<std::string> listNames; // the list selector: X1..Xk, then Y
    RangeTexts range;
    std::string xAxisName;
    std::string yAxisName;
    std::vector<std::string> log; // belongs to the file, not to a project
};

} // namespace projects
