#include "RegressionTestSupport.h"

#include "regression/FitCommands.h"
#include "regression/MultipleWizard.h"
#include "regression/Preconditions.h"
#include "regression/RegressionError.h"

using namespace regression;

namespace {

// y = 1 + 2·A + 3·B, or the given columns, in a project with lists A, B (and C) and Y.
FitData exactPlane(std::vector<std::vector<long double>> x = {{1, 2, 3, 4}, {2, 1, 4, 3}}) {
    FitData data;
    data.context = {"Project1", {"A", "B", "C"}, "Y", '.'};
    data.context.xNames.resize(x.size());
    for (std::size_t row = 0; row < x[0].size(); ++row)
        data.y.push_back(1 + 2 * x[0][row] + 3 * x[1][row]);
    data.x = std::move(x);
    return data;
}

class MultipleRegression : public EnglishTextsTest {
protected:
    RegressionResult result;

    std::string failureOf(const FitData& data) {
        try {
            logMultiple(result, data);
        } catch (const RegressionError& error) {
            return error.what();
        }
        return "no failure";
    }
    FitOutput confirm(std::vector<WizardRole> roles, std::vector<std::string> values, std::string step = "",
                      std::string lines = "") {
        EXPECT_EQ(fitMultipleForWizard(result, exactPlane()), "Y = 1 + 2A + 3B");
        return confirmMultipleWizard(result,
                                     {std::move(roles), std::move(values), std::move(step), std::move(lines)},
                                     exactPlane().context);
    }
};

} // namespace

TEST_F(MultipleRegression, ExactPlaneGivesTheWholeLogBlockWithoutDrawingOrRecord) {
    const auto output = logMultiple(result, exactPlane());
    ASSERT_TRUE(output);
    EXPECT_EQ(output->logLines, (Lines{"Project1", "MULTIPLE REGRESSION:", "Y = 1 + 2A + 3B", "",
                                       "Constant = 1", "A = 2", "B = 3", "", "Correlation = 1", "R-sq = 100%",
                                       "s = 0", "Number of points = 4", kHyphens}));
    EXPECT_FALSE(output->drawing);
    EXPECT_FALSE(output->functionRecord);
    EXPECT_EQ(result.modelKind(), "Multiple");
    EXPECT_EQ(result.multipleEquationText, "Y = 1 + 2A + 3B");
    EXPECT_EQ(result.multipleCoefficients[0], 1);
    EXPECT_EQ(result.multipleCoefficients[2], 3);
}

TEST_F(MultipleRegression, NegativeCoefficientsShowTheirMagnitudeAfterAMinus) {
    FitData data;
    data.context = {"P", {"A", "B", "C"}, "Y", '.'};
    data.x = {{0, 1, 0, 0, 1}, {0, 0, 1, 0, 1}, {0, 0, 0, 1, 1}};
    for (std::size_t row = 0; row < 5; ++row)
        data.y.push_back(4 - 0.5L * data.x[0][row] - 0.25L * data.x[1][row] + data.x[2][row]);
    const auto output = logMultiple(result, data);
    ASSERT_TRUE(output);
    EXPECT_EQ(output->equation, "Y = 4 - 0.5A - 0.25B + 1C");
    EXPECT_EQ(output->logLines[6], "B = -0.25");
    EXPECT_EQ(output->logLines[11], "s = 0");
}

TEST_F(MultipleRegression, DependentColumnsOrFlatYFailWithoutOutput) {
    EXPECT_EQ(failureOf(exactPlane({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}})), "Floating point division by zero");
    EXPECT_EQ(failureOf(exactPlane({{1, 2, 3, 4, 5}, {0.3L, 0.6L, 0.9L, 1.2L, 1.5L}})),
              "Floating point division by zero");
    FitData flat = exactPlane();
    flat.y = {5, 5, 5, 5};
    EXPECT_EQ(failureOf(flat), "Invalid floating point operation");
}

