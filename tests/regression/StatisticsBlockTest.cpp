// The statistics block that the option "Coefficient statistics in the log" adds to the fits' blocks.
#include "RegressionTestSupport.h"

#include "regression/BestCurveSearch.h"
#include "regression/FitCommands.h"

#include <algorithm>

using namespace regression;

namespace {

class StatisticsBlock : public EnglishTextsTest {
protected:
    RegressionResult result;

    static FitData withStatistics(FitData data) {
        data.context.coefficientStatistics = true;
        return data;
    }
    Lines simpleBlock(ModelKind kind, std::vector<long double> x, std::vector<long double> y) {
        return fitSimpleModel(result, kind, withStatistics(pointsOf(std::move(x), std::move(y))))
            .value_or(FitOutput{})
            .logLines;
    }
    // The lines from the statistics title to the line before the hyphens.
    static Lines statisticsPart(const Lines& lines) {
        const auto title = std::find(lines.begin(), lines.end(), "COEFFICIENT STATISTICS:");
        if (title == lines.end() || lines.back() != kHyphens)
            return {};
        return {title, lines.end() - 1};
    }
};

const std::vector<long double> kNoisyX = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
// The "line with noise" of CoefficientStatisticsReference.R; the figures are R's, in G10.
const std::vector<long double> kNoisyY = {3.415, 3.583, 4.039, 5.129, 4.9,   5.822,
                                          7.194, 7.205, 7.54,  7.977, 7.803, 8.47};

} // namespace

TEST_F(StatisticsBlock, FollowsTheLinearBlockInAlignedColumnsBeforeTheHyphens) {
    const Lines lines = simpleBlock(ModelKind::Linear, kNoisyX, kNoisyY);
    const Lines withoutStatistics =
        fitSimpleModel(result, ModelKind::Linear, pointsOf(kNoisyX, kNoisyY)).value().logLines;
    ASSERT_EQ(lines.size(), withoutStatistics.size() + 10);
    EXPECT_TRUE(std::equal(withoutStatistics.begin(), withoutStatistics.end() - 1, lines.begin()));
    EXPECT_EQ(lines[withoutStatistics.size() - 1], "");
    EXPECT_EQ(
        statisticsPart(lines),
        (Lines{
            "COEFFICIENT STATISTICS:",
            "Term      Estimate      Std. error     t value      p-value         Lower 95%     Upper 95%",
            "Constant  2.874         0.2598315221   11.0610136   6.261657281E-7  2.295059291   3.452940709",
            "X         0.4947307692  0.03530415183  14.01338776  6.71078314E-8   0.4160682169  0.5733933215",
            "", "Residual standard error = 0.4221762528 on 10 degrees of freedom", "R-sq = 95.15445271%",
            "Adjusted R-sq = 94.66989798%",
            "F = 196.3750366 on 1 and 10 degrees of freedom, p-value = 6.71078314E-8"}));
}

