#include "RegressionTestSupport.h"

#include "projects/DataLists.h"
#include "regression/DataListsInput.h"
#include "regression/FitCommands.h"
#include "regression/RegressionError.h"

#include <cmath>

using namespace regression;

namespace {

class SimpleRegression : public EnglishTextsTest {
protected:
    RegressionResult result;

    FitOutput fit(ModelKind kind, std::vector<long double> x, std::vector<long double> y) {
        auto output = fitSimpleModel(result, kind, pointsOf(std::move(x), std::move(y)));
        EXPECT_TRUE(output.has_value());
        return output.value_or(FitOutput{});
    }
    std::string equation(ModelKind kind, long double a, long double b) {
        SimpleFitFigures figures;
        figures.a = a;
        figures.b = b;
        figures.base = std::exp(b);
        return simpleEquation(kind, figures, {"P", {"X"}, "Y", '.'});
    }
};

} // namespace

TEST_F(SimpleRegression, ExactLineGivesTheWholeLinearBlockAndRecord) {
    const FitOutput output = fit(ModelKind::Linear, {1, 2, 3}, {3, 5, 7});
    EXPECT_EQ(output.logLines,
              (Lines{"Project1", "LINEAR REGRESSION:", "Y = 1 + 2X", "", "Constant = 1", "X = 2", "",
                     "Correlation = 1", "R-sq = 100%", "s = 0", "Number of points = 3", kHyphens}));
    EXPECT_EQ(output.equation, "Y = 1 + 2X");
    EXPECT_EQ(output.functionRecord, "Linear;Y = 1 + 2X;1;2;");
    ASSERT_TRUE(output.drawing);
    EXPECT_EQ(output.drawing->shape, Drawing::Shape::FittedCurve);
    EXPECT_EQ(result.modelKind(), "Linear");
    EXPECT_EQ(result.a, 1);
    EXPECT_EQ(result.b, 2);
    EXPECT_EQ(result.r, 1);
}

TEST_F(SimpleRegression, TwoPointsGiveACorrelationButNoStandardError) {
    const FitOutput output = fit(ModelKind::Linear, {0, 4}, {1, -1});
    EXPECT_EQ(output.logLines, (Lines{"Project1", "LINEAR REGRESSION:", "Y = 1 - 0.5X", "", "Constant = 1",
                                      "X = -0.5", "", "Correlation = -1", "R-sq = 100%", "s = Not calculated",
                                      "Number of points = 2", kHyphens}));
}

TEST_F(SimpleRegression, FlatDataLeavesOutTheSlopeAndGoodnessLinesAndDrawsAHorizontalLine) {
    result.r = 0.25L;
    const FitOutput output = fit(ModelKind::Linear, {1, 2, 3}, {5, 5, 5});
    EXPECT_EQ(output.logLines, (Lines{"Project1", "LINEAR REGRESSION:", "Y = 5", "", "Constant = 5", "",
                                      "Number of points = 3", kHyphens}));
    ASSERT_TRUE(output.drawing);
    EXPECT_EQ(output.drawing->shape, Drawing::Shape::ZeroSlopeLine);
    EXPECT_EQ(output.drawing->lines.base, 5);
    EXPECT_EQ(output.functionRecord, "Linear;Y = 5;5;0;");
    EXPECT_EQ(result.r, 0.25L) << "no correlation is computed for a zero slope";
}

TEST_F(SimpleRegression, FlatDataWithAwkwardDecimalsStillHasAnExactlyZeroSlope) {
    // 0.1 has no exact binary form; a mean formed as Σy/n would leave the slope a hair off zero.
    const FitOutput output = fit(ModelKind::Logarithmic, {1, 2, 3, 7}, {0.1L, 0.1L, 0.1L, 0.1L});
    EXPECT_EQ(output.logLines[2], "Y = 0.1");
    EXPECT_EQ(output.drawing->shape, Drawing::Shape::ZeroSlopeLine);
}

