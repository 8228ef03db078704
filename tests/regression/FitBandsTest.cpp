// The bands around the fits against R's predict(lm(), interval = "confidence" / "prediction"). The
// expected values come from FitBandsReference.R beside this file, run once.
#include "regression/FitBands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace regression;

namespace {

struct ExpectedBands {
    long double x;
    long double fitted;
    FitBands::Limits limits;
};

void expectBands(ModelKind kind, const std::vector<long double>& x, const std::vector<long double>& y,
                 const std::vector<ExpectedBands>& expected) {
    const auto bands = FitBands::of(kind, x, y);
    ASSERT_TRUE(bands);
    for (const ExpectedBands& point : expected) {
        SCOPED_TRACE("x = " + std::to_string(static_cast<double>(point.x)));
        const FitBands::Limits limits = bands->at(point.x, point.fitted);
        const auto close = [](long double actual, long double wanted) {
            EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(wanted),
                        1e-10 * std::fabs(wanted) + 1e-12);
        };
        close(limits.confidenceLow, point.limits.confidenceLow);
        close(limits.confidenceHigh, point.limits.confidenceHigh);
        close(limits.predictionLow, point.limits.predictionLow);
        close(limits.predictionHigh, point.limits.predictionHigh);
    }
}

const std::vector<long double> kExponentialX = {0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6};
const std::vector<long double> kExponentialY = {1.692, 2.118, 2.859, 3.35,   3.85,   4.761,
                                                5.729, 7.242, 9.214, 11.046, 13.792, 17.509};

} // namespace

// clang-format off
TEST(FitBands, LineBandsAgreeWithR) {
    expectBands(ModelKind::Linear, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
                {3.415, 3.583, 4.039, 5.129, 4.9, 5.822, 7.194, 7.205, 7.54, 7.977, 7.803, 8.47},
                {{2, 3.8634615384615412L, {3.4173216412172849L, 4.3096014357057975L, 2.8223583742496343L, 4.904564702673448L}},
{6.5, 6.0897500000000022L, {5.8182027372907079L, 6.3612972627092965L, 5.1106724205897498L, 7.0688275794102546L}},
{11, 8.3160384615384633L, {7.869898564294207L, 8.7621783587827196L, 7.2749352973265564L, 9.3571416257503692L}}});
}

TEST(FitBands, ExponentialBandsAreThoseOfLnYTakenBack) {
    expectBands(ModelKind::Exponential, kExponentialX, kExponentialY,
                {{0.75, 1.9261898845776062L, {1.8431182862768163L, 2.0130056215457999L, 1.7475605609250184L, 2.1230780520047934L}},
{3.2000000000000002, 5.308240082921321L, {5.17688094929823L, 5.4429323474692302L, 4.8498551469719171L, 5.8099493539565943L}},
{5.9000000000000004, 16.222793294444173L, {15.495106651911684L, 16.984653812743751L, 14.706094699863566L, 17.895915104960153L}}});
}

TEST(FitBands, QuadraticBandsAgreeWithR) {
    std::vector<long double> x;
    for (int i = -6; i <= 8; ++i)
        x.push_back(i * 0.5L);
    expectBands(ModelKind::Polynomial2, x,
                {13.032, 10.711, 7.975, 5.044, 4.327, 1.5, 0.426, 0.896, -0.197, -0.505, 0.892, 0.13, 1.714, 2.86, 5.617},
                {{-2, 7.743826179702646L, {7.2475017335553833L, 8.2401506258499086L, 6.4273125645072522L, 9.0603397948980398L}},
{0.29999999999999999, 0.44230951519069067L, {-0.030362077007478117L, 0.9149811073888594L, -0.86547050347552679L, 1.750089533856908L}},
{3.5, 3.2988378151260491L, {2.6675049742083017L, 3.9301706560437966L, 1.9257204497225182L, 4.6719551805295803L}}});
}
// clang-format on

TEST(FitBands, ThePredictionBandIsWiderThanTheConfidenceBandEverywhere) {
    for (const ModelKind kind :
         {ModelKind::Linear, ModelKind::Exponential, ModelKind::Power, ModelKind::Polynomial3}) {
        const auto bands = FitBands::of(kind, kExponentialX, kExponentialY);
        ASSERT_TRUE(bands);
        for (long double x = 0.05L; x < 9; x += 0.05L) {
            const FitBands::Limits limits = bands->at(x, 5);
            EXPECT_LT(limits.predictionLow, limits.confidenceLow) << x;
            EXPECT_LT(limits.confidenceLow, limits.confidenceHigh) << x;
            EXPECT_LT(limits.confidenceHigh, limits.predictionHigh) << x;
        }
    }
}

TEST(FitBands, NoBandsWithoutDegreesOfFreedomOrForTheMultipleModel) {
    using Values = std::vector<long double>;
    EXPECT_FALSE(FitBands::of(ModelKind::Linear, Values{1, 2}, Values{3, 5}));
    EXPECT_FALSE(FitBands::of(ModelKind::Polynomial2, Values{1, 2, 3}, Values{3, 5, 4}));
    EXPECT_FALSE(FitBands::of(ModelKind::Multiple, Values{1, 2, 3, 4}, Values{3, 5, 4, 6}));
    // Outside the domain of ln x the limits are undefined, so the graph leaves the bands out there.
    const auto logarithmic = FitBands::of(ModelKind::Logarithmic, kExponentialX, kExponentialY);
    ASSERT_TRUE(logarithmic);
    EXPECT_TRUE(std::isnan(logarithmic->at(-1, 2).confidenceLow));
}
