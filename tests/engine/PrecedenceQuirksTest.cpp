#include "EngineTestSupport.h"

// The precedence that comes from the order of the passes, including the results that surprise.
using PrecedenceQuirks = EngineTest;

TEST_F(PrecedenceQuirks, APowerAfterAFunctionsParenthesesBelongsToTheArgument) {
    EXPECT_NEAR_VALUE(valueOf("sin(x)^2", 2), std::sin(4.0L));
}

TEST_F(PrecedenceQuirks, AFactorAfterAFunctionBecomesPartOfItsArgument) {
    EXPECT_NEAR_VALUE(valueOf("sin(x)cos(x)", 2), std::sin(2 * std::cos(2.0L)));
    EXPECT_NEAR_VALUE(valueOf("sin(x)*cos(x)", 2), std::sin(2.0L) * std::cos(2.0L));
}

TEST_F(PrecedenceQuirks, PowersAreTakenFromTheLeft) {
    EXPECT_NEAR_VALUE(valueOf("2^3^2"), 64);
    EXPECT_NEAR_VALUE(valueOf("x^2^3", 2), 64);
}

TEST_F(PrecedenceQuirks, ALeadingMinusAppliesAfterThePower) {
    EXPECT_NEAR_VALUE(valueOf("-2^2"), -4);
    EXPECT_NEAR_VALUE(valueOf("-x^2", 3), -9);
    EXPECT_NEAR_VALUE(valueOf("(-2)^2"), 4);
}

TEST_F(PrecedenceQuirks, AnImpliedProductBindsTighterThanDivisionButLooserThanPower) {
    EXPECT_NEAR_VALUE(valueOf("1/2x", 4), 0.125L);
    EXPECT_NEAR_VALUE(valueOf("2x^2", 3), 18);
    EXPECT_NEAR_VALUE(valueOf("e^2x", 3), 3 * std::exp(2 * std::log(2.71828182845905L)));
}

TEST_F(PrecedenceQuirks, DivisionsComeBeforeMultiplicationsAndRunFromTheLeft) {
    EXPECT_NEAR_VALUE(valueOf("8/4/2"), 1);
    EXPECT_NEAR_VALUE(valueOf("8/4*2"), 4);
    // a*b/c is a*(b/c): x*x would overflow, x/x does not.
    EXPECT_TRUE(definedAt("x*x/x", 1e3000L));
}

TEST_F(PrecedenceQuirks, SumsRunFromTheLeftAndSignsCombine) {
    EXPECT_NEAR_VALUE(valueOf("x-2-3", 10), 5);
    EXPECT_NEAR_VALUE(valueOf("x-+2", 10), 8);
    EXPECT_NEAR_VALUE(valueOf("x--2", 10), 12);
    EXPECT_NEAR_VALUE(valueOf("x+-2", 10), 8);
    EXPECT_NEAR_VALUE(valueOf("--x", 10), 10);
}

TEST_F(PrecedenceQuirks, ExponentsTakeTheirOwnSign) {
    EXPECT_NEAR_VALUE(valueOf("2^-x", 3), 0.125L);
    EXPECT_NEAR_VALUE(valueOf("x^-1", 4), 0.25L);
    EXPECT_NEAR_VALUE(valueOf("10^-2"), 0.01L);
}