TEST_F(StatisticsBlock, TransformedModelsNameTheirLineAndGiveTheConstantBackTransformed) {
    const std::vector<long double> x = {0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6};
    const std::vector<long double> y = {1.692, 2.118, 2.859, 3.35,   3.85,   4.761,
                                        5.729, 7.242, 9.214, 11.046, 13.792, 17.509};
    const Lines exponential = statisticsPart(simpleBlock(ModelKind::Exponential, x, y));
    ASSERT_GE(exponential.size(), 6u);
    EXPECT_EQ(exponential[1], "Figures of the straight line fitted to Ln(Y) against X");
    EXPECT_TRUE(exponential[3].starts_with("Constant  0.345222537")) << exponential[3];
    EXPECT_TRUE(exponential[4].starts_with("X         0.4137618152")) << exponential[4];
    // R: exp(confint(lm(log(y) ~ x))[1, ]).
    EXPECT_EQ(exponential[5], "95% limits of the constant e^Constant: 1.338864607 to 1.489772059");

    const Lines power = statisticsPart(simpleBlock(ModelKind::Power, x, y));
    ASSERT_GE(power.size(), 5u);
    EXPECT_EQ(power[1], "Figures of the straight line fitted to Ln(Y) against Ln(X)");
    EXPECT_TRUE(power[4].starts_with("Ln(X)  ")) << power[4];
    EXPECT_TRUE(power[5].starts_with("95% limits of the constant")) << power[5];

    const Lines reciprocal = statisticsPart(simpleBlock(ModelKind::Reciprocal, x, y));
    ASSERT_GE(reciprocal.size(), 5u);
    EXPECT_EQ(reciprocal[1], "Figures of the straight line fitted to Y against 1/X");
    EXPECT_TRUE(reciprocal[4].starts_with("1/X  ")) << reciprocal[4];
    EXPECT_EQ(reciprocal[5], "");
    EXPECT_EQ(statisticsPart(simpleBlock(ModelKind::Logarithmic, x, y))[1],
              "Figures of the straight line fitted to Y against Ln(X)");
}

TEST_F(StatisticsBlock, AsManyPointsAsCoefficientsLeaveEveryErrorNotCalculated) {
    EXPECT_EQ(
        statisticsPart(simpleBlock(ModelKind::Linear, {0, 4}, {1, -1})),
        (Lines{
            "COEFFICIENT STATISTICS:",
            "Term      Estimate  Std. error      t value         p-value         Lower 95%       Upper 95%",
            "Constant  1         Not calculated  Not calculated  Not calculated  Not calculated  Not "
            "calculated",
            "X         -0.5      Not calculated  Not calculated  Not calculated  Not calculated  Not "
            "calculated",
            "", "Residual standard error = Not calculated on 0 degrees of freedom", "R-sq = 100%",
            "Adjusted R-sq = Not calculated", "F = Not calculated"}));
}

TEST_F(StatisticsBlock, APerfectFitHasZeroErrorsAndSaysItIsExact) {
    EXPECT_EQ(statisticsPart(simpleBlock(ModelKind::Linear, {1, 2, 3}, {3, 5, 7})),
              (Lines{"COEFFICIENT STATISTICS:",
                     "Term      Estimate  Std. error  t value         p-value         Lower 95%  Upper 95%",
                     "Constant  1         0           Not calculated  Not calculated  1          1",
                     "X         2         0           Not calculated  Not calculated  2          2",
                     "The fit is exact: every point lies on it.", "",
                     "Residual standard error = 0 on 1 degrees of freedom", "R-sq = 100%",
                     "Adjusted R-sq = 100%", "F = Not calculated"}));
}

TEST_F(StatisticsBlock, AZeroSlopeLeavesOnlyTheConstantsRow) {
    // Σ (x − x̄)(y − ȳ) = 0 exactly: b = 0, SSE = SST = 8/3 on 1 degree of freedom.
    const Lines part = statisticsPart(simpleBlock(ModelKind::Linear, {1, 2, 3}, {1, 3, 1}));
    ASSERT_EQ(part.size(), 8u);
    EXPECT_TRUE(part[2].starts_with("Constant  1.666666667  ")) << part[2];
    EXPECT_EQ(part[3], "");
    EXPECT_EQ(part[4], "Residual standard error = 1.632993162 on 1 degrees of freedom");
    EXPECT_EQ(part[5], "R-sq = 0%");
    EXPECT_EQ(part[7], "F = 0 on 1 and 1 degrees of freedom, p-value = 1");
    // Y all equal: nothing to explain, and the constant fits exactly.
    const Lines flat = statisticsPart(simpleBlock(ModelKind::Linear, {1, 2, 3}, {5, 5, 5}));
    ASSERT_EQ(flat.size(), 9u);
    EXPECT_EQ(flat[3], "The fit is exact: every point lies on it.");
    EXPECT_EQ(flat[6], "R-sq = Not calculated");
}

