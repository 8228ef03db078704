#include "EngineTestSupport.h"

using Angles = EngineTest;

TEST_F(Angles, DegreesApplyToArgumentsAndResults) {
    engine::UseRadians = false;
    EXPECT_NEAR_VALUE(valueOf("sin(90)"), 1);
    EXPECT_NEAR_VALUE(valueOf("cos(180)"), -1);
    EXPECT_NEAR_VALUE(valueOf("tan(45)"), 1);
    EXPECT_NEAR_VALUE(valueOf("arcsin(1)"), 90);
    EXPECT_NEAR_VALUE(valueOf("arccos(0)"), 90);
    EXPECT_NEAR_VALUE(valueOf("arctan(1)"), 45);
}

TEST_F(Angles, RadiansAreTheStartUnit) {
    EXPECT_TRUE(engine::UseRadians);
    EXPECT_NEAR_VALUE(valueOf("arctan(1)"), 3.141592653589793238L / 4);
    EXPECT_NEAR_VALUE(valueOf("arccos(-1)"), 3.141592653589793238L);
}

TEST_F(Angles, ChangingTheUnitTakesEffectWithoutRecompiling) {
    engine::TFunction function;
    std::string error;
    ASSERT_TRUE(function.Compile("sin(x)", error));
    long double y = 0;
    engine::UseRadians = false;
    ASSERT_TRUE(function.Evaluate(30, y));
    EXPECT_NEAR_VALUE(y, 0.5L);
    engine::UseRadians = true;
    ASSERT_TRUE(function.Evaluate(30, y));
    EXPECT_NEAR_VALUE(y, std::sin(30.0L));
}

TEST_F(Angles, InverseSineAndCosineOutsideMinusOneToOneAreUndefinedInBothUnits) {
    for (const bool radians : {true, false}) {
        engine::UseRadians = radians;
        EXPECT_FALSE(definedAt("arcsin(x)", 2));
        EXPECT_FALSE(definedAt("arccos(x)", -1.0000001L));
        EXPECT_TRUE(definedAt("arcsin(x)", -1));
    }
}
