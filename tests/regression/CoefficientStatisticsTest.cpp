// The statistics of the fits against R's summary(lm()) and confint() on the same points. The
// expected values come from CoefficientStatisticsReference.R beside this file, run once.
#include "regression/CoefficientStatistics.h"
#include "regression/MultipleFit.h"
#include "regression/PolynomialFit.h"
#include "regression/SimpleFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace regression;

namespace {

enum class Model { Linear, Logarithmic, Exponential, Power, Reciprocal, Quadratic, Quintic, Multiple };

struct ReferenceRow {
    long double estimate, error, t, p, lower, upper;
};

struct ReferenceCase {
    std::string name;
    Model model;
    std::vector<std::vector<long double>> x;
    std::vector<long double> y;
    std::vector<ReferenceRow> rows;
    long double sigma;
    std::size_t df;
    long double rSquared, adjustedRSquared, f, fP;
};

// clang-format off
const std::vector<ReferenceCase> kReferenceCases = {
    {"line with noise", Model::Linear,
     {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
     {3.415, 3.583, 4.039, 5.129, 4.9, 5.822, 7.194, 7.205, 7.54, 7.977, 7.803, 8.47},
     {{2.8740000000000028L, 0.25983152209036309L, 11.061013601731107L, 6.2616572812958843e-07L, 2.2950592906597351L, 3.4529407093402704L},
      {0.49473076923076909L, 0.035304151825170278L, 14.013387764723134L, 6.7107831404933315e-08L, 0.41606821691268508L, 0.57339332154885314L}},
     0.42217625283942528L, 10, 0.95154452707753456L, 0.94669897978528805L, 196.37503664449216L, 6.710783140493321e-08L},
    {"logarithmic: y on ln x", Model::Logarithmic,
     {{0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6}},
     {0.851, 1.709, 2.625, 3.225, 3.231, 3.84, 4.188, 3.877, 4.368, 4.448, 4.588, 5.161},
     {{1.9066107447301441L, 0.096146997734971484L, 19.830164120004071L, 2.3326198335718275e-09L, 1.692381883575018L, 2.1208396058852705L},
      {1.648036010026277L, 0.079318290398874627L, 20.777502915640998L, 1.4776734084176101e-09L, 1.4713038455154146L, 1.8247681745371394L}},
     0.19883717483356142L, 10, 0.97736043641052961L, 0.97509648005158256L, 431.70462740947045L, 1.4776734084176099e-09L},
    {"exponential: ln y on x", Model::Exponential,
     {{0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6}},
     {1.692, 2.118, 2.859, 3.35, 3.85, 4.761, 5.729, 7.242, 9.214, 11.046, 13.792, 17.509},
     {{0.34522253725198421L, 0.023966455501196485L, 14.404405241932816L, 5.1573477774842008e-08L, 0.29182194660536814L, 0.39862312789860027L},
      {0.41376181518350741L, 0.0065128001169247659L, 63.530556405111774L, 2.2716858801509944e-14L, 0.39925039220776659L, 0.42827323815924823L}},
     0.038940880982943807L, 10, 0.99752850351998912L, 0.99728135387198802L, 4036.1315971430899L, 2.2716858801509862e-14L},
    // exponential: ln y on x: e^lower 1.3388646070267807L, e^upper 1.4897720592694419L
    {"power: ln y on ln x", Model::Power,
     {{0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6}},
     {1.432, 2.409, 3.145, 3.88, 4.809, 5.409, 6.276, 6.436, 7.453, 7.694, 8.363, 7.793},
     {{0.87535307214904523L, 0.022716140478885531L, 38.534410058023667L, 3.305618984919497e-12L, 0.82473835698086229L, 0.92596778731722817L},
      {0.72145569709286783L, 0.018740111180720768L, 38.497941134686464L, 3.3368728429254248e-12L, 0.67970012728056151L, 0.76321126690517416L}},
     0.046978203192516395L, 10, 0.9932979980180362L, 0.99262779781983979L, 1482.091471609785L, 3.3368728429254014e-12L},
    // power: ln y on ln x: e^lower 2.2812838052551743L, e^upper 2.5243100738637279L
    {"reciprocal: y on 1/x", Model::Reciprocal,
     {{0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6}},
     {10.07, 6.853, 6.031, 5.593, 4.93, 4.926, 5.267, 4.544, 4.505, 4.42, 4.81, 4.119},
     {{3.9216905748781876L, 0.097983885250943273L, 40.023832131523221L, 2.2673895947987362e-12L, 3.7033688732819963L, 4.140012276474379L},
      {3.062588246896218L, 0.13566298042510083L, 22.574973933932291L, 6.5485277513269892e-10L, 2.7603122894347978L, 3.3648642043576382L}},
     0.2369226610814166L, 10, 0.98075551715511222L, 0.97883106887062343L, 509.62944811772269L, 6.5485277513269665e-10L},
    {"quadratic", Model::Quadratic,
     {{-3, -2.5, -2, -1.5, -1, -0.5, 0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4}},
     {13.032, 10.711, 7.975, 5.044, 4.327, 1.5, 0.426, 0.896, -0.197, -0.505, 0.892, 0.13, 1.714, 2.86, 5.617},
     {{0.95098261150613961L, 0.21376530519010273L, 4.4487229144150646L, 0.00079464137802239823L, 0.4852280220202132L, 1.416737200992066L},
      {-1.9174263089851316L, 0.075426611826468343L, -25.421084979880767L, 8.3473405813571506e-12L, -2.0817667785309708L, -1.7530858394392923L},
      {0.73949773755656079L, 0.03485355362579351L, 21.217283766705858L, 6.9897286368931674e-11L, 0.66355836775718713L, 0.81543710735593444L}},
     0.55965011390084329L, 12, 0.98446147028598519L, 0.98187171533364936L, 380.13691967190056L, 1.4075360786338733e-11L},
    {"quintic", Model::Quintic,
     {{-2, -1.8, -1.6, -1.4, -1.2, -1, -0.7999999999999998, -0.5999999999999999, -0.3999999999999999, -0.19999999999999996, 0, 0.20000000000000018, 0.40000000000000036, 0.6000000000000001, 0.8000000000000003, 1, 1.2000000000000002, 1.4000000000000004, 1.6, 1.8000000000000003, 2}},
     {-2.236, -2.173, -2.041, -1.537, -1.208, -0.496, -0.278, 0.025, 0.37, 0.789, 1.044, 1.208, 1.281, 1.426, 1.594, 1.963, 2.249, 2.354, 2.644, 2.907, 3.565},
     {{0.97561411841624635L, 0.043245429048991584L, 22.559936156743856L, 5.4729933711159682e-13L, 0.88343866832223572L, 1.067789568510257L},
      {1.0847387284631727L, 0.084636074010232126L, 12.816505741181148L, 1.749197033015012e-09L, 0.90434120697609988L, 1.2651362499502454L},
      {-0.49180549352047959L, 0.062491448275249682L, -7.869964724681596L, 1.0530472971659395e-06L, -0.62500286254813275L, -0.35860812449282647L},
      {0.2344694160468922L, 0.0772095351328458L, 3.0367935209487653L, 0.008324667965161691L, 0.069901187475106541L, 0.39903764461867786L},
      {0.10003889089440673L, 0.016024501860759006L, 6.242870559326601L, 1.5751311464921802e-05L, 0.065883473685470179L, 0.13419430810334329L},
      {-0.036859540616986396L, 0.015634552873197937L, -2.3575692196592404L, 0.032397738697110018L, -0.070183801233594412L, -0.0035352800003783796L}},
     0.10512312636272907L, 15, 0.99730666460592787L, 0.99640888614123713L, 1110.8605338951638L, 1.0340965325335803e-18L},
    {"multiple, 2 variables", Model::Multiple,
     {{8.34, 6.64, 3.82, 7.45, 5.34, 0.15, 0.58, 8.33, 1.75, 1.38},
      {-4.6, -2.96, -1.37, 3.72, -1.91, -3.09, 2.8, -3.87, -2.56, 5}},
     {17.802, 14.348, 8.343, 9.977, 11.779, 4.847, 0.06, 17.966, 6.5, -0.079},
     {{1.8012134774251525L, 0.18047040220746755L, 9.9806586309620435L, 2.1668973972968405e-05L, 1.3744687876706707L, 2.2279581671796342L},
      {1.511584876036012L, 0.035687084774383232L, 42.356636458045799L, 1.0667514506996303e-09L, 1.4271983299098578L, 1.5959714221621661L},
      {-0.83186418019138786L, 0.033936211132983431L, -24.512582649006411L, 4.7907147094595902e-08L, -0.91211056804361357L, -0.75161779233916215L}},
     0.32554289350903637L, 7, 0.99805384270814679L, 0.99749779776761727L, 1794.9157882053573L, 3.2517921796946867e-10L},
    {"multiple, 5 variables", Model::Multiple,
     {{8.76, 4.81, 9.16, 1.85, 2.87, 8.7, 2.33, 2.98, 7.06, 7.59, 8.59, 6.62, 2.51, 0.73, 4.44, 4.06, 9.29, 2.51, 7.13, 4.95},
      {8.93, 3.88, 4, 8.88, 5.78, 9.79, 0.98, 5.57, 2.42, 1.63, 6.5, 5.82, 3.12, 6.76, 1.94, 9.72, 5.84, 9.2, 4.58, 4.68},
      {8.12, 6.23, 0.91, 8.85, 3.37, 4.76, 5.46, 9.23, 7.19, 5.69, 9.09, 6.95, 5.02, 9.8, 1.47, 7.23, 3.85, 5.61, 2.72, 0.22},
      {5.88, 0.49, 6.57, 1.03, 5.84, 0.98, 1, 8.73, 4.26, 8.15, 9.3, 8.34, 3.69, 7.93, 4.7, 7.51, 8.26, 9.72, 1.15, 4.6},
      {2.05, 9.67, 9.62, 10, 2.34, 2.36, 1.96, 3.78, 5.74, 7.54, 7.47, 9.53, 3.52, 0.68, 3.42, 9.98, 3.53, 2.22, 2.82, 5.34}},
     {4.034, -0.558, 1.009, -2.835, 1.235, 2.665, 2.077, 2.463, 3.244, 3.355, 2.958, 1.578, 1.312, 1.649, 2.023, -1.38, 3.734, 1.044, 3.1, 0.638},
     {{1.013172801829799L, 0.24016215296420937L, 4.2187030276197977L, 0.00085875727155476265L, 0.49807621321048334L, 1.5282693904491147L},
      {0.47176409829644372L, 0.025011318693548331L, 18.862024192996081L, 2.3755899019941895e-11L, 0.41812015491525156L, 0.52540804167763588L},
      {-0.2687754592678695L, 0.02560721825896517L, -10.496081868391556L, 5.1114923575877825e-08L, -0.32369748010430371L, -0.21385343843143528L},
      {0.18305689500574154L, 0.02650295959819236L, 6.9070359605508731L, 7.2423924721136474e-06L, 0.1262137000691152L, 0.23990008994236789L},
      {0.11586181587796221L, 0.021702913120205045L, 5.3385375150443197L, 0.0001046012474730631L, 0.069313696728709781L, 0.16240993502721462L},
      {-0.39380747306596942L, 0.020841486230914474L, -18.895364212645696L, 2.3196073297873334e-11L, -0.43850801529045697L, -0.34910693084148187L}},
     0.28322738823815552L, 14, 0.98048899258178313L, 0.97352077564670569L, 140.70873535037063L, 1.8676150983759082e-11L},
    {"large offsets", Model::Linear,
     {{1000007.73, 1000009.31, 1000000.82, 1000007.92, 1000007.94, 1000007.36, 1000001.71, 1000005.57, 1000009.98, 1000005.85, 1000005.94, 1000007.89, 1000007.72, 1000005.36, 1000008.84}},
     {1000015.574, 1000018.421, 1000001.358, 1000015.761, 1000015.028, 1000014.95, 1000003.283, 1000011.292, 1000019.9, 1000011.739, 1000012.215, 1000015.836, 1000015.191, 1000010.932, 1000017.482},
     {{-993040.08841456228L, 31049.487179169198L, -31.982495642658577L, 9.5525677804849563e-14L, -1060118.4273156826L, -925961.74951344181L},
      {1.9930400735862319L, 0.031049280308068052L, 64.189573922856667L, 1.1800985717629035e-17L, 1.9259621816029544L, 2.0601179655695097L}},
     0.29935643687985691L, 13, 0.99685481441088508L, 0.99661287705787627L, 4120.3014003978833L, 1.180098571762895e-17L},
};
// clang-format on

// R works in double: its figures carry about 15 good digits, its small p-values fewer.
void expectDigits(long double actual, long double expected, long double relative, const std::string& what) {
    EXPECT_LE(std::fabs(actual - expected), relative * std::fabs(expected))
        << what << ": " << static_cast<double>(actual) << " against R's " << static_cast<double>(expected);
}

void expectPValue(std::optional<long double> actual, long double expected, const std::string& what) {
    ASSERT_TRUE(actual) << what;
    expectDigits(*actual, expected, expected > 1e-10L ? 1e-8L : 1e-5L, what);
}

LinearFitInference inferenceOf(const ReferenceCase& reference) {
    switch (reference.model) {
    case Model::Quadratic:
        return computePolynomialFit(2, reference.x[0], reference.y).inference;
    case Model::Quintic:
        return computePolynomialFit(5, reference.x[0], reference.y).inference;
    case Model::Multiple:
        return computeMultipleFit(reference.x, reference.y).inference;
    default:
        static const ModelKind kinds[] = {ModelKind::Linear, ModelKind::Logarithmic, ModelKind::Exponential,
                                          ModelKind::Power, ModelKind::Reciprocal};
        return computeSimpleFit(kinds[static_cast<int>(reference.model)], reference.x[0], reference.y).line;
    }
}

} // namespace

TEST(CoefficientStatistics, AgreesWithRToTenDigitsOnEveryFigure) {
    for (const ReferenceCase& reference : kReferenceCases) {
        SCOPED_TRACE(reference.name);
        const CoefficientStatistics statistics = coefficientStatistics(inferenceOf(reference));
        ASSERT_EQ(statistics.rows.size(), reference.rows.size());
        for (std::size_t i = 0; i < reference.rows.size(); ++i) {
            const auto& row = statistics.rows[i];
            const auto& expected = reference.rows[i];
            const std::string term = "coefficient " + std::to_string(i);
            ASSERT_TRUE(row.standardError && row.t && row.lower && row.upper) << term;
            expectDigits(row.estimate, expected.estimate, 1e-10L, term + " estimate");
            expectDigits(*row.standardError, expected.error, 1e-10L, term + " standard error");
            expectDigits(*row.t, expected.t, 1e-10L, term + " t");
            expectPValue(row.p, expected.p, term + " p");
            expectDigits(*row.lower, expected.lower, 1e-10L, term + " lower limit");
            expectDigits(*row.upper, expected.upper, 1e-10L, term + " upper limit");
        }
        EXPECT_EQ(statistics.degreesOfFreedom, reference.df);
        EXPECT_EQ(statistics.modelDegreesOfFreedom, reference.rows.size() - 1);
        ASSERT_TRUE(statistics.residualStandardError && statistics.rSquared && statistics.adjustedRSquared &&
                    statistics.f);
        expectDigits(*statistics.residualStandardError, reference.sigma, 1e-10L, "residual standard error");
        expectDigits(*statistics.rSquared, reference.rSquared, 1e-10L, "R-sq");
        expectDigits(*statistics.adjustedRSquared, reference.adjustedRSquared, 1e-10L, "adjusted R-sq");
        expectDigits(*statistics.f, reference.f, 1e-10L, "F");
        expectPValue(statistics.fP, reference.fP, "p of F");
        EXPECT_FALSE(statistics.exact);
    }
}