TEST_F(StatisticsBlock, PValuesBelowTheSmallestShownReadAsLessThanIt) {
    std::vector<long double> x, y;
    for (int i = 1; i <= 102; ++i) {
        x.push_back(i);
        y.push_back(3 + 2 * i + 1e-9L * (i % 3 - 1));
    }
    const Lines part = statisticsPart(simpleBlock(ModelKind::Linear, x, y));
    ASSERT_EQ(part.size(), 9u);
    EXPECT_NE(part[3].find("  < 1E-300  "), std::string::npos) << part[3];
    EXPECT_TRUE(part[8].ends_with("p-value = < 1E-300")) << part[8];
}

TEST_F(StatisticsBlock, PolynomialAndMultipleRowsFollowTheirEquations) {
    const Lines polynomial = statisticsPart(
        fitPolynomial(result, 3, withStatistics(pointsOf({0, 1, 2, 3, 4, 5}, {1, 2, 0, 5, 4, 9})))
            .value()
            .logLines);
    ASSERT_EQ(polynomial.size(), 11u);
    EXPECT_TRUE(polynomial[2].starts_with("Constant  ")) << polynomial[2];
    EXPECT_TRUE(polynomial[3].starts_with("X         ")) << polynomial[3];
    EXPECT_TRUE(polynomial[4].starts_with("X^2       ")) << polynomial[4];
    EXPECT_TRUE(polynomial[5].starts_with("X^3       ")) << polynomial[5];
    EXPECT_TRUE(polynomial[10].starts_with("F = ") &&
                polynomial[10].find(" on 3 and 2 ") != std::string::npos)
        << polynomial[10];

    FitData data;
    data.context = {"Project1", {"Length", "Width"}, "Weight", ','};
    data.x = {{1, 2, 3, 4, 5}, {2, 1, 4, 3, 6}};
    data.y = {3.5, 4, 8.5, 8, 12.5};
    const Lines multiple = statisticsPart(logMultiple(result, withStatistics(data)).value().logLines);
    ASSERT_EQ(multiple.size(), 10u);
    EXPECT_TRUE(multiple[3].starts_with("Length    ")) << multiple[3];
    EXPECT_TRUE(multiple[4].starts_with("Width     ")) << multiple[4];
    EXPECT_NE(multiple[6].find(" on 2 degrees of freedom"), std::string::npos) << multiple[6];
}

TEST_F(StatisticsBlock, TheBestCurveSearchAddsItOnlyToTheWinningFit) {
    const auto best =
        findBestCurve(result, defaultBestCurveSetup(), withStatistics(pointsOf(kNoisyX, kNoisyY)));
    ASSERT_TRUE(best && best->winner);
    EXPECT_TRUE(statisticsPart(best->rankingLogLines).empty());
    EXPECT_EQ(
        std::count(best->rankingLogLines.begin(), best->rankingLogLines.end(), "COEFFICIENT STATISTICS:"), 0);
    EXPECT_FALSE(statisticsPart(best->winner->logLines).empty());
}

TEST_F(StatisticsBlock, FiguresTakeTheAskedNumberOfDigits) {
    FitData data = withStatistics(pointsOf(kNoisyX, kNoisyY));
    data.context.figureDigits = 4;
    const Lines lines = fitSimpleModel(result, ModelKind::Linear, data).value().logLines;
    EXPECT_EQ(lines[4], "Constant = 2.874");
    EXPECT_EQ(lines[5], "X = 0.4947");
    EXPECT_EQ(lines[8], "R-sq = 95.15%");
    const Lines part = statisticsPart(lines);
    ASSERT_EQ(part.size(), 9u);
    EXPECT_EQ(part[3], "X         0.4947    0.0353      14.01    6.711E-8  0.4161     0.5734");
    EXPECT_EQ(part[5], "Residual standard error = 0.4222 on 10 degrees of freedom");
}
