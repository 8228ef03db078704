#include "EngineTestSupport.h"

using DerivativeOfFunctions = EngineTest;

namespace {

bool derivativeOf(const std::string& text, long double x, long double& dydx) {
    engine::TFunction function;
    std::string error;
    EXPECT_TRUE(function.Compile(text, error)) << error;
    return function.Derivative(x, dydx);
}

} // namespace

TEST_F(DerivativeOfFunctions, SmoothFunctionsAreDifferentiatedAccurately) {
    long double dydx = 0;
    ASSERT_TRUE(derivativeOf("x^2", 3, dydx));
    EXPECT_NEAR(static_cast<double>(dydx), 6, 1e-8);
    ASSERT_TRUE(derivativeOf("sin(x)", 1, dydx));
    EXPECT_NEAR(static_cast<double>(dydx), std::cos(1.0), 1e-7);
}

TEST_F(DerivativeOfFunctions, AKinkGivesTheCentralQuotient) {
    long double dydx = 1;
    ASSERT_TRUE(derivativeOf("abs(x)", 0, dydx));
    EXPECT_EQ(dydx, 0);
}

TEST_F(DerivativeOfFunctions, NoQuotientAtTheEdgeOfTheDomain) {
    long double dydx = 0;
    EXPECT_FALSE(derivativeOf("sqrt(x)", 0, dydx));
    EXPECT_FALSE(derivativeOf("x^2[0;1]", 0, dydx));
    EXPECT_TRUE(derivativeOf("x^2[0;1]", 0.5L, dydx));
}

TEST_F(DerivativeOfFunctions, DerivativeOperatorInsideATextIsEvaluatedAtX) {
    EXPECT_NEAR(static_cast<double>(valueOf("d/dx(x^2)", 3)), 6, 1e-8);
    EXPECT_NEAR(static_cast<double>(valueOf("d/dx(x^3)+1", 2)), 13, 1e-8);
    EXPECT_NEAR(static_cast<double>(valueOf("D/DX(sin(x))", 0)), 1, 1e-7);
    EXPECT_NEAR(static_cast<double>(valueOf("d/dx(d/dx(x^3))", 2)), 12, 1e-3);
}

TEST_F(DerivativeOfFunctions, AnArgumentThatDoesNotCompileLeavesTheOuterFunctionUndefined) {
    EXPECT_FALSE(definedAt("d/dx(x+)+1", 1));
}

TEST_F(DerivativeOfFunctions, ASecondDerivativeIsPlottedAndAThirdRefused) {
    EXPECT_NEAR(static_cast<double>(valueOf("d/dx(d/dx(sin(x)))", 1)), -std::sin(1.0), 1e-5);
    EXPECT_EQ(errorOf("d/dx(d/dx(d/dx(x^3)))"), T("DerivativesNestedTooDeep"));
    EXPECT_EQ(errorOf("d/dx(x+d/dx(2x+d/dx(x^2)))"), T("DerivativesNestedTooDeep"));
}
