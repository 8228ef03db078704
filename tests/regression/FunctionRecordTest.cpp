#include "RegressionTestSupport.h"

#include "projects/FunctionRecord.h"
#include "regression/FitCommands.h"
#include "regression/MultipleWizard.h"

using namespace regression;

namespace {
class FunctionRecords : public EnglishTextsTest {};
} // namespace

// A record written by a fit must draw the same curve again when the project is opened.
TEST_F(FunctionRecords, EveryFitsRecordRestoresItsCoefficients) {
    RegressionResult result;
    for (const char separator : {'.', ','}) {
        SCOPED_TRACE(separator);
        const auto exponential = fitSimpleModel(
            result, ModelKind::Exponential, pointsOf({1, 2, 3, 4}, {2.7L, 7.1L, 20.3L, 54.9L}, separator));
        ASSERT_TRUE(exponential && exponential->functionRecord);
        const projects::DrawableRecord simple =
            projects::parseRecord(*exponential->functionRecord, separator);
        EXPECT_EQ(simple.kind, "Exponential");
        EXPECT_EQ(simple.equation, exponential->equation);
        EXPECT_NEAR(simple.a, result.a, 1e-13L * result.a);
        EXPECT_NEAR(simple.b, result.b, 1e-14L);

        const auto cubic =
            fitPolynomial(result, 3, pointsOf({0, 1, 2, 3, 4}, {1, 0.5L, 4, 9.25L, 30}, separator));
        ASSERT_TRUE(cubic && cubic->functionRecord);
        const projects::DrawableRecord polynomial = projects::parseRecord(*cubic->functionRecord, separator);
        EXPECT_EQ(polynomial.kind, "p3reg");
        ASSERT_EQ(polynomial.coefficients.size(), 4u);
        for (int k = 0; k <= 3; ++k)
            EXPECT_NEAR(polynomial.coefficients[k], result.polynomialCoefficients[k], 1e-13L);
    }
    FitData plane;
    plane.context = {"P", {"A", "B"}, "Y", '.'};
    plane.x = {{1, 2, 3, 4}, {2, 1, 4, 3}};
    plane.y = {9.5L, 8, 19, 18.5L};
    ASSERT_TRUE(fitMultipleForWizard(result, plane));
    const FitOutput drawn = confirmMultipleWizard(
        result, {{WizardRole::SecondVariable, WizardRole::DependingOnX}, {"1.5", ""}, "0.5", "4"},
        plane.context);
    const projects::DrawableRecord multiple = projects::parseRecord(*drawn.functionRecord);
    EXPECT_EQ(multiple.kind, "Multiple");
    ASSERT_EQ(multiple.intercepts.size(), 4u);
    for (long long l = 0; l < 4; ++l)
        EXPECT_NEAR(multiple.intercepts[l], drawn.drawing->lines.intercept(l), 1e-13L);
    EXPECT_NEAR(multiple.b, drawn.drawing->lines.slope, 1e-14L);
}
