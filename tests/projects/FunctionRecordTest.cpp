#include "projects/FunctionRecord.h"

#include <gtest/gtest.h>

using projects::parseRecord;
using projects::RecordDrawing;

TEST(FunctionRecord, LinearFitRecordHoldsEquationAndCoefficients) {
    EXPECT_EQ(projects::simpleModelRecord("Linear", "Y = 1 + 2X", 1, 2), "Linear;Y = 1 + 2X;1;2;");
    EXPECT_EQ(projects::simpleModelRecord("Power", "Y = 0,5X^2", 0.5L, 2, ','), "Power;Y = 0,5X^2;0,5;2;");
}

TEST(FunctionRecord, LinearDrawsAStraightLineOrAZeroSlopeLine) {
    const auto line = parseRecord("Linear;Y = 1 + 2X;1;2;");
    EXPECT_EQ(line.drawing, RecordDrawing::StraightLine);
    EXPECT_EQ(line.kind, "Linear");
    EXPECT_EQ(line.equation, "Y = 1 + 2X");
    EXPECT_EQ(line.a, 1);
    EXPECT_EQ(line.b, 2);
    EXPECT_EQ(parseRecord("Linear;Y = 5;5;0;").drawing, RecordDrawing::HorizontalLine);
}

TEST(FunctionRecord, OtherSimpleModelsDrawCurvesUnlessTheCoefficientIsZero) {
    EXPECT_EQ(parseRecord("Exponential;Y = 2e^(0.5X);2;0.5;").drawing, RecordDrawing::Curve);
    const auto flat = parseRecord("Reciprocal;Y = 3;3;0;");
    EXPECT_EQ(flat.drawing, RecordDrawing::HorizontalLine);
    EXPECT_EQ(flat.a, 3);
}

TEST(FunctionRecord, PolynomialRecordRestoresAllCoefficients) {
    const auto curve = parseRecord("p2reg;Y = 1.5 - 0.25X + 3X^2;2;1.5;-0.25;3;");
    EXPECT_EQ(curve.drawing, RecordDrawing::Curve);
    EXPECT_EQ(curve.coefficients, (std::vector<long double>{1.5L, -0.25L, 3}));
}

TEST(FunctionRecord, MultipleRecordDrawsOneLinePerIntercept) {
    const auto family = parseRecord("Multiple;Y = 1 + 2A + 3B;1;2;3;0;5;3;");
    EXPECT_EQ(family.drawing, RecordDrawing::LineFamily);
    EXPECT_EQ(family.b, 2);
    EXPECT_EQ(family.intercepts, (std::vector<long double>{1, 16, 31}));
    EXPECT_EQ(parseRecord("Multiple;Y = 1 + 2A + 3B;31;2;0;0;0;1;").intercepts,
              (std::vector<long double>{31}));
}

TEST(FunctionRecord, RecordsThatCannotBeDrawnKeepTheirLabel) {
    const auto text = parseRecord("Linear;Y = a + bX;abc;2;");
    EXPECT_EQ(text.drawing, RecordDrawing::None);
    EXPECT_EQ(text.equation, "Y = a + bX");
    EXPECT_EQ(text.error, "'abc' is not a valid floating point value");

    EXPECT_EQ(parseRecord("p3reg;Y = x;3;1;2;").drawing, RecordDrawing::None);
    EXPECT_EQ(parseRecord("Multiple;Y;1;2;3;0;5;2000000000;").drawing, RecordDrawing::None);
    EXPECT_EQ(parseRecord("Cubic;Y;1;2;").drawing, RecordDrawing::None);
}

TEST(FunctionRecord, CompletenessDependsOnTheModelKind) {
    EXPECT_TRUE(projects::isCompleteRecord("Linear;Y;1;2;"));
    EXPECT_FALSE(projects::isCompleteRecord("Linear;Y;1"));
    EXPECT_TRUE(projects::isCompleteRecord("p5reg;Y;5;0;1;2;3;4;5;"));
    EXPECT_FALSE(projects::isCompleteRecord("p5reg;Y;5;0;1;2;3;4;"));
    EXPECT_FALSE(projects::isCompleteRecord("p2reg;Y;2000000000;1;"));
    EXPECT_FALSE(projects::isCompleteRecord("Multiple;Y;1;2;3;0;5;"));
    EXPECT_FALSE(projects::isCompleteRecord(""));
}
