#include "RegressionTestSupport.h"

#include "regression/FitCommands.h"

#include <cmath>
#include <random>

using namespace regression;

namespace {

// An independent least-squares solution: Householder QR of the design matrix (n × p, column by
// column), never forming the normal equations.
struct ReferenceFit {
    std::vector<long double> coefficients;
    long double sse = 0;
    long double sst = 0;

    long double s() const { return std::sqrt(sse / static_cast<long double>(points - coefficients.size())); }
    long double rSquared() const { return 1 - sse / sst; }
    std::size_t points = 0;
};

ReferenceFit householderFit(std::vector<std::vector<long double>> columns, std::vector<long double> y) {
    const std::size_t n = y.size();
    const std::size_t p = columns.size();
    ReferenceFit fit;
    fit.points = n;
    long double mean = 0;
    for (const long double v : y)
        mean += v / static_cast<long double>(n);
    for (const long double v : y)
        fit.sst += (v - mean) * (v - mean);
    for (std::size_t k = 0; k < p; ++k) {
        auto& a = columns[k];
        long double norm = 0;
        for (std::size_t i = k; i < n; ++i)
            norm += a[i] * a[i];
        norm = std::sqrt(norm);
        const long double alpha = a[k] > 0 ? -norm : norm;
        std::vector<long double> v(n, 0);
        for (std::size_t i = k; i < n; ++i)
            v[i] = a[i];
        v[k] -= alpha;
        long double vNorm = 0;
        for (std::size_t i = k; i < n; ++i)
            vNorm += v[i] * v[i];
        const auto reflect = [&](std::vector<long double>& target) {
            long double dot = 0;
            for (std::size_t i = k; i < n; ++i)
                dot += v[i] * target[i];
            const long double factor = 2 * dot / vNorm;
            for (std::size_t i = k; i < n; ++i)
                target[i] -= factor * v[i];
        };
        for (std::size_t j = k; j < p; ++j)
            reflect(columns[j]);
        reflect(y);
    }
    fit.coefficients.assign(p, 0);
    for (std::size_t k = p; k-- > 0;) {
        long double sum = y[k];
        for (std::size_t j = k + 1; j < p; ++j)
            sum -= columns[j][k] * fit.coefficients[j];
        fit.coefficients[k] = sum / columns[k][k];
    }
    for (std::size_t i = p; i < n; ++i)
        fit.sse += y[i] * y[i];
    return fit;
}

std::vector<long double> ones(std::size_t n) {
    return std::vector<long double>(n, 1);
}

template <typename F> std::vector<long double> mapped(const std::vector<long double>& values, F f) {
    std::vector<long double> result;
    for (const long double v : values)
        result.push_back(f(v));
    return result;
}

::testing::AssertionResult agrees(long double actual, long double expected, long double relative = 1e-12L) {
    if (std::fabs(actual - expected) <= relative * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << static_cast<double>(actual) << ", expected " << static_cast<double>(expected)
           << " (difference " << static_cast<double>(actual - expected) << ")";
}

class FitAccuracy : public EnglishTextsTest {
protected:
    std::mt19937_64 random{20261207};

    std::vector<long double> uniform(std::size_t n, long double low, long double high) {
        std::uniform_real_distribution<double> distribution(0, 1);
        std::vector<long double> values;
        for (std::size_t i = 0; i < n; ++i)
            values.push_back(low + (high - low) * static_cast<long double>(distribution(random)));
        return values;
    }
    // y = f(x) plus noise of the given size.
    template <typename F>
    std::vector<long double> noisy(const std::vector<long double>& x, F f, long double noise) {
        const std::vector<long double> e = uniform(x.size(), -noise, noise);
        std::vector<long double> y;
        for (std::size_t i = 0; i < x.size(); ++i)
            y.push_back(f(x[i]) + e[i]);
        return y;
    }
};

} // namespace

TEST_F(FitAccuracy, TwoParameterModelsMatchAnOrthogonalDecompositionOfTheTransformedLine) {
    const std::vector<long double> x = uniform(200, 0.5L, 8);
    const std::vector<long double> y = noisy(
        x, [](long double v) { return 1.5L + 0.8L * v; }, 0.3L);
    const auto ln = [](long double v) { return std::log(v); };
    const auto reciprocal = [](long double v) { return 1 / v; };
    struct Case {
        ModelKind kind;
        std::vector<long double> u, v;
        bool exponentialConstant;
    };
    const std::vector<Case> cases = {
        {ModelKind::Linear, x, y, false},
        {ModelKind::Logarithmic, mapped(x, ln), y, false},
        {ModelKind::Reciprocal, mapped(x, reciprocal), y, false},
        {ModelKind::Exponential, x, mapped(y, ln), true},
        {ModelKind::Power, mapped(x, ln), mapped(y, ln), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(modelKindText(c.kind)));
        const SimpleFitFigures fit = computeSimpleFit(c.kind, x, y);
        const ReferenceFit reference = householderFit({ones(x.size()), c.u}, c.v);
        const long double a =
            c.exponentialConstant ? std::exp(reference.coefficients[0]) : reference.coefficients[0];
        EXPECT_TRUE(agrees(fit.a, a));
        EXPECT_TRUE(agrees(fit.b, reference.coefficients[1]));
        ASSERT_TRUE(fit.r && fit.s && fit.rSquared);
        // r² of the transformed line is its R².
        EXPECT_TRUE(agrees(*fit.r * *fit.r, reference.rSquared()));
        if (!c.exponentialConstant) {
            EXPECT_TRUE(agrees(*fit.s, reference.s()));
            EXPECT_TRUE(agrees(*fit.rSquared, reference.rSquared()));
        }
    }
}

TEST_F(FitAccuracy, PolynomialsOfEveryDegreeMatchAnOrthogonalDecomposition) {
    const std::vector<long double> x = uniform(300, -1, 2);
    const std::vector<long double> y = noisy(
        x, [](long double v) { return 2 - v + 0.5L * v * v - 0.3L * v * v * v; }, 0.2L);
    for (int degree = 2; degree <= 5; ++degree) {
        SCOPED_TRACE(degree);
        std::vector<std::vector<long double>> columns = {ones(x.size())};
        for (int k = 1; k <= degree; ++k)
            columns.push_back(
                mapped(x, [k](long double v) { return std::pow(v, static_cast<long double>(k)); }));
        const ReferenceFit reference = householderFit(columns, y);
        const PolynomialFitFigures fit = computePolynomialFit(degree, x, y);
        for (int k = 0; k <= degree; ++k)
            EXPECT_TRUE(agrees(fit.c[k], reference.coefficients[k])) << "c" << k;
        ASSERT_TRUE(fit.s);
        EXPECT_TRUE(agrees(*fit.s, reference.s()));
        EXPECT_TRUE(agrees(fit.rSquared, reference.rSquared()));
    }
}

TEST_F(FitAccuracy, MultipleFitsOfTwoToFiveVariablesMatchAnOrthogonalDecomposition) {
    const std::size_t n = 250;
    std::vector<std::vector<long double>> x;
    for (int j = 0; j < 5; ++j)
        x.push_back(uniform(n, -3 + j, 4 + 2 * j));
    std::vector<long double> y = uniform(n, -0.5L, 0.5L);
    for (std::size_t i = 0; i < n; ++i)
        y[i] += 7 + 1.5L * x[0][i] - 2 * x[1][i] + 0.25L * x[2][i] + x[3][i] - 0.75L * x[4][i];
    for (std::size_t k = 2; k <= 5; ++k) {
        SCOPED_TRACE(k);
        const std::vector<std::vector<long double>> columns(x.begin(), x.begin() + static_cast<long>(k));
        std::vector<std::vector<long double>> design = {ones(n)};
        design.insert(design.end(), columns.begin(), columns.end());
        const ReferenceFit reference = householderFit(design, y);
        const MultipleFitFigures fit = computeMultipleFit(columns, y);
        for (std::size_t j = 0; j <= k; ++j)
            EXPECT_TRUE(agrees(fit.b[j], reference.coefficients[j])) << "b" << j;
        ASSERT_TRUE(fit.s);
        EXPECT_TRUE(agrees(*fit.s, reference.s()));
        EXPECT_TRUE(agrees(fit.rSquared, reference.rSquared()));
    }
}

TEST_F(FitAccuracy, LargeValuesWithASmallSpreadKeepEveryFigure) {
    // Measurements near 10^6 that vary by about 1: the offsets u = x − 10^6 are exact, so the
    // reference fits the offsets and shifts the constant back.
    const long double origin = 1e6L;
    const std::vector<long double> x = mapped(uniform(500, 0, 1), [&](long double u) { return origin + u; });
    const std::vector<long double> u = mapped(x, [&](long double v) { return v - origin; });
    const std::vector<long double> y = noisy(
        u, [](long double v) { return 5e5L + 2 * v - v * v; }, 0.05L);

    const ReferenceFit line = householderFit({ones(u.size()), u}, y);
    const SimpleFitFigures linear = computeSimpleFit(ModelKind::Linear, x, y);
    EXPECT_TRUE(agrees(linear.b, line.coefficients[1]));
    EXPECT_TRUE(agrees(linear.a, line.coefficients[0] - line.coefficients[1] * origin));
    EXPECT_TRUE(agrees(*linear.s, line.s()));
    EXPECT_TRUE(agrees(*linear.rSquared, line.rSquared()));
    EXPECT_TRUE(agrees(*linear.r * *linear.r, line.rSquared()));

    const ReferenceFit parabola =
        householderFit({ones(u.size()), u, mapped(u, [](long double v) { return v * v; })}, y);
    const PolynomialFitFigures quadratic = computePolynomialFit(2, x, y);
    EXPECT_TRUE(agrees(quadratic.c[2], parabola.coefficients[2]));
    EXPECT_TRUE(agrees(*quadratic.s, parabola.s()));
    EXPECT_TRUE(agrees(quadratic.rSquared, parabola.rSquared()));

    const std::vector<long double> x2 = mapped(uniform(500, 0, 1), [](long double v) { return 2e6L + v; });
    std::vector<long double> plane = y;
    for (std::size_t i = 0; i < plane.size(); ++i)
        plane[i] += 3 * (x2[i] - 2e6L);
    const ReferenceFit reference =
        householderFit({ones(u.size()), u, mapped(x2, [](long double v) { return v - 2e6L; })}, plane);
    const MultipleFitFigures multiple =
        computeMultipleFit(std::vector<std::vector<long double>>{x, x2}, plane);
    EXPECT_TRUE(agrees(multiple.b[1], reference.coefficients[1]));
    EXPECT_TRUE(agrees(multiple.b[2], reference.coefficients[2]));
    EXPECT_TRUE(agrees(multiple.b[0], reference.coefficients[0] - reference.coefficients[1] * origin -
                                          reference.coefficients[2] * 2e6L));
    EXPECT_TRUE(agrees(*multiple.s, reference.s()));
}

TEST_F(FitAccuracy, PerfectFitsOfLargeValuesShowZeroStandardError) {
    std::vector<long double> x, line, parabola;
    for (int i = 0; i < 10; ++i) {
        x.push_back(1000000 + i);
        line.push_back(3 * x.back() - 7);
        parabola.push_back(4 + 1.5L * i * i);
    }
    RegressionResult result;
    const auto linear = fitSimpleModel(result, ModelKind::Linear, pointsOf(x, line));
    ASSERT_TRUE(linear);
    EXPECT_EQ(
        Lines(linear->logLines.begin() + 2, linear->logLines.end() - 2),
        (Lines{"Y = -7 + 3X", "", "Constant = -7", "X = 3", "", "Correlation = 1", "R-sq = 100%", "s = 0"}));
    const auto quadratic = fitPolynomial(result, 2, pointsOf(x, parabola));
    ASSERT_TRUE(quadratic);
    EXPECT_EQ(quadratic->logLines[6], "X^2 = 1.5");
    EXPECT_EQ(quadratic->logLines[10], "s = 0");
}
