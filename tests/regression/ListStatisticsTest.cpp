#include "RegressionTestSupport.h"

#include "projects/DataLists.h"
#include "regression/DataListsInput.h"
#include "regression/ListStatistics.h"
#include "regression/RegressionError.h"

using namespace regression;

namespace {

class ListStatistics : public EnglishTextsTest {
protected:
    const StatisticsContext context{"Project1", "Weight", '.'};
    std::vector<std::string> texts;
    std::vector<std::string_view> cells;

    std::span<const std::string_view> cellsOf(std::vector<std::string> values) {
        texts = std::move(values);
        cells.assign(texts.begin(), texts.end());
        return cells;
    }
    std::string single(ListStatistic statistic, std::vector<std::string> values) {
        const StatisticsBlock block = singleStatistic(statistic, context, cellsOf(std::move(values)));
        EXPECT_FALSE(block.error) << *block.error;
        EXPECT_EQ(block.lines.size(), 3u);
        return block.lines.size() == 3 ? block.lines[1] : "";
    }
};

const std::vector<std::string> kSample = {"2", "4", "4", "4", "5", "5", "7", "9"};

} // namespace

TEST_F(ListStatistics, OneVariableAnalysisOfTheTextbookSample) {
    const StatisticsBlock block = oneVariableAnalysis(context, cellsOf(kSample));
    EXPECT_FALSE(block.error);
    EXPECT_EQ(block.lines,
              (Lines{"Project1: Weight", "1-VARIABLE ANALYSIS:", "", "Mean value = 5", "Sum = 40",
                     "Sum of squares = 232", "Sample standard deviation = 2.138089935",
                     "Population standard deviation = 2", "Number of points = 8", kHyphens}));
}

TEST_F(ListStatistics, EachSingleCommandWritesItsOwnLine) {
    EXPECT_EQ(single(ListStatistic::Mean, kSample), "Mean value = 5");
    EXPECT_EQ(single(ListStatistic::Sum, kSample), "Sum = 40");
    EXPECT_EQ(single(ListStatistic::SumOfSquares, kSample), "Sum of squares = 232");
    EXPECT_EQ(single(ListStatistic::SampleStandardDeviation, kSample),
              "Sample standard deviation = 2.138089935");
    EXPECT_EQ(single(ListStatistic::PopulationStandardDeviation, kSample),
              "Population standard deviation = 2");
    EXPECT_EQ(single(ListStatistic::NumberOfPoints, {"1", "x"}), "Number of points = 2");
    const StatisticsBlock comma =
        singleStatistic(ListStatistic::Mean, {"Project1", "Weight", ','}, cellsOf({"0,5", "2"}));
    EXPECT_EQ(comma.lines[1], "Mean value = 1,25");
}

TEST_F(ListStatistics, FailuresLeaveOnlyTheHeaderAndNameTheFault) {
    StatisticsBlock block = singleStatistic(ListStatistic::SampleStandardDeviation, context, cellsOf({"3"}));
    EXPECT_EQ(block.lines, (Lines{"Project1: Weight"}));
    EXPECT_EQ(block.error, "Invalid floating point operation");
    EXPECT_EQ(single(ListStatistic::Mean, {"3"}), "Mean value = 3");
    block = oneVariableAnalysis(context, cellsOf({}));
    EXPECT_EQ(block.lines, (Lines{"Project1: Weight"}));
    EXPECT_EQ(block.error, "Invalid floating point operation");
    block = oneVariableAnalysis(context, cellsOf({"1", "abc"}));
    EXPECT_EQ(block.lines, (Lines{"Project1: Weight"}));
    EXPECT_EQ(block.error, "'abc' is not a valid floating point value");
}

