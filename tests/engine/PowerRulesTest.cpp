#include "EngineTestSupport.h"

using PowerRules = EngineTest;

TEST_F(PowerRules, ZeroBase) {
    EXPECT_FALSE(definedAt("0^x", 0));
    EXPECT_NEAR_VALUE(valueOf("0^(-1)"), 0);
    EXPECT_NEAR_VALUE(valueOf("0^x", 2), 0);
}

TEST_F(PowerRules, ZeroExponentKeepsTheSignOfTheBase) {
    EXPECT_NEAR_VALUE(valueOf("(-2)^0"), -1);
    EXPECT_NEAR_VALUE(valueOf("x^0", 5), 1);
}

TEST_F(PowerRules, NegativeBaseWithWholeExponent) {
    EXPECT_NEAR_VALUE(valueOf("(-2)^3"), -8);
    EXPECT_NEAR_VALUE(valueOf("(-2)^(-2)"), 0.25L);
    EXPECT_NEAR_VALUE(valueOf("x^4", -3), 81);
}

TEST_F(PowerRules, NegativeBaseWithOddDenominatorGivesTheNegativeRealRoot) {
    EXPECT_NEAR_VALUE(valueOf("(-8)^(1/3)"), -2);
    EXPECT_NEAR_VALUE(valueOf("(-8)^(2/3)"), -4);
    EXPECT_NEAR_VALUE(valueOf("(-32)^0.2"), -2);
    EXPECT_FALSE(definedAt("x^0.5", -2));
    EXPECT_FALSE(definedAt("x^(1/101)", -2));
}

TEST_F(PowerRules, HugeWholeExponentsOfNegativeBasesAreQuickOrUndefined) {
    EXPECT_NEAR_VALUE(valueOf("(-1)^2147483647"), -1);
    EXPECT_NEAR_VALUE(valueOf("(-1)^(-2147483646)"), 1);
    EXPECT_FALSE(definedAt("(-1)^x", 1E10L));
    EXPECT_FALSE(definedAt("(-2)^x", 100000));
}

TEST_F(PowerRules, PositiveBase) {
    EXPECT_NEAR_VALUE(valueOf("2^0.5"), std::sqrt(2.0L));
    EXPECT_NEAR_VALUE(valueOf("x^-1", 8), 0.125L);
    EXPECT_FALSE(definedAt("10^x", 5000));
}
