#include "regression/RegressionResult.h"

#include <gtest/gtest.h>

#include <cmath>

using regression::RegressionResult;

TEST(RegressionResultCurves, EachTwoParameterKindDrawsItsOwnFormula) {
    RegressionResult result;
    result.a = 2;
    result.b = 0.5L;
    result.setModelKind("Linear");
    EXPECT_EQ(result.Evaluate(4), 4);
    result.setModelKind("Multiple");
    EXPECT_EQ(result.Evaluate(4), 4);
    result.setModelKind("Logarithmic");
    EXPECT_NEAR(result.Evaluate(std::exp(2.0L)), 3, 1e-18);
    result.setModelKind("Exponential");
    EXPECT_NEAR(result.Evaluate(2), 2 * std::exp(1.0L), 1e-17);
    result.setModelKind("Power");
    EXPECT_NEAR(result.Evaluate(16), 8, 1e-16);
    result.setModelKind("Reciprocal");
    EXPECT_EQ(result.Evaluate(4), 2.125L);
    EXPECT_EQ(result.value, 2.125L);
}

TEST(RegressionResultCurves, PolynomialsOfEachDegreeUseTheirCoefficientsOnly) {
    RegressionResult result;
    result.polynomialCoefficients = {1, 2, 3, 4, 5, 6};
    const long double x = 2;
    result.setModelKind("p2reg");
    EXPECT_EQ(result.Evaluate(x), 1 + 4 + 12);
    result.setModelKind("p3reg");
    EXPECT_EQ(result.Evaluate(x), 17 + 32);
    result.setModelKind("p4reg");
    EXPECT_EQ(result.Evaluate(x), 49 + 80);
    result.setModelKind("p5reg");
    EXPECT_EQ(result.Evaluate(x), 129 + 192);
}

TEST(RegressionResultCurves, AnUnknownKindLeavesTheLastValue) {
    RegressionResult result;
    result.a = 1;
    result.b = 1;
    result.setModelKind("Linear");
    result.Evaluate(5);
    result.setModelKind("Spline");
    EXPECT_EQ(result.modelKind(), "Spline");
    EXPECT_EQ(result.Evaluate(100), 6);
}

TEST(RegressionResultCurves, InverseOnlyForStraightLinesWithASlope) {
    RegressionResult result;
    result.a = 1;
    result.b = 2;
    result.setModelKind("Linear");
    EXPECT_EQ(result.Inverse(7), 3);
    result.setModelKind("Power");
    EXPECT_EQ(result.Inverse(11), 3);
    result.setModelKind("Multiple");
    result.b = 0;
    EXPECT_EQ(result.Inverse(11), 3);
    result.b = 4;
    EXPECT_EQ(result.Inverse(9), 2);
    EXPECT_EQ(result.inverseValue, 2);
}
