#include "EngineTestSupport.h"

using Domain = EngineTest;

TEST_F(Domain, BothBoundsBelongToTheDomain) {
    EXPECT_TRUE(definedAt("x^2[0;1]", 0));
    EXPECT_TRUE(definedAt("x^2[0;1]", 1));
    EXPECT_FALSE(definedAt("x^2[0;1]", 1.0000001L));
    EXPECT_FALSE(definedAt("x^2[0;1]", -1e-12L));
    EXPECT_TRUE(definedAt("x^2[-1;1]", -1));
}

TEST_F(Domain, TheDomainMayStandAnywhere) {
    EXPECT_NEAR_VALUE(valueOf("[0;1]x^2", 0.5L), 0.25L);
    EXPECT_NEAR_VALUE(valueOf("x[0;1]^2", 0.5L), 0.25L);
    EXPECT_FALSE(definedAt("[0;1]x^2", 2));
}

TEST_F(Domain, BoundsInTheWrongOrderLeaveNothingDefined) {
    for (const long double x : {0.0L, 0.5L, 1.0L, -3.0L})
        EXPECT_FALSE(definedAt("x[1;0]", x));
}

TEST_F(Domain, SquareRootOfOneMinusXSquaredIsDefinedOnItsDomain) {
    EXPECT_NEAR_VALUE(valueOf("sqrt(1-x^2)[-1;1]", 0.6L), 0.8L);
    EXPECT_FALSE(definedAt("sqrt(1-x^2)[-1;1]", 1.5L));
}

TEST_F(Domain, BoundsMustBePlainNumbers) {
    const std::string message = T("IncorrectSpecificationOfRange");
    EXPECT_EQ(errorOf("x[0;1"), message);
    EXPECT_EQ(errorOf("[0 1]x"), message);
    EXPECT_EQ(errorOf("x[0;pi]"), message);
    EXPECT_EQ(errorOf("x[;1]"), message);
    EXPECT_EQ(errorOf("x]0;1["), message);
    // A second domain is not taken out and its bracket is refused.
    EXPECT_EQ(errorOf("x[0;1][2;3]"), T("IncorrectCharacter") + ": \"[\".");
}