TEST_F(ListStatistics, StandardDeviationsOfLargeValuesWithASmallSpreadAreExact) {
    const StatisticsBlock block = oneVariableAnalysis(
        context,
        cellsOf({"1000002", "1000004", "1000004", "1000004", "1000005", "1000005", "1000007", "1000009"}));
    EXPECT_EQ(block.lines[6], "Sample standard deviation = 2.138089935");
    EXPECT_EQ(block.lines[7], "Population standard deviation = 2");
    const std::vector<long double> timestamps = {1.7e9L + 0.25L, 1.7e9L + 0.75L};
    EXPECT_EQ(listStatistic(ListStatistic::PopulationStandardDeviation, timestamps), 0.25L);
}

TEST_F(ListStatistics, ProductSumOfTheCompleteRows) {
    projects::DataLists lists;
    for (int row = 1; row <= 3; ++row) {
        lists.setCell(1, row, std::to_string(row));
        lists.setCell(2, row, std::to_string(row + 1));
    }
    lists.setCell(1, 4, "10");
    const auto x = completeRowCells(lists, 1);
    const auto y = completeRowCells(lists, 2);
    const StatisticsBlock block = productSum({"Project1", "X", '.'}, x, y);
    EXPECT_EQ(block.lines, (Lines{"Project1: X", "Product sum = 20", kHyphens}));
}

TEST_F(ListStatistics, ListsEndAtTheFirstEmptyCell) {
    projects::DataLists lists;
    lists.setCell(1, 1, "1");
    lists.setCell(1, 2, "2");
    lists.setCell(1, 4, "4");
    const auto list = listCells(lists, 1);
    EXPECT_EQ(singleStatistic(ListStatistic::Sum, context, list).lines[1], "Sum = 3");
}

TEST_F(ListStatistics, TransformsRewriteEveryValueOrNone) {
    projects::DataLists lists;
    lists.setCell(1, 1, "1");
    lists.setCell(1, 2, "2.718281828459045");
    applyListTransform(lists, 1, ListTransform::NaturalLogarithm, '.');
    EXPECT_EQ(lists.cell(1, 1), "0");
    EXPECT_EQ(lists.cell(1, 2), "1");
    applyListTransform(lists, 1, ListTransform::Exponential, '.');
    EXPECT_EQ(lists.cell(1, 1), "1");
    EXPECT_EQ(lists.cell(1, 2), "2.71828182845905");

    lists.setCell(1, 3, "-1");
    try {
        applyListTransform(lists, 1, ListTransform::NaturalLogarithm, '.');
        FAIL();
    } catch (const RegressionError& error) {
        EXPECT_STREQ(error.what(), "Invalid floating point operation");
    }
    EXPECT_EQ(lists.cell(1, 1), "1") << "rows before the bad value stay as they were";
    lists.setCell(1, 3, "20000");
    try {
        applyListTransform(lists, 1, ListTransform::Exponential, '.');
        FAIL();
    } catch (const RegressionError& error) {
        EXPECT_STREQ(error.what(), "Floating point overflow");
    }
    EXPECT_EQ(transformedList(ListTransform::NaturalLogarithm, cellsOf({"1"}), ','), (Lines{"0"}));
}

TEST_F(ListStatistics, TransformFaultsNameTheirKind) {
    const auto faultOf = [this](ListTransform transform, std::vector<std::string> values) -> std::string {
        try {
            transformedList(transform, cellsOf(std::move(values)), '.');
        } catch (const RegressionError& error) {
            return error.what();
        }
        return "no fault";
    };
    EXPECT_EQ(faultOf(ListTransform::NaturalLogarithm, {"2", "0"}), "Floating point division by zero");
    EXPECT_EQ(faultOf(ListTransform::NaturalLogarithm, {"-0.5"}), "Invalid floating point operation");
    // e^v stays within the extended range up to v = ln(1.19E4932), about 11356.5.
    EXPECT_EQ(faultOf(ListTransform::Exponential, {"11356"}), "no fault");
    EXPECT_EQ(faultOf(ListTransform::Exponential, {"1", "11357"}), "Floating point overflow");
}
