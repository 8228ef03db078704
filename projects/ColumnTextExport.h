#pragma once

#include "projects/DataLists.h"

#include <string>
#include <vector>

namespace projects {

enum class ExportKind {
    Csv, // commas between the cells, "." in numbers (for a user of "," a text that reads as a
         // number with "." imports as that number)
    Tsv, // tabs between the cells, numbers as typed
};

// The lists X1..Xk and Y as a text file: a header row of the list names, then every row down to
// the last filled cell of any list, lines ended by CR LF. A cell that holds the separator, a
// double quote or blanks at either end is put in double quotes, so importing the
// text gives the same cells back.
std::string exportedColumnText(const DataLists& lists, const std::vector<std::string>& listNames,
                               ExportKind kind, char userDecimal);

} // namespace projects
