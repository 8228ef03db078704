#include "regression/DataListsInput.h"

#include "common/NumberParse.h"
#include "projects/DataLists.h"
#include "regression/RegressionError.h"

namespace regression {

namespace {

std::vector<long double> readColumn(const projects::DataLists& lists, int column, int rows,
                                    char decimalSeparator) {
    std::vector<long double> values(static_cast<std::size_t>(rows));
    for (int row = 1; row <= rows; ++row)
        values[row - 1] = lists.number(column, row, decimalSeparator);
    return values;
}

std::vector<std::string_view> cellsOf(const projects::DataLists& lists, int column, int rows) {
    std::vector<std::string_view> cells;
    cells.reserve(static_cast<std::size_t>(rows));
    for (int row = 1; row <= rows; ++row)
        cells.push_back(lists.cell(column, row));
    return cells;
}

} // namespace

FitData readFitData(const projects::DataLists& lists, std::string projectName, char decimalSeparator) {
    FitData data;
    data.context.projectName = std::move(projectName);
    data.context.decimalSeparator = decimalSeparator;
    const int k = lists.variableCount();
    for (int column = 1; column <= k; ++column)
        data.context.xNames.emplace_back(lists.listName(column));
    data.context.yName = std::string(lists.listName(lists.yColumn()));

    const int rows = lists.completeRowCount();
    try {
        for (int column = 1; column <= k; ++column)
            data.x.push_back(readColumn(lists, column, rows, decimalSeparator));
        data.y = readColumn(lists, lists.yColumn(), rows, decimalSeparator);
    } catch (const common::ConversionError& error) {
        throw RegressionError(error.what());
    }
    return data;
}

std::vector<std::string_view> listCells(const projects::DataLists& lists, int column) {
    return cellsOf(lists, column, lists.listLength(column));
}

std::vector<std::string_view> completeRowCells(const projects::DataLists& lists, int column) {
    return cellsOf(lists, column, lists.completeRowCount());
}

void applyListTransform(projects::DataLists& lists, int column, ListTransform transform,
                        char decimalSeparator) {
    const std::vector<std::string> texts =
        transformedList(transform, listCells(lists, column), decimalSeparator);
    for (std::size_t i = 0; i < texts.size(); ++i)
        lists.setCell(column, static_cast<int>(i) + 1, texts[i]);
}

} // namespace regression
