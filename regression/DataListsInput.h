#pragma once

#include "regression/FitOutput.h"
#include "regression/ListStatistics.h"

#include <string>
#include <string_view>
#include <vector>

namespace projects {
class DataLists;
}

namespace regression {

// The points of the fits: the first complete-row-count rows of columns 1..k (X1..Xk) and k + 1 (Y),
// every cell parsed with the decimal separator, column by column from row 1. A cell that is not a
// number throws RegressionError "'text' is not a valid floating point value". The names are the
// headers without their "Xi: " or "Y: " prefix.
FitData readFitData(const projects::DataLists& lists, std::string projectName, char decimalSeparator);

// The cell texts of rows 1..list length of a column, for the list statistics and transforms.
std::vector<std::string_view> listCells(const projects::DataLists& lists, int column);
// The cell texts of rows 1..complete-row count of a column, for the product sum.
std::vector<std::string_view> completeRowCells(const projects::DataLists& lists, int column);

// Replaces every value of the list in `column` by its ln or e^ (G15 text); all or nothing, see
// transformedList.
void applyListTransform(projects::DataLists& lists, int column, ListTransform transform,
                        char decimalSeparator);

} // namespace regression
