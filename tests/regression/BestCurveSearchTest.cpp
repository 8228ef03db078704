#include "RegressionTestSupport.h"

#include "regression/BestCurveSearch.h"
#include "regression/RegressionError.h"

using namespace regression;

namespace {

class BestCurveSearch : public EnglishTextsTest {
protected:
    RegressionResult result;

    BestCurveOutput search(std::vector<long double> x, std::vector<long double> y,
                           BestCurveSetup setup = defaultBestCurveSetup()) {
        auto output = findBestCurve(result, setup, pointsOf(std::move(x), std::move(y)));
        EXPECT_TRUE(output.has_value());
        return output.value_or(BestCurveOutput{});
    }
    static std::vector<std::string> namesOf(const BestCurveOutput& output) {
        std::vector<std::string> names;
        for (const auto& entry : output.ranking)
            names.push_back(entry.name);
        return names;
    }
};

BestCurveSetup only(std::initializer_list<std::size_t> candidates) {
    BestCurveSetup setup{};
    for (const std::size_t i : candidates)
        setup[i] = true;
    return setup;
}

} // namespace

TEST_F(BestCurveSearch, ExactLineRanksLinearFirstAndFitsItInTheOrdinaryWay) {
    const BestCurveOutput output = search({1, 2, 3, 4}, {3, 5, 7, 9});
    EXPECT_EQ(namesOf(output).size(), 5u);
    ASSERT_EQ(output.rankingLogLines.size(), 8u);
    EXPECT_EQ(output.rankingLogLines[0], "Project1");
    EXPECT_EQ(output.rankingLogLines[1], "REGRESSION RANKING:");
    EXPECT_EQ(output.rankingLogLines[2], "1     Linear     1");
    EXPECT_EQ(output.rankingLogLines[7], kHyphens);
    ASSERT_TRUE(output.winner);
    EXPECT_EQ(output.winner->logLines[1], "LINEAR REGRESSION:");
    EXPECT_EQ(output.winner->functionRecord, "Linear;Y = 1 + 2X;1;2;");
    EXPECT_EQ(result.modelKind(), "Linear");
}

TEST_F(BestCurveSearch, ModelsWhoseConditionFailsAreSkippedSilently) {
    EXPECT_EQ(namesOf(search({0, 1, 2, 3}, {1, 2, 4, 8})),
              (std::vector<std::string>{"Exponential", "Linear"}));
    const auto threePoints = search({1, 2, 3}, {1, 4, 9}, only({0, 5}));
    EXPECT_EQ(namesOf(threePoints), (std::vector<std::string>{"Linear"}));
}

TEST_F(BestCurveSearch, EqualCorrelationsKeepTheOrderOfTheModelList) {
    const BestCurveOutput output = search({1, 2, 3, 4, 5}, {3, 5, 7, 9, 11}, only({6, 5, 0}));
    EXPECT_EQ(output.rankingLogLines,
              (Lines{"Project1", "REGRESSION RANKING:", "1     Linear     1", "2     2nd Polynomial     1",
                     "3     3rd Polynomial     1", kHyphens}));
    EXPECT_EQ(output.winner->logLines[1], "LINEAR REGRESSION:");
}

TEST_F(BestCurveSearch, TheLargestMagnitudeWinsAndTheSignedCorrelationIsShown) {
    const BestCurveOutput output = search({1, 2, 3, 4}, {16, 8, 4, 2}, only({0, 2}));
    EXPECT_EQ(namesOf(output), (std::vector<std::string>{"Exponential", "Linear"}));
    EXPECT_EQ(output.rankingLogLines[2], "1     Exponential     -1");
    EXPECT_EQ(output.winner->logLines[2], "Y = 32 * 0.5^X");
    const auto polynomialWinner = search({-2, -1, 0, 1, 2}, {4, 1, 0, 1, 4}, only({0, 5}));
    EXPECT_EQ(polynomialWinner.rankingLogLines[2], "1     2nd Polynomial     1");
    EXPECT_EQ(polynomialWinner.rankingLogLines[3], "2     Linear     0");
    EXPECT_EQ(polynomialWinner.winner->logLines[1], "2nd Poly REGRESSION:");
    EXPECT_EQ(result.modelKind(), "p2reg");
}

TEST_F(BestCurveSearch, AZeroSlopeRanksWithCorrelationZeroNotAnEarlierModelsValue) {
    const BestCurveOutput output = search({1, 2, 3}, {5, 5, 5}, only({0, 1}));
    EXPECT_EQ(output.rankingLogLines[2], "1     Linear     0");
    EXPECT_EQ(output.rankingLogLines[3], "2     Logarithmic     0");
    EXPECT_EQ(output.winner->drawing->shape, Drawing::Shape::ZeroSlopeLine);
}

TEST_F(BestCurveSearch, NoModelIncludedWritesAnEmptyRankingAndFitsNothing) {
    const BestCurveOutput output = search({1, 2, 3}, {1, 2, 3}, BestCurveSetup{});
    EXPECT_EQ(output.rankingLogLines, (Lines{"Project1", "REGRESSION RANKING:", kHyphens}));
    EXPECT_FALSE(output.winner);
}

TEST_F(BestCurveSearch, AFailingTrialStopsTheSearchAndNoPointsDoNothing) {
    EXPECT_THROW(findBestCurve(result, defaultBestCurveSetup(), pointsOf({2, 2, 2}, {1, 2, 3})),
                 RegressionError);
    EXPECT_FALSE(findBestCurve(result, defaultBestCurveSetup(), pointsOf({}, {})));
}
