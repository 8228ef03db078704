#include "SameResults.h"
#include "EngineTestSupport.h"

#include <vector>

// The prepared evaluation gives the plain evaluator's values and success flags bit for bit.
namespace {

class SameResults : public EngineTest {};

// Every text the function syntax and the evaluator rules use as an example, and the shapes the
// prepared evaluation treats specially: constant whole, zero, negative and fractional exponents,
// values reused from the register file, constants that are no double.
const std::vector<std::string> ExampleTexts{
    "2x^2-3x+1",
    "sin(2x)",
    "sqrt(1-x^2)[-1;1]",
    "x^5-4x^3+2x-7",
    "sin(2x)+cos(x/3)",
    "X^2",
    "x ^ 2",
    "2X",
    "1,000x",
    "1.5x",
    "1E3",
    "1E-3",
    "e",
    "2e",
    "e^x",
    "e^2x",
    "1/2x",
    "-x^2",
    "2^3^2",
    "x/2/3",
    "x/2*3",
    "x*2/3",
    "sin(x)^2",
    "sin(x)cos(x)",
    "sin(x)*cos(x)",
    "sin(x",
    "s(x)",
    "q(x)",
    "pi",
    "[0;1]x^2",
    "x^2[0;1]",
    "x^2[-1;1]",
    "sin x+1",
    "sin x^2",
    "sin(x)*2",
    "sin-x",
    "2^-x",
    "x^-1",
    "x-2-3",
    "x-+2",
    "(x+1)(x-1)",
    "2sin(x)",
    "d/dx(x^3)",
    "d/dx(x^2)",
    "d/dx(abs(x))",
    "1/x",
    "sqrt(x)",
    "cbrt(x)",
    "ln(x)",
    "log(x)",
    "log(1000)",
    "int(x)",
    "abs(x)",
    "tan(x)",
    "arcsin(x)",
    "arccos(x)",
    "arctan(x)",
    "arcsin(2)",
    "0^0",
    "0^(-1)",
    "x^0",
    "(-2)^0",
    "(-2)^3",
    "(-2)^(-2)",
    "(-8)^(1/3)",
    "(-8)^(2/3)",
    "(-2)^0.5",
    "x^(1/3)",
    "x^0.5",
    "x^-3",
    "x^40000",
    "x^-40000",
    "x^3000000000",
    "(x-1)^2",
    "x^2^3",
    "e^(-x^2)",
    "10^x",
    "x^x",
    "1E4000",
    "1E2000*x*1E2000",
    "1E2000/x",
    "x*x*x*x*x*x*x*x*x*x",
    "(x+1)*(x+2)+(x+3)*(x+4)",
    "0.1x+0.3",
    "x/0",
    "x-x",
    "1/(x-x)",
    "d/dx(d/dx(x^3))",
    "d/dx(1/x)",
    "d/dx(sqrt(x))",
    "x^2[1;0]",
    "int(2x)/2",
    // Short polynomials, computed where Evaluate is called: four terms and one more, odd powers at
    // -0, a square root of zero, of negatives and of an overflow, inside and outside a domain,
    // whose bounds may not be doubles.
    "x^4-x^3+2x^2-x",
    "x^4-x^3+2x^2-x+1",
    "x^3-x",
    "-x^3",
    "sqrt(x^3-x)",
    "sqrt(x-x)",
    "sqrt(2x^2-3x+1)[0;2]",
    "sqrt(1E4000x^2)",
    "1E2000x^2-1E2000x",
    "2x^2-3x+1[-0.1;0.1]",
    // Sines and cosines of a product with or a quotient by a constant, whose argument is computed in
    // their own step: the constant on either side, arguments from x, the step before, a kept value
    // and constants, overflowing arguments, divisors of zero, of less than one and of no double.
    "sin(3x)",
    "cos(x*3)",
    "sin(-2x)",
    "cos(x/3)",
    "sin(x/0.5)",
    "cos(1024x)",
    "sin(x/0)",
    "cos(2/x)",
    "sin(x/1E-3)",
    "sin(1E300x)",
    "sin(2(x+1))",
    "cos(2sqrt(x))",
    "sin(x^3*2)",
    "cos(ln(x)/2)",
    "sin(1/x*2)",
    "cos(3*2)",
    "sin(2x)cos(x/3)+sin(x/3)",
    "sin(sin(2x)/3)",
    "cos(x/180)+sin(90x)",
    "sin(2d/dx(x^2))",
};

TEST_F(SameResults, OnEveryExampleAtSpecialAndOrdinaryPoints) {
    std::vector<long double> xs = same_results::specialXs();
    for (int i = -40; i <= 40; ++i)
        xs.push_back(i / 4.0L);
    xs.push_back(0.1L);
    xs.push_back(1.0000001L);
    for (const std::string& text : ExampleTexts) {
        engine::TFunction function;
        std::string error;
        ASSERT_TRUE(function.Compile(text, error)) << text << ": " << error;
        for (const engine::AngleUnit unit : {engine::AngleUnit::Radians, engine::AngleUnit::Degrees}) {
            function.setAngleUnit(unit);
            for (const long double x : xs) {
                EXPECT_EQ(same_results::compareAt(function, x), "") << text;
                EXPECT_EQ(same_results::compareDerivativeAt(function, x), "") << text;
            }
        }
    }
}

// A power whose intermediate squares overflow can still be finite (x^-4000 at 1e10 is 0 in both).
TEST_F(SameResults, OverflowInsideAFiniteResultKeepsTheValue) {
    engine::TFunction function;
    std::string error;
    ASSERT_TRUE(function.Compile("x^-4000", error));
    long double y = 1;
    ASSERT_TRUE(function.Evaluate(1e10L, y));
    EXPECT_EQ(y, 0);
}

TEST_F(SameResults, OnGeneratedTexts) {
    EXPECT_GT(same_results::compareGeneratedTexts(11, 3000, 8), 20000);
}

} // namespace