TEST_F(SimpleRegression, ExponentialBlockShowsTheBaseAndTheLiteralTitle) {
    std::vector<long double> x, y;
    for (int i = 0; i < 6; ++i) {
        x.push_back(i);
        y.push_back(2 * std::exp(0.5L * i));
    }
    const FitOutput output = fit(ModelKind::Exponential, x, y);
    ASSERT_EQ(output.logLines.size(), 12u);
    EXPECT_EQ(Lines(output.logLines.begin(), output.logLines.begin() + 9),
              (Lines{"Project1", "EXPONENTIAL REGRESSION:", "Y = 2 * 1.65^X", "", "Constant = 2",
                     "X = 1.648721271", "", "Correlation = 1", "R-sq = 100%"}));
    EXPECT_EQ(output.logLines[9].substr(0, 4), "s = ");
    EXPECT_LT(std::stold(output.logLines[9].substr(4)), 1e-15L);
    EXPECT_EQ(output.logLines[10], "Number of points = 6");
    EXPECT_NEAR(result.base, std::exp(0.5L), 1e-17);
    EXPECT_NEAR(result.b, 0.5L, 1e-17);
}

TEST_F(SimpleRegression, PowerBlockHasItsLiteralTitle) {
    const FitOutput output = fit(ModelKind::Power, {1, 2, 4}, {3, 12, 48});
    EXPECT_EQ(output.logLines[1], "POWER REGRESSION:");
    EXPECT_EQ(output.logLines[2], "Y = 3 * X^2");
    EXPECT_EQ(output.logLines[5], "X = 2");
}

TEST_F(SimpleRegression, EquationLinesFollowTheSignAndUnitRulesOfEachModel) {
    EXPECT_EQ(equation(ModelKind::Linear, 10, 1), "Y = 10 + X");
    EXPECT_EQ(equation(ModelKind::Linear, 10, -1), "Y = 10 - X");
    EXPECT_EQ(equation(ModelKind::Linear, 10, -2.5L), "Y = 10 - 2.5X");
    EXPECT_EQ(equation(ModelKind::Linear, -0.125L, 1234), "Y = -0.125 + 1.23E3X");
    EXPECT_EQ(equation(ModelKind::Logarithmic, 1, 2), "Y = 1 + 2Ln(X)");
    EXPECT_EQ(equation(ModelKind::Logarithmic, 1, 1), "Y = 1 + Ln(X)");
    EXPECT_EQ(equation(ModelKind::Logarithmic, 1, -1), "Y = 1 - Ln(X)");
    EXPECT_EQ(equation(ModelKind::Logarithmic, 1, -3), "Y = 1 - 3Ln(X)");
    EXPECT_EQ(equation(ModelKind::Logarithmic, 1, 0), "Y = 1");
    EXPECT_EQ(equation(ModelKind::Reciprocal, 2, 1), "Y = 2 + 1 /X");
    EXPECT_EQ(equation(ModelKind::Reciprocal, 2, 2), "Y = 2 + 2 / X");
    EXPECT_EQ(equation(ModelKind::Reciprocal, 2, -1), "Y = 2 - 1 /X");
    EXPECT_EQ(equation(ModelKind::Reciprocal, 2, -2), "Y = 2 - 2 / X");
    EXPECT_EQ(equation(ModelKind::Power, 4, 1), "Y = 4 * X");
    EXPECT_EQ(equation(ModelKind::Power, 4, -0.5L), "Y = 4 * X^-0.5");
    EXPECT_EQ(equation(ModelKind::Power, 4, 0), "Y = 4");
    EXPECT_EQ(equation(ModelKind::Exponential, 2, 0), "Y = 2 * 1^X");
}

TEST_F(SimpleRegression, FittedReciprocalAndPowerCurvesPrintTheirExponents) {
    EXPECT_EQ(fit(ModelKind::Reciprocal, {1, 2, 4}, {3, 2, 1.5L}).logLines[2], "Y = 1 + 2 / X");
    EXPECT_EQ(fit(ModelKind::Reciprocal, {1, 2, 4, 4}, {3, 2.5L, 2.25L, 2.25L}).logLines[2], "Y = 2 + 1 /X");
    EXPECT_EQ(fit(ModelKind::Power, {1, 4, 16}, {4, 2, 1}).logLines[2], "Y = 4 * X^-0.5");
}

TEST_F(SimpleRegression, TransformedModelsReportTheLogCorrelationButRSquaredInTheUnitsOfY) {
    const std::vector<long double> x = {1, 2, 3, 4, 5};
    const std::vector<long double> y = {2.1L, 3.9L, 9.2L, 15, 34};
    fit(ModelKind::Exponential, x, y);
    const SimpleFitFigures figures = computeSimpleFit(ModelKind::Exponential, x, y);
    ASSERT_TRUE(figures.r && figures.rSquared);
    EXPECT_GT(std::fabs(*figures.rSquared - *figures.r * *figures.r), 1e-3L);
    EXPECT_EQ(result.r, *figures.r);
}

