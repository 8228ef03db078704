#include "EngineTestSupport.h"

using Syntax = EngineTest;

TEST_F(Syntax, LetterCaseAndBlanksDoNotMatter) {
    EXPECT_NEAR_VALUE(valueOf("X^2", 3), 9);
    EXPECT_NEAR_VALUE(valueOf("x ^ 2", 3), 9);
    EXPECT_NEAR_VALUE(valueOf("2X", 3), 6);
    EXPECT_NEAR_VALUE(valueOf("SIN(X)", 1), std::sin(1.0L));
    EXPECT_NEAR_VALUE(valueOf("Sqrt ( x )", 4), 2);
    EXPECT_NEAR_VALUE(valueOf("PI"), valueOf("pi"));
}

TEST_F(Syntax, ThousandsSeparatorsAreIgnoredAndTheDecimalSeparatorFollowsTheStart) {
    EXPECT_NEAR_VALUE(valueOf("1,000x", 2), 2000);
    EXPECT_NEAR_VALUE(valueOf("1.5x", 2), 3);
    engine::StartEngine(',', '.');
    EXPECT_NEAR_VALUE(valueOf("1,5x", 2), 3);
    EXPECT_NEAR_VALUE(valueOf("1.5x", 2), 30);
    EXPECT_NEAR_VALUE(valueOf("x[0,5;1]", 0.5L), 0.5L);
    EXPECT_FALSE(definedAt("x[0,5;1]", 0.4L));
}

TEST_F(Syntax, ConstantsCarryFifteenDigitsInEitherLocale) {
    EXPECT_EQ(valueOf("e"), 2.71828182845905L);
    EXPECT_EQ(valueOf("pi"), 3.14159265358979L);
    engine::StartEngine(',', '.');
    EXPECT_EQ(valueOf("e"), 2.71828182845905L);
    EXPECT_EQ(valueOf("pi"), 3.14159265358979L);
}

TEST_F(Syntax, ExponentLetterAndConstantEAreTold) {
    EXPECT_NEAR_VALUE(valueOf("1E3"), 1000);
    EXPECT_NEAR_VALUE(valueOf("1E-3"), 0.001L);
    EXPECT_NEAR_VALUE(valueOf("2e"), 2 * 2.71828182845905L);
    EXPECT_NEAR_VALUE(valueOf("e^x", 2), std::exp(2 * std::log(2.71828182845905L)));
    EXPECT_NEAR_VALUE(valueOf("x-1E-3", 1), 0.999L);
}

TEST_F(Syntax, FunctionNamesAndTheirOneLetterCodesMeanTheSame) {
    const long double x = 0.3L;
    EXPECT_NEAR_VALUE(valueOf("s(x)", x), valueOf("sin(x)", x));
    EXPECT_NEAR_VALUE(valueOf("q(x)", x), std::sqrt(x));
    EXPECT_NEAR_VALUE(valueOf("arcsin(x)", x), std::asin(x));
    EXPECT_NEAR_VALUE(valueOf("arccos(x)", x), std::acos(x));
    EXPECT_NEAR_VALUE(valueOf("arctan(x)", x), std::atan(x));
    EXPECT_NEAR_VALUE(valueOf("tan(x)", x), std::tan(x));
    EXPECT_NEAR_VALUE(valueOf("ln(x)", x), std::log(x));
    EXPECT_NEAR_VALUE(valueOf("abs(-x)", x), x);
    EXPECT_NEAR_VALUE(valueOf("int(x+2)", x), 2);
}

TEST_F(Syntax, AFunctionTakesTheTextUpToTheNextOperator) {
    EXPECT_NEAR_VALUE(valueOf("sin x+1", 2), std::sin(2.0L) + 1);
    EXPECT_NEAR_VALUE(valueOf("sin x^2", 2), std::sin(4.0L));
    EXPECT_NEAR_VALUE(valueOf("sin-x", 2), std::sin(-2.0L));
    EXPECT_NEAR_VALUE(valueOf("sin(x)*2", 2), 2 * std::sin(2.0L));
    EXPECT_NEAR_VALUE(valueOf("sqrt(x)^-2", 4), 0.25L);
}

TEST_F(Syntax, LeftOutMultiplicationsAreInserted) {
    EXPECT_NEAR_VALUE(valueOf("2x^2-3x+1", 2), 3);
    EXPECT_NEAR_VALUE(valueOf("(x+1)(x-1)", 3), 8);
    EXPECT_NEAR_VALUE(valueOf("2sin(x)", 1), 2 * std::sin(1.0L));
    EXPECT_NEAR_VALUE(valueOf("2pi", 1), 2 * 3.14159265358979L);
    EXPECT_NEAR_VALUE(valueOf("3(x)", 2), 6);
}

TEST_F(Syntax, UnclosedParenthesesAreClosedAtTheEnd) {
    EXPECT_NEAR_VALUE(valueOf("sin(x", 1), std::sin(1.0L));
    EXPECT_NEAR_VALUE(valueOf("((x+1", 1), 2);
}
