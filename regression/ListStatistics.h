#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace regression {

enum class ListStatistic {
    Mean,
    Sum,
    SumOfSquares,
    SampleStandardDeviation,
    PopulationStandardDeviation,
    NumberOfPoints,
};

// A figure of a list. The standard deviations are taken about the mean (two passes), which equals
// √((Σv² − (Σv)²/L) / (L − 1)) or / L without its cancellation for values near 10^6 with a small
// spread. Throws RegressionError naming the fault: the mean of no values, the sample standard
// deviation of fewer than two (0/0), an overflow.
long double listStatistic(ListStatistic statistic, std::span<const long double> values);

// The header of a statistics block: project name + ": " + the selected list's name.
struct StatisticsContext {
    std::string projectName;
    std::string listName;
    char decimalSeparator = '.';
};

// A statistics block for the log. A command that fails (a cell that is not a number, or an
// arithmetic fault) writes only the header line and then shows `error`.
struct StatisticsBlock {
    std::vector<std::string> lines;
    std::optional<std::string> error;
};

// The one-variable analysis of the cells of a list (rows 1..list length).
StatisticsBlock oneVariableAnalysis(const StatisticsContext& context,
                                    std::span<const std::string_view> cells);
// One figure of the cells of a list.
StatisticsBlock singleStatistic(ListStatistic statistic, const StatisticsContext& context,
                                std::span<const std::string_view> cells);
// Σ x·y over the complete rows of the X and Y lists.
StatisticsBlock productSum(const StatisticsContext& context, std::span<const std::string_view> xCells,
                           std::span<const std::string_view> yCells);

enum class ListTransform {
    NaturalLogarithm, // v becomes ln v
    Exponential,      // v becomes e^v
};

// The new texts (G15) of the cells of a list. All or nothing: a cell that is not a number, ln of a
// value <= 0 or an overflowing e^v throws RegressionError, and the caller changes no cell.
std::vector<std::string> transformedList(ListTransform transform, std::span<const std::string_view> cells,
                                         char decimalSeparator);

// The cells as numbers; a cell that is not a number throws RegressionError with the parser's message.
std::vector<long double> parseCells(std::span<const std::string_view> cells, char decimalSeparator);

} // namespace regression
