#include "RegressionTestSupport.h"

#include "regression/Preconditions.h"

using namespace regression;

namespace {
class Preconditions : public EnglishTextsTest {};
} // namespace

TEST_F(Preconditions, TwoParameterModelsNeedPositiveValuesWhereTheyTakeLogarithms) {
    const std::vector<long double> positive = {1, 2, 3};
    const std::vector<long double> withZero = {1, 0, 3};
    EXPECT_EQ(simpleFitRefusal(ModelKind::Linear, withZero, withZero, 0), std::nullopt);
    EXPECT_EQ(simpleFitRefusal(ModelKind::Logarithmic, withZero, positive, 0),
              "The logarithmic model requires all X values to be greater than 0.");
    EXPECT_EQ(simpleFitRefusal(ModelKind::Logarithmic, positive, withZero, 0), std::nullopt);
    EXPECT_EQ(simpleFitRefusal(ModelKind::Exponential, withZero, std::vector<long double>{1, -2, 3}, 0),
              "The exponential model requires all Y values to be greater than 0.");
    EXPECT_EQ(simpleFitRefusal(ModelKind::Power, positive, withZero, 0),
              "The power model requires all X and Y values to be greater than 0.");
    EXPECT_EQ(simpleFitRefusal(ModelKind::Reciprocal, std::vector<long double>{-1, 2}, positive, 0),
              "The reciprocal model requires all X values to be greater than 0.");
}

TEST_F(Preconditions, TheTwelfthDrawnFunctionIsTheLastAndTheModelCheckComesFirst) {
    const std::vector<long double> positive = {1, 2, 3};
    const std::string limit = "Only 12 functions can be drawn at the same time.";
    EXPECT_EQ(simpleFitRefusal(ModelKind::Linear, positive, positive, 11), std::nullopt);
    EXPECT_EQ(simpleFitRefusal(ModelKind::Linear, positive, positive, 12), limit);
    EXPECT_EQ(simpleFitRefusal(ModelKind::Power, std::vector<long double>{0}, positive, 12),
              "The power model requires all X and Y values to be greater than 0.");
    EXPECT_EQ(findBestRefusal(12), limit);
    EXPECT_EQ(findBestRefusal(0), std::nullopt);
    EXPECT_EQ(polynomialFitRefusal(2, 3, 12), "This model requires at least 4 points of data.");
    EXPECT_EQ(polynomialFitRefusal(2, 4, 12), limit);
    EXPECT_EQ(polynomialFitRefusal(5, 6, 0), "This model requires at least 7 points of data.");
    EXPECT_EQ(polynomialFitRefusal(5, 7, 0), std::nullopt);
}
