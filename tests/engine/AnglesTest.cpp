#include "EngineTestSupport.h"

using Angles = EngineTest;
using engine::AngleUnit;

namespace {

constexpr long double Pi = 3.141592653589793238L;

long double valueAt(engine::TFunction& function, long double x) {
    long double y = 0;
    EXPECT_TRUE(function.Evaluate(x, y)) << "at " << static_cast<double>(x);
    return y;
}

} // namespace

TEST_F(Angles, DegreesApplyToArgumentsAndResults) {
    EXPECT_NEAR_VALUE(valueOf("sin(90)", 0, AngleUnit::Degrees), 1);
    EXPECT_NEAR_VALUE(valueOf("cos(180)", 0, AngleUnit::Degrees), -1);
    EXPECT_NEAR_VALUE(valueOf("tan(45)", 0, AngleUnit::Degrees), 1);
    EXPECT_NEAR_VALUE(valueOf("arcsin(1)", 0, AngleUnit::Degrees), 90);
    EXPECT_NEAR_VALUE(valueOf("arccos(0)", 0, AngleUnit::Degrees), 90);
    EXPECT_NEAR_VALUE(valueOf("arctan(1)", 0, AngleUnit::Degrees), 45);
}

TEST_F(Angles, RadiansAreTheStartUnit) {
    EXPECT_EQ(engine::TFunction().angleUnit(), AngleUnit::Radians);
    EXPECT_NEAR_VALUE(valueOf("arctan(1)"), Pi / 4);
    EXPECT_NEAR_VALUE(valueOf("arccos(-1)"), Pi);
}

TEST_F(Angles, ChangingTheUnitTakesEffectWithoutRecompiling) {
    engine::TFunction function;
    std::string error;
    ASSERT_TRUE(function.Compile("sin(x)", error));
    function.setAngleUnit(AngleUnit::Degrees);
    EXPECT_NEAR_VALUE(valueAt(function, 30), 0.5L);
    function.setAngleUnit(AngleUnit::Radians);
    EXPECT_NEAR_VALUE(valueAt(function, 30), std::sin(30.0L));
}

TEST_F(Angles, InverseSineAndCosineOutsideMinusOneToOneAreUndefinedInBothUnits) {
    for (const AngleUnit unit : {AngleUnit::Radians, AngleUnit::Degrees}) {
        EXPECT_FALSE(definedAt("arcsin(x)", 2, unit));
        EXPECT_FALSE(definedAt("arccos(x)", -1.0000001L, unit));
        EXPECT_TRUE(definedAt("arcsin(x)", -1, unit));
    }
}

// Each function keeps its own unit: one set to degrees leaves every other in radians.
TEST_F(Angles, TheUnitOfOneFunctionLeavesTheOthersAlone) {
    engine::TFunction inDegrees;
    engine::TFunction inRadians;
    std::string error;
    ASSERT_TRUE(inDegrees.Compile("sin(x)", error));
    ASSERT_TRUE(inRadians.Compile("sin(x)", error));
    inDegrees.setAngleUnit(AngleUnit::Degrees);
    EXPECT_NEAR_VALUE(valueAt(inDegrees, 90), 1);
    EXPECT_NEAR_VALUE(valueAt(inRadians, Pi / 2), 1);
    EXPECT_NEAR_VALUE(valueOf("arctan(1)"), Pi / 4);
}

// d/dx sin(x) is cos(x) in radians and cos(x)·π/180 in degrees, however deep the derivative sits
// and whether the unit was chosen before or after compiling.
TEST_F(Angles, DerivativesInsideAFunctionFollowItsUnit) {
    const long double degree = Pi / 180;
    engine::TFunction setBefore;
    setBefore.setAngleUnit(AngleUnit::Degrees);
    std::string error;
    ASSERT_TRUE(setBefore.Compile("d/dx(sin(x))", error));
    EXPECT_NEAR(static_cast<double>(valueAt(setBefore, 60)), static_cast<double>(0.5L * degree), 1e-9);

    engine::TFunction setAfter;
    ASSERT_TRUE(setAfter.Compile("d/dx(d/dx(sin(x)))", error));
    EXPECT_NEAR(static_cast<double>(valueAt(setAfter, Pi / 2)), -1, 1e-5);
    setAfter.setAngleUnit(AngleUnit::Degrees);
    EXPECT_NEAR(static_cast<double>(valueAt(setAfter, 90)), static_cast<double>(-degree * degree), 1e-7);
    setAfter.setAngleUnit(AngleUnit::Radians);
    EXPECT_NEAR(static_cast<double>(valueAt(setAfter, Pi / 2)), -1, 1e-5);
}

// The numeric derivative of a whole function in degrees: sin(x)' at 0 is π/180.
TEST_F(Angles, TheDerivativeOfAFunctionInDegreesIsPerDegree) {
    engine::TFunction function;
    std::string error;
    ASSERT_TRUE(function.Compile("sin(x)", error));
    function.setAngleUnit(AngleUnit::Degrees);
    long double slope = 0;
    ASSERT_TRUE(function.Derivative(0, slope));
    EXPECT_NEAR(static_cast<double>(slope), static_cast<double>(Pi / 180), 1e-9);
}
