#include "regression/ListStatistics.h"

#include "common/NumberParse.h"
#include "regression/CentredSums.h"
#include "regression/CheckedArithmetic.h"
#include "regression/LogText.h"
#include "regression/RegressionError.h"
#include "translation/Translator.h"

#include <stdexcept>

namespace regression {

using translation::T;

namespace {

long double deviationSquares(std::span<const long double> values) {
    return requireFinite(sumOfSquaredDeviations(values, centredMean(values)));
}

std::string_view lineKey(ListStatistic statistic) {
    switch (statistic) {
    case ListStatistic::Mean:
        return "LMeanValue";
    case ListStatistic::Sum:
        return "LSum";
    case ListStatistic::SumOfSquares:
        return "LSumofSquares";
    case ListStatistic::SampleStandardDeviation:
        return "LSSD";
    case ListStatistic::PopulationStandardDeviation:
        return "LPSD";
    default:
        return "LNumberofPoints";
    }
}

std::string statisticLine(ListStatistic statistic, std::span<const long double> values,
                          char decimalSeparator) {
    if (statistic == ListStatistic::NumberOfPoints)
        return T(lineKey(statistic)) + " = " + std::to_string(values.size());
    return figureLine(T(lineKey(statistic)), listStatistic(statistic, values), decimalSeparator);
}

// Runs `body` to produce the lines after the header; a failure leaves only the header.
template <typename Body> StatisticsBlock blockWithHeader(const StatisticsContext& context, Body body) {
    StatisticsBlock block;
    block.lines.push_back(context.projectName + ": " + context.listName);
    try {
        std::vector<std::string> figures = body();
        block.lines.insert(block.lines.end(), figures.begin(), figures.end());
        block.lines.emplace_back(kBlockEndLine);
    } catch (const RegressionError& error) {
        block.error = error.what();
    }
    return block;
}

} // namespace

std::vector<long double> parseCells(std::span<const std::string_view> cells, char decimalSeparator) {
    std::vector<long double> values;
    values.reserve(cells.size());
    try {
        for (const std::string_view cell : cells)
            values.push_back(common::parseFloat(cell, decimalSeparator));
    } catch (const common::ConversionError& error) {
        throw RegressionError(error.what());
    }
    return values;
}

long double listStatistic(ListStatistic statistic, std::span<const long double> values) {
    const auto count = static_cast<long double>(values.size());
    switch (statistic) {
    case ListStatistic::Mean:
        return requireFinite(centredMean(values));
    case ListStatistic::Sum: {
        long double sum = 0;
        for (const long double v : values)
            sum += v;
        return requireFinite(sum);
    }
    case ListStatistic::SumOfSquares: {
        long double sum = 0;
        for (const long double v : values)
            sum += v * v;
        return requireFinite(sum);
    }
    case ListStatistic::SampleStandardDeviation:
        return squareRoot(divide(deviationSquares(values), count - 1));
    case ListStatistic::PopulationStandardDeviation:
        return squareRoot(divide(deviationSquares(values), count));
    case ListStatistic::NumberOfPoints:
        return count;
    }
    throw std::invalid_argument("unknown list statistic");
}

StatisticsBlock oneVariableAnalysis(const StatisticsContext& context,
                                    std::span<const std::string_view> cells) {
    return blockWithHeader(context, [&] {
        const std::vector<long double> values = parseCells(cells, context.decimalSeparator);
        std::vector<std::string> lines = {T("L1VARIABLEANALYZE"), ""};
        for (const ListStatistic statistic :
             {ListStatistic::Mean, ListStatistic::Sum, ListStatistic::SumOfSquares,
              ListStatistic::SampleStandardDeviation, ListStatistic::PopulationStandardDeviation,
              ListStatistic::NumberOfPoints})
            lines.push_back(statisticLine(statistic, values, context.decimalSeparator));
        return lines;
    });
}

StatisticsBlock singleStatistic(ListStatistic statistic, const StatisticsContext& context,
                                std::span<const std::string_view> cells) {
    return blockWithHeader(context, [&] {
        // The number of points counts the cells without reading them.
        if (statistic == ListStatistic::NumberOfPoints)
            return std::vector<std::string>{T("LNumberofPoints") + " = " + std::to_string(cells.size())};
        const std::vector<long double> values = parseCells(cells, context.decimalSeparator);
        return std::vector<std::string>{statisticLine(statistic, values, context.decimalSeparator)};
    });
}

StatisticsBlock productSum(const StatisticsContext& context, std::span<const std::string_view> xCells,
                           std::span<const std::string_view> yCells) {
    if (xCells.size() != yCells.size())
        throw std::invalid_argument("the X and Y lists differ in length");
    return blockWithHeader(context, [&] {
        const std::vector<long double> x = parseCells(xCells, context.decimalSeparator);
        const std::vector<long double> y = parseCells(yCells, context.decimalSeparator);
        long double sum = 0;
        for (std::size_t i = 0; i < x.size(); ++i)
            sum += x[i] * y[i];
        return std::vector<std::string>{
            figureLine(T("LProductSum"), requireFinite(sum), context.decimalSeparator)};
    });
}

std::vector<std::string> transformedList(ListTransform transform, std::span<const std::string_view> cells,
                                         char decimalSeparator) {
    const std::vector<long double> values = parseCells(cells, decimalSeparator);
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (const long double v : values)
        texts.push_back(
            g15(transform == ListTransform::NaturalLogarithm ? naturalLogarithm(v) : exponential(v),
                decimalSeparator));
    return texts;
}

} // namespace regression