TEST_F(MultipleRegression, ThreeRowsForTwoVariablesAreRefusedForDrawingButLoggingFailsCleanly) {
    EXPECT_EQ(drawMultipleRefusal(2, 3),
              "Multiple regression with 2 variables requires at least 4 complete rows of data.");
    EXPECT_EQ(drawMultipleRefusal(2, 4), std::nullopt);
    EXPECT_EQ(drawMultipleRefusal(1, 40), "Multiple regression requires at least 2 variables.");
    EXPECT_EQ(logMultipleRefusal(1), "Multiple regression requires at least 2 variables.");
    EXPECT_EQ(logMultipleRefusal(2), std::nullopt);
    EXPECT_THROW(logMultiple(result, exactPlane({{1, 2, 3}, {2, 1, 4}})), RegressionError);
}

TEST_F(MultipleRegression, WizardWithAConstantDrawsOneLineAndRecordsIt) {
    const FitOutput output = confirm({WizardRole::DependingOnX, WizardRole::Constant}, {"", "10"});
    ASSERT_TRUE(output.drawing);
    EXPECT_EQ(output.drawing->shape, Drawing::Shape::StraightLines);
    EXPECT_EQ(output.drawing->lines.count, 1);
    EXPECT_EQ(output.drawing->lines.intercept(0), 31);
    EXPECT_EQ(output.drawing->lines.slope, 2);
    EXPECT_EQ(output.functionRecord, "Multiple;Y = 1 + 2A + 3B;31;2;0;0;0;1;");
    EXPECT_EQ(output.logLines, (Lines{"Project1", "MULTIPLE REGRESSION, DRAWN LINES:", "Y = 1 + 2A + 3B", "",
                                      "A = Variable depending on X", "B = Constant = 10", kHyphens}));
    EXPECT_EQ(result.drawParameterText, "31;2;0;0;0;1;");
}

TEST_F(MultipleRegression, WizardWithASecondVariableDrawsAFamilyOfLines) {
    const FitOutput output =
        confirm({WizardRole::DependingOnX, WizardRole::SecondVariable}, {"", "0"}, "5", "3");
    ASSERT_TRUE(output.drawing);
    const LineFamily& lines = output.drawing->lines;
    EXPECT_EQ(lines.count, 3);
    EXPECT_EQ(lines.intercept(0), 1);
    EXPECT_EQ(lines.intercept(1), 16);
    EXPECT_EQ(lines.intercept(2), 31);
    EXPECT_EQ(lines.slope, 2);
    EXPECT_EQ(output.functionRecord, "Multiple;Y = 1 + 2A + 3B;1;2;3;0;5;3;");
    EXPECT_EQ(output.logLines, (Lines{"Project1", "MULTIPLE REGRESSION, DRAWN LINES:", "Y = 1 + 2A + 3B", "",
                                      "A = Variable depending on X", "B = 2nd Variable", "",
                                      "2ND VARIABLE SETTINGS:", "Start value = 0", "Step = 5",
                                      "Number of lines = 3", kHyphens}));
}

TEST_F(MultipleRegression, WizardBoxesThatAreNotNumbersStopOkWithTheParserMessage) {
    const auto failure = [&](std::vector<std::string> values, std::string step, std::string lines) {
        try {
            confirm({WizardRole::SecondVariable, WizardRole::Constant}, std::move(values), std::move(step),
                    std::move(lines));
        } catch (const RegressionError& error) {
            return std::string(error.what());
        }
        return std::string("no failure");
    };
    EXPECT_EQ(failure({"0", "ten"}, "1", "2"), "'ten' is not a valid floating point value");
    EXPECT_EQ(failure({"0", "1"}, "1", "2.5"), "'2.5' is not a valid integer value");
    EXPECT_EQ(failure({"0", "1"}, "", "2"), "'' is not a valid floating point value");
    EXPECT_EQ(failure({"0", "1"}, "1", "10001"), "The number of lines can be at most 10000.");
    EXPECT_EQ(failure({"0", "1"}, "1", "10000"), "no failure");
    EXPECT_EQ(result.drawParameterText, "4;0;2;0;1;10000;");
}

TEST_F(MultipleRegression, RolesFollowTheStepChoices) {
    using enum WizardRole;
    EXPECT_EQ(wizardRoles(3, 1, 0), (std::vector<WizardRole>{SecondVariable, DependingOnX, Constant}));
    EXPECT_EQ(wizardRoles(2, 0, std::nullopt), (std::vector<WizardRole>{DependingOnX, Constant}));
    EXPECT_EQ(wizardRoleLabel(SecondVariable), "2nd Variable");
}
