#include "EngineTestSupport.h"

#include <cfloat>

using Failures = EngineTest;

TEST_F(Failures, RefusedTextsNameTheirReason) {
    EXPECT_EQ(errorOf("y+1"), T("IncorrectCharacter") + ": \"y\".");
    EXPECT_EQ(errorOf("p"), T("IncorrectCharacter") + ": \"p\".");
    EXPECT_EQ(errorOf("x+ö"), T("IncorrectCharacter") + ": \"ö\".");
    EXPECT_EQ(errorOf("sin(x))"), T("MoreRightParenthesesThanLeft"));
    EXPECT_EQ(errorOf("))("), "There are more right parentheses than left ones.");
    EXPECT_EQ(errorOf(")x("), "There is a right parenthesis before its left one.");
    EXPECT_EQ(errorOf("(x))+(1"), "There is a right parenthesis before its left one.");
    EXPECT_EQ(errorOf("1E"), "'1E' is not a valid floating point value");
    EXPECT_EQ(errorOf("x+E"), "'E' is not a valid floating point value");
}

TEST_F(Failures, OperatorsWithoutOperandsAreRefused) {
    for (const char* text : {"2+", "*2", "x2", "2*", "/x", "x^", "^2", "sin", "sqrt", "", "   ", "2-*3"})
        EXPECT_EQ(errorOf(text), T("IncompleteFunction")) << text;
}

TEST_F(Failures, EmptyParenthesesAreRefused) {
    for (const char* text : {"sin()", "random()", "()", "x+()", "2()", "x("})
        EXPECT_EQ(errorOf(text), T("EmptyParentheses")) << text;
}

TEST_F(Failures, EmptyParenthesesInADerivativeAreRefusedToo) {
    // The argument of d/dx is compiled on its own; empty parentheses there still fail the whole text.
    for (const char* text : {"d/dx()", "d/dx(", "x+d/dx()", "d/dx(())", "d/dx(sin())", "d/dx(d/dx())"})
        EXPECT_EQ(errorOf(text), T("EmptyParentheses")) << text;
    EXPECT_NEAR(double(valueOf("d/dx(x^2)", 3)), 6, 1e-8);
    EXPECT_NEAR(double(valueOf("d/dx((x+1)^2)", 1)), 4, 1e-8);
}

TEST_F(Failures, MoreThan255RegistersAreRefused) {
    // n ones summed need n registers for the numbers and n - 1 for the sums.
    std::string text = "1";
    for (int i = 1; i < 128; ++i)
        text += "+1";
    EXPECT_NEAR_VALUE(valueOf(text), 128);
    EXPECT_EQ(errorOf(text + "+1"), T("FunctionTooLong"));
}

TEST_F(Failures, AFailedCompilationLeavesOnlyThatFunctionUndefined) {
    engine::TFunction failing;
    engine::TFunction other;
    std::string error;
    ASSERT_TRUE(failing.Compile("x+1", error));
    ASSERT_TRUE(other.Compile("x+2", error));
    EXPECT_FALSE(failing.Compile("x+", error));
    long double y = 0;
    EXPECT_FALSE(failing.Evaluate(1, y));
    ASSERT_TRUE(other.Evaluate(1, y));
    EXPECT_NEAR_VALUE(y, 3);
    ASSERT_TRUE(failing.Compile("x+3", error));
    ASSERT_TRUE(failing.Evaluate(1, y));
    EXPECT_NEAR_VALUE(y, 4);
}

TEST_F(Failures, UndefinedOperationsFailTheEvaluation) {
    EXPECT_FALSE(definedAt("1/x", 0));
    EXPECT_TRUE(definedAt("1/x", 1e-300L));
    EXPECT_FALSE(definedAt("sqrt(x)", 0));
    EXPECT_TRUE(definedAt("sqrt(x)", 1e-20L));
    EXPECT_FALSE(definedAt("ln(x)", 0));
    EXPECT_FALSE(definedAt("ln(x)", -1));
    EXPECT_FALSE(definedAt("log(x)", 0));
    EXPECT_FALSE(definedAt("log(x)", -1));
}

TEST_F(Failures, OverflowAnywhereFailsInsteadOfGivingInfinity) {
    EXPECT_FALSE(definedAt("x*x", 1e3000L));
    EXPECT_FALSE(definedAt("e^x", 20000));
    // Intermediate infinities must fail even where a later operation would make them finite again.
    EXPECT_FALSE(definedAt("arctan(x*x)", 1e3000L));
    EXPECT_FALSE(definedAt("1/(x*x)", 1e3000L));
    EXPECT_FALSE(definedAt("x-x", LDBL_MAX * 2));
    EXPECT_FALSE(definedAt("x", std::numeric_limits<long double>::quiet_NaN()));
}

TEST_F(Failures, OtherFunctionValues) {
    EXPECT_NEAR_VALUE(valueOf("cbrt(x)", -27), -3);
    EXPECT_NEAR_VALUE(valueOf("cbrt(x)", 0), 0);
    EXPECT_NEAR_VALUE(valueOf("log(1000)"), 3);
    EXPECT_NEAR_VALUE(valueOf("int(x)", -2), -2);
    EXPECT_NEAR_VALUE(valueOf("int(x)", -2.5L), -3);
    EXPECT_NEAR_VALUE(valueOf("int(x)", 2.5L), 2);
}

TEST_F(Failures, RandomNumbersDifferAndStayBelowOne) {
    engine::TFunction function;
    std::string error;
    ASSERT_TRUE(function.Compile("random", error));
    long double previous = -1;
    int repeats = 0;
    for (int i = 0; i < 1000; ++i) {
        long double y = 0;
        ASSERT_TRUE(function.Evaluate(0, y));
        EXPECT_GE(y, 0);
        EXPECT_LT(y, 1);
        repeats += y == previous;
        previous = y;
    }
    EXPECT_EQ(repeats, 0);
}
