#pragma once

#include "projects/ColumnTextRecords.h"
#include "projects/DataLists.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace projects {

// Data lists read from columns of numbers: the last column is Y, the ones before it X1..Xk.
struct ColumnTextData {
    DataLists lists;                    // cells hold numbers with "." as the decimal separator
    std::vector<std::string> listNames; // X1..Xk, then Y, as the list selector shows them
};

// Reads columns of numbers separated by tabs, semicolons, commas or blanks (the first of these the
// text contains separates the columns). An optional first line names the lists: it is a header when
// any of its fields is not a number. Numbers use "."; in columns separated by tabs or semicolons
// "," is accepted as well. Blank lines are skipped. There must be 2..6 columns, every row as many
// values as the first, and at least one row of numbers; otherwise ColumnTextError.
ColumnTextData parseColumnText(std::string_view text);

// Reads the file (UTF-8, or Windows-1252 when not valid UTF-8) and parses it. A file that cannot be
// read throws std::runtime_error with the system's reason.
ColumnTextData readColumnTextFile(const std::filesystem::path& path);

} // namespace projects
