#include "CoreTestSupport.h"

#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "graph/Integral.h"
#include "graph/IntegralDrawing.h"
#include "graph/SolveNumerics.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

using graph::WorldSelection;

namespace {

class SolveNumerics : public testing::Test {
protected:
    void SetUp() override { startGraphTests(); }

    engine::TFunction& compiled(const std::string& text) {
        functions_.push_back(std::make_unique<engine::TFunction>());
        std::string error;
        if (!functions_.back()->Compile(text, error))
            ADD_FAILURE() << text << ": " << error;
        return *functions_.back();
    }

    static std::string g10(long double value) { return common::formatGeneral(value, 10); }

private:
    std::vector<std::unique_ptr<engine::TFunction>> functions_;
};

TEST_F(SolveNumerics, RootsAreFoundOnlyInsideTheSelection) {
    const auto root = graph::findRoot(compiled("x^2-2"), {0, 3, -1, 1});
    ASSERT_TRUE(root);
    EXPECT_EQ(g10(*root), "1.414213562");
    EXPECT_FALSE(graph::findRoot(compiled("x^2-2"), {0, 3, 1, 2}));
    EXPECT_FALSE(graph::findRoot(compiled("x^2+1"), {-5, 5, -5, 5}));
    EXPECT_FALSE(graph::findRoot(compiled("x^2-2"), {3, 0, -1, 1}));
}

TEST_F(SolveNumerics, RootNearZeroIsExactlyZero) {
    for (const WorldSelection& selection :
         {WorldSelection{-0.7L, 1.3L, -1, 1}, WorldSelection{-1, 1, -1, 1}}) {
        const auto root = graph::findRoot(compiled("x^3"), selection);
        ASSERT_TRUE(root);
        EXPECT_EQ(*root, 0.0L);
    }
}

TEST_F(SolveNumerics, MaximumAndMinimumOfAParabola) {
    const auto top = graph::findExtremum(compiled("-x^2+4"), {-2, 3, 0, 5}, graph::Extremum::Maximum);
    ASSERT_TRUE(top);
    EXPECT_EQ(top->x, 0.0L);
    EXPECT_EQ(g10(top->y), "4");
    EXPECT_FALSE(graph::findExtremum(compiled("-x^2+4"), {-2, 3, 0, 5}, graph::Extremum::Minimum));
    // The point must lie in the selection's y range too.
    EXPECT_FALSE(graph::findExtremum(compiled("-x^2+4"), {-2, 3, 0, 3}, graph::Extremum::Maximum));
    const auto bottom = graph::findExtremum(compiled("(x-1.5)^2-1"), {0, 4, -2, 2}, graph::Extremum::Minimum);
    ASSERT_TRUE(bottom);
    EXPECT_EQ(g10(bottom->x), "1.5");
    EXPECT_EQ(g10(bottom->y), "-1");
}

TEST_F(SolveNumerics, MaximumOfSineIsHalfPi) {
    const auto top = graph::findExtremum(compiled("sin(x)"), {0, 3, 0, 2}, graph::Extremum::Maximum);
    ASSERT_TRUE(top);
    EXPECT_EQ(g10(top->x), "1.570796327");
    EXPECT_EQ(g10(top->y), "1");
}

TEST_F(SolveNumerics, CrossingLinesMeetAtWholeNumbers) {
    const auto point = graph::findIntersection(compiled("x"), compiled("2-x"), {-0.37L, 3.11L, -1, 2});
    ASSERT_TRUE(point);
    EXPECT_EQ(point->x, 1.0L);
    EXPECT_EQ(point->y, 1.0L);
    EXPECT_FALSE(graph::findIntersection(compiled("x"), compiled("2-x"), {-0.37L, 3.11L, 1.5L, 2}));
    EXPECT_FALSE(graph::findIntersection(compiled("x"), compiled("x+1"), {-5, 5, -5, 5}));
}

TEST_F(SolveNumerics, TouchingCurvesAreFoundWhereverTheScanStarts) {
    // The first scan's samples fall differently for each start; the touch at 0 is found for all.
    for (const long double x1 : {-1.0L, -0.995L, -0.993L, -0.9871L, -2.3L}) {
        const auto point = graph::findIntersection(compiled("x^2"), compiled("0"), {x1, 1.3L, -1, 1});
        ASSERT_TRUE(point) << double(x1);
        EXPECT_EQ(point->x, 0.0L);
        EXPECT_EQ(point->y, 0.0L);
    }
    EXPECT_FALSE(graph::findIntersection(compiled("x^2"), compiled("0"), {0.5L, 1.3L, -1, 1}));
}

TEST_F(SolveNumerics, XForAGivenY) {
    const auto x = graph::findXForY(compiled("x^2"), 4, {0, 5, 0, 10});
    ASSERT_TRUE(x);
    EXPECT_EQ(g10(*x), "2");
    EXPECT_FALSE(graph::findXForY(compiled("x^2"), -1, {-5, 5, -5, 10}));
    EXPECT_FALSE(graph::findXForY(compiled("x^2"), 4, {3, 5, 0, 30}));
}

TEST_F(SolveNumerics, YForAGivenXMustLieInTheSelection) {
    EXPECT_EQ(graph::findYForX(compiled("x^2"), 2, {0, 3, 0, 5}), 4.0L);
    EXPECT_FALSE(graph::findYForX(compiled("x^2"), 2, {0, 3, 0, 3}));
    EXPECT_FALSE(graph::findYForX(compiled("sqrt(x)"), -1, {-3, 3, -3, 3}));
    EXPECT_EQ(graph::findYForX(compiled("x-1E-12"), 0, {-1, 1, -1, 1}), 0.0L);
    EXPECT_EQ(graph::findYIntersection(compiled("x+3")), 3.0L);
    EXPECT_FALSE(graph::findYIntersection(compiled("1/x")));
}

TEST_F(SolveNumerics, NewtonEndsOnAFlatStartAndWithinFiftySteps) {
    EXPECT_FALSE(graph::newtonSolve(compiled("x^2+1"), 0, 0, 1e-6L));
    // No root: the iteration wanders but stops.
    EXPECT_TRUE(graph::newtonSolve(compiled("x^2+1"), 0, 0.5L, 1e-6L));
    EXPECT_TRUE(graph::newtonSolve(compiled("random"), 0, 0.5L, 1e-25L));
}

TEST_F(SolveNumerics, EverySearchEndsWithNothingOnceItsDeadlineHasPassed) {
    const auto passed = graph::SearchDeadline::at(graph::SearchDeadline::Clock::now());
    const auto distant = graph::SearchDeadline::after(std::chrono::hours(1));
    const WorldSelection around{-2, 3, -5, 5};
    // Each search finds its point without a deadline or with a distant one, and nothing with a
    // deadline already passed: the deadline is consulted before the first sample.
    for (const graph::SearchDeadline& deadline : {graph::SearchDeadline::none(), distant, passed}) {
        const bool searches = !deadline.passed();
        EXPECT_EQ(graph::findRoot(compiled("x^2-2"), around, deadline).has_value(), searches);
        EXPECT_EQ(graph::findExtremum(compiled("-x^2+4"), {-2, 3, 0, 5}, graph::Extremum::Maximum, deadline)
                      .has_value(),
                  searches);
        EXPECT_EQ(graph::findIntersection(compiled("x"), compiled("2-x"), around, deadline).has_value(),
                  searches);
        EXPECT_EQ(graph::findIntersection(compiled("x^2"), compiled("0"), around, deadline).has_value(),
                  searches);
        EXPECT_EQ(graph::findXForY(compiled("x^2"), 4, {0, 5, 0, 10}, deadline).has_value(), searches);
        EXPECT_EQ(graph::newtonSolve(compiled("x^2-2"), 0, 1, 1e-6L, deadline).has_value(), searches);
    }
}

TEST_F(SolveNumerics, IntegralTextsAreTakenApart) {
    const auto integral = graph::parseIntegralText("x ^2 ; 1 ; 0", '.');
    ASSERT_TRUE(integral);
    EXPECT_EQ(integral->functionText, "x ^2 ");
    EXPECT_EQ(integral->a, 0.0L);
    EXPECT_EQ(integral->b, 1.0L);
    EXPECT_EQ(graph::parseIntegralText("x;0,5;1", ',')->a, 0.5L);
    for (const char* malformed : {"x^2", "x^2;0", "x^2;0;", "x^2;", "x^2;0; "})
        EXPECT_FALSE(graph::parseIntegralText(malformed, '.')) << malformed;
    EXPECT_THROW(graph::parseIntegralText("x^2;a;1", '.'), common::ConversionError);
    EXPECT_THROW(graph::parseIntegralText("x^2;0;1;2", '.'), common::ConversionError);
}

TEST_F(SolveNumerics, TrapezoidalIntegralValues) {
    EXPECT_EQ(graph::integralValueText(compiled("x^2"), 0, 1, '.'), "Integral=0.33333");
    EXPECT_EQ(graph::integralValueText(compiled("x^2"), 0, 1, ','), "Integral=0,33333");
    const auto odd = graph::trapezoidIntegral(compiled("x"), -1, 1);
    ASSERT_TRUE(odd);
    EXPECT_NEAR(double(*odd), 0, 1e-15);
    EXPECT_EQ(graph::integralValueText(compiled("x^2[0;0.5]"), 0, 1, '.'),
              "Error when calculating the integral");
    EXPECT_EQ(graph::integralValueText(compiled("sqrt(x)"), 0, 1, '.'),
              "Error when calculating the integral");
}

} // namespace

