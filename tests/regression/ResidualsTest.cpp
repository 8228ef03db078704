#include "RegressionTestSupport.h"

#include "projects/FunctionRecord.h"
#include "regression/Residuals.h"

#include <cmath>

using namespace regression;

namespace {

projects::DrawableRecord record(const std::string& text) {
    return projects::parseRecord(text);
}

} // namespace

TEST(Residuals, OfTheLastFittedCurveAgainstX) {
    const FitData data = pointsOf({1, 2, 3, 4}, {3, 6, 7, 9});
    // A quadratic after a line: the quadratic 1 + 2x + 0x² leaves 0, 1, 0, 0 at x = 1..4.
    const auto residuals =
        lastFitResiduals({record("Linear;Y = 1 + 2X;1;2;"), record("p2reg;Y = 1 + 2X;2;1;2;0;"),
                          record("Multiple;M;1;2;0;0;0;1;")},
                         data);
    ASSERT_TRUE(residuals);
    EXPECT_FALSE(residuals->againstFitted);
    EXPECT_EQ(residuals->against, (std::vector<long double>{1, 2, 3, 4}));
    EXPECT_EQ(residuals->residuals, (std::vector<long double>{0, 1, 0, 0}));
}

TEST(Residuals, OfTransformedModelsAreInTheUnitsOfY) {
    // y = 2·e^(0.5x) is met exactly at x = 0; elsewhere y is 1 above the curve.
    const long double e = std::exp(1.0L);
    const auto residuals =
        lastFitResiduals({record("Exponential;Y = 2 * 1.65^X;2;0.5;")}, pointsOf({0, 2}, {2, 2 * e + 1}));
    ASSERT_TRUE(residuals);
    EXPECT_NEAR(static_cast<double>(residuals->residuals[0]), 0, 1e-15);
    EXPECT_NEAR(static_cast<double>(residuals->residuals[1]), 1, 1e-15);
}

TEST(Residuals, OfAMultipleFitAgainstTheFittedValues) {
    FitData data;
    data.context = {"Project1", {"A", "B"}, "Y", '.'};
    data.x = {{0, 1, 0, 1, 2}, {0, 0, 1, 1, 1}};
    data.y = {1, 3, 4, 6.5, 7.5}; // about 1 + 2A + 3B
    const auto residuals = lastFitResiduals({}, data);
    ASSERT_TRUE(residuals);
    EXPECT_TRUE(residuals->againstFitted);
    ASSERT_EQ(residuals->residuals.size(), 5u);
    for (std::size_t p = 0; p < 5; ++p)
        EXPECT_NEAR(static_cast<double>(residuals->against[p] + residuals->residuals[p]),
                    static_cast<double>(data.y[p]), 1e-15);
    long double sum = 0;
    for (const long double r : residuals->residuals)
        sum += r;
    EXPECT_NEAR(static_cast<double>(sum), 0, 1e-15); // a fit with a constant leaves residuals summing to 0
}

TEST(Residuals, NothingWithoutAFittedCurveOrPoints) {
    EXPECT_FALSE(lastFitResiduals({}, pointsOf({1, 2}, {3, 4})));
    EXPECT_FALSE(lastFitResiduals({record("Multiple;M;1;2;0;0;0;1;")}, pointsOf({1, 2}, {3, 4})));
    EXPECT_FALSE(lastFitResiduals({record("Linear;Y = 1 + 2X;1;2;")}, pointsOf({}, {})));
}