TEST_F(SimpleRegression, NumbersUseTheUsersDecimalSeparatorInTheLogAndTheRecord) {
    auto output = fitSimpleModel(result, ModelKind::Linear, pointsOf({0, 1, 2}, {0.5L, 2, 3.5L}, ','));
    ASSERT_TRUE(output);
    EXPECT_EQ(output->logLines[2], "Y = 0,5 + 1,5X");
    EXPECT_EQ(output->logLines[4], "Constant = 0,5");
    EXPECT_EQ(output->functionRecord, "Linear;Y = 0,5 + 1,5X;0,5;1,5;");
}

TEST_F(SimpleRegression, AFailedFitWritesNothingAndKeepsThePreviousCoefficients) {
    result.a = 7;
    result.b = 8;
    try {
        fitSimpleModel(result, ModelKind::Linear, pointsOf({2, 2, 2}, {1, 2, 3}));
        FAIL() << "all X equal has no slope";
    } catch (const RegressionError& error) {
        EXPECT_STREQ(error.what(), "Invalid floating point operation");
    }
    EXPECT_THROW(fitSimpleModel(result, ModelKind::Linear, pointsOf({2}, {1})), RegressionError);
    EXPECT_EQ(result.modelKind(), "Linear");
    EXPECT_EQ(result.a, 7);
    EXPECT_EQ(result.b, 8);
}

TEST_F(SimpleRegression, ModelsOutsideTheirDomainFailWithTheFaultInsteadOfPrintingNan) {
    try {
        computeSimpleFit(ModelKind::Logarithmic, {{1, -2, 3}}, {{1, 2, 3}});
        FAIL();
    } catch (const RegressionError& error) {
        EXPECT_STREQ(error.what(), "Invalid floating point operation");
    }
    try {
        computeSimpleFit(ModelKind::Reciprocal, {{1, 0, 3}}, {{1, 2, 3}});
        FAIL();
    } catch (const RegressionError& error) {
        EXPECT_STREQ(error.what(), "Floating point division by zero");
    }
    try {
        computeSimpleFit(ModelKind::Exponential, {{0, 1, 2}}, {{1, 1, 1e4000L}});
        FAIL();
    } catch (const RegressionError& error) {
        EXPECT_STREQ(error.what(), "Floating point overflow");
    }
}

TEST_F(SimpleRegression, NoPointsOrSeveralVariablesOnlySetTheModelKind) {
    EXPECT_FALSE(fitSimpleModel(result, ModelKind::Power, pointsOf({}, {})));
    EXPECT_EQ(result.modelKind(), "Power");
    FitData twoVariables = pointsOf({1, 2, 3}, {1, 2, 3});
    twoVariables.x.push_back({4, 5, 7});
    twoVariables.context.xNames.push_back("Z");
    EXPECT_FALSE(fitSimpleModel(result, ModelKind::Linear, twoVariables));
}

TEST_F(SimpleRegression, PointsComeFromTheCompleteRowsOfTheListsAndBadCellsNameTheirText) {
    projects::DataLists lists;
    lists.setHeader(1, "X1: Hours");
    lists.setHeader(2, "Y: Score");
    for (int row = 1; row <= 10; ++row) {
        lists.setCell(1, row, std::to_string(row));
        lists.setCell(2, row, std::to_string(2 * row + 1));
    }
    lists.setCell(1, 12, "100");
    lists.setCell(2, 12, "5");
    const FitData data = readFitData(lists, "Study", '.');
    const auto output = fitSimpleModel(result, ModelKind::Linear, data);
    ASSERT_TRUE(output);
    EXPECT_EQ(output->logLines[0], "Study");
    EXPECT_EQ(output->logLines[2], "Score = 1 + 2Hours");
    EXPECT_EQ(output->logLines[10], "Number of points = 10");

    lists.setCell(2, 4, "nine");
    try {
        readFitData(lists, "Study", '.');
        FAIL();
    } catch (const RegressionError& error) {
        EXPECT_STREQ(error.what(), "'nine' is not a valid floating point value");
    }
    lists.setCell(2, 4, "9,5");
    EXPECT_THROW(readFitData(lists, "Study", '.'), RegressionError);
    EXPECT_EQ(readFitData(lists, "Study", ',').y[3], 9.5L);
}