namespace {

// Column offset i of a plot area 400 pixels wide over x -5 ... 5 lies at x = (i - 200) / 40.
graph::GraphCoordinates plotArea(long double ymin, long double ymax) {
    graph::GraphCoordinates c;
    c.layOut({-5, 5, 1, ymin, ymax, 1}, 437, 337);
    return c;
}

TEST_F(SolveNumerics, IntegralShadingGoesFromTheAxisToTheCurve) {
    const graph::GraphCoordinates c = plotArea(-5, 5);
    const auto lines = graph::integralShading(compiled("x"), c, -1, 1);
    ASSERT_EQ(lines.size(), std::size_t(81));
    for (const graph::ShadingLine& line : lines) {
        const long double x = c.xOfPixel(line.x);
        EXPECT_EQ(line.baseRow, c.axisRow);
        EXPECT_EQ(line.curveRow, c.rowOfY(x));
        // Negative values lie below the axis, positive ones above it.
        EXPECT_EQ(line.curveRow > c.axisRow, x < 0);
    }
}

TEST_F(SolveNumerics, IntegralShadingWithoutAnXAxisStartsAtTheNearestEdge) {
    const graph::GraphCoordinates above = plotArea(0, 10);
    for (const graph::ShadingLine& line : graph::integralShading(compiled("x"), above, 0, 5))
        EXPECT_EQ(line.baseRow, above.bottom);
    const graph::GraphCoordinates below = plotArea(-10, -1);
    const auto lines = graph::integralShading(compiled("x-20"), below, 0, 1);
    ASSERT_FALSE(lines.empty());
    for (const graph::ShadingLine& line : lines) {
        EXPECT_EQ(line.baseRow, below.top);
        EXPECT_EQ(line.curveRow, below.bottom);
    }
    // Undefined stretches stay unshaded.
    EXPECT_EQ(graph::integralShading(compiled("sqrt(x)"), above, -5, 5).size(), std::size_t(200));
}

} // namespace
