#pragma once

#include "common/GraphRange.h"
#include "projects/DataLists.h"

#include <string>
#include <vector>

namespace projects {

// What a new project and a new file take from the settings file: the first standard range and
// the axis texts.
struct ProjectDefaults {
    common::RangeTexts range{"0", "12", "1", "0", "10", "1"};
    std::string xAxisName = "X";
    std::string yAxisName = "Y";
};

// Everything of the current project that the Data window and the list selector show; project
// loading fills it and writing back reads it.
struct DataWindowContent {
    DataLists lists;
    std::vector<std::string> listNames; // the list selector: X1..Xk, then Y
    common::RangeTexts range;
    std::string xAxisName;
    std::string yAxisName;
    std::vector<std::string> log; // belongs to the file, not to a project
};

} // namespace projects
