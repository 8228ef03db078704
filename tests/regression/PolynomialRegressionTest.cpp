#include "RegressionTestSupport.h"

#include "regression/FitCommands.h"
#include "regression/RegressionError.h"

#include <cmath>

using namespace regression;

namespace {

class PolynomialRegression : public EnglishTextsTest {
protected:
    RegressionResult result;

    FitOutput fit(int degree, std::vector<long double> x, std::vector<long double> y) {
        auto output = fitPolynomial(result, degree, pointsOf(std::move(x), std::move(y)));
        EXPECT_TRUE(output.has_value());
        return output.value_or(FitOutput{});
    }
    std::string failureOf(int degree, std::vector<long double> x, std::vector<long double> y) {
        try {
            fitPolynomial(result, degree, pointsOf(std::move(x), std::move(y)));
        } catch (const RegressionError& error) {
            return error.what();
        }
        return "no failure";
    }
};

} // namespace

TEST_F(PolynomialRegression, ExactQuadraticGivesTheWholeBlockAndRecord) {
    const FitOutput output = fit(2, {0, 1, 2, 3}, {1, 6, 17, 34});
    EXPECT_EQ(output.logLines, (Lines{"Project1", "2nd Poly REGRESSION:", "Y = 1 + 2X + 3X^2", "",
                                      "Constant = 1", "X = 2", "X^2 = 3", "", "Correlation = 1",
                                      "R-sq = 100%", "s = 0", "Number of points = 4", kHyphens}));
    EXPECT_EQ(output.functionRecord, "p2reg;Y = 1 + 2X + 3X^2;2;1;2;3;");
    ASSERT_TRUE(output.drawing);
    EXPECT_EQ(output.drawing->shape, Drawing::Shape::FittedCurve);
    EXPECT_EQ(result.modelKind(), "p2reg");
    EXPECT_EQ(result.polynomialParameterText, "2;1;2;3;");
    EXPECT_EQ(result.Evaluate(10), 321);
}

TEST_F(PolynomialRegression, AZeroCoefficientIsDroppedFromTheEquationButKeepsItsLine) {
    const FitOutput output = fit(2, {-2, -1, 0, 1, 2}, {1, 4, 5, 4, 1});
    EXPECT_EQ(output.logLines[2], "Y = 5 - 1X^2");
    EXPECT_EQ(output.logLines[5], "X = 0");
    EXPECT_EQ(output.logLines[6], "X^2 = -1");
}

TEST_F(PolynomialRegression, HigherDegreesListEveryPowerAndLeaveHigherCoefficientsAlone) {
    result.polynomialCoefficients[5] = 42;
    std::vector<long double> x, y;
    for (int i = -3; i <= 3; ++i) {
        x.push_back(i);
        y.push_back(2 - i + 0.5L * i * i * i * i);
    }
    const FitOutput output = fit(4, x, y);
    EXPECT_EQ(output.logLines,
              (Lines{"Project1", "4th Poly REGRESSION:", "Y = 2 - 1X + 0.5X^4", "", "Constant = 2", "X = -1",
                     "X^2 = 0", "X^3 = 0", "X^4 = 0.5", "", "Correlation = 1", "R-sq = 100%", "s = 0",
                     "Number of points = 7", kHyphens}));
    EXPECT_EQ(output.functionRecord, "p4reg;Y = 2 - 1X + 0.5X^4;4;2;-1;0;0;0.5;");
    EXPECT_EQ(result.polynomialCoefficients[5], 42);
}

TEST_F(PolynomialRegression, MinimumPointsUseOneDegreeOfFreedomForS) {
    // Four points for a quadratic: s = √(SSE / 1).
    const FitOutput output = fit(2, {0, 1, 2, 3}, {0, 1, 0, 1});
    // The least-squares quadratic through (0,0), (1,1), (2,0), (3,1) leaves residuals ±0.2 and ±0.6.
    EXPECT_EQ(output.logLines[10], "s = 0.894427191");
    EXPECT_EQ(output.logLines[9], "R-sq = 20%");
}

TEST_F(PolynomialRegression, TooFewDistinctXOrFlatYFailWithoutOutput) {
    EXPECT_EQ(failureOf(3, {1, 1, 2, 2, 2, 1}, {1, 2, 3, 4, 5, 6}), "Floating point division by zero");
    EXPECT_EQ(failureOf(2, {1, 2, 3, 4}, {7, 7, 7, 7}), "Invalid floating point operation");
    EXPECT_EQ(result.modelKind(), "p2reg");
}

TEST_F(PolynomialRegression, NoPointsOnlySetTheModelKind) {
    EXPECT_FALSE(fitPolynomial(result, 5, pointsOf({}, {})));
    EXPECT_EQ(result.modelKind(), "p5reg");
}

TEST_F(PolynomialRegression, DataFarFromZeroKeepsItsCurvature) {
    // y = 3 + 0.5·(x − 10^6)² on x = 10^6 ... 10^6 + 1: the raw normal equations hold sums near 10^24
    // whose differences carry the whole curvature.
    std::vector<long double> x, y;
    for (int i = 0; i <= 10; ++i) {
        const long double offset = i / 10.0L;
        x.push_back(1e6L + offset);
        y.push_back(3 + 0.5L * offset * offset);
    }
    const FitOutput output = fit(2, x, y);
    EXPECT_NEAR(result.polynomialCoefficients[2], 0.5L, 1e-9L);
    EXPECT_EQ(output.logLines[6], "X^2 = 0.5");
    EXPECT_EQ(output.logLines[8], "Correlation = 1");
    EXPECT_EQ(output.logLines[9], "R-sq = 100%");
    const long double s = std::stold(output.logLines[10].substr(4));
    EXPECT_LT(s, 1e-12L);
}
