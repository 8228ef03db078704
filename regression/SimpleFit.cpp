#include "regression/SimpleFit.h"

#include "regression/CentredSums.h"
#include "regression/CheckedArithmetic.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace regression {

namespace {

bool logOfX(ModelKind kind) {
    return kind == ModelKind::Logarithmic || kind == ModelKind::Power;
}

long double transformedY(ModelKind kind, long double y) {
    return fitsLogOfY(kind) ? naturalLogarithm(y) : y;
}

} // namespace

bool fitsLogOfY(ModelKind kind) {
    return kind == ModelKind::Exponential || kind == ModelKind::Power;
}

bool transformsX(ModelKind kind) {
    return logOfX(kind) || kind == ModelKind::Reciprocal;
}

long double transformedX(ModelKind kind, long double x) {
    if (logOfX(kind))
        return naturalLogarithm(x);
    if (kind == ModelKind::Reciprocal)
        return divide(1, x);
    return x;
}

SimpleFitFigures computeSimpleFit(ModelKind kind, std::span<const long double> x,
                                  std::span<const long double> y) {
    if (!isSimpleModel(kind))
        throw std::invalid_argument("not a two-parameter model");
    if (x.size() != y.size())
        throw std::invalid_argument("x and y differ in length");
    SimpleFitFigures fit;
    fit.n = x.size();
    const auto count = static_cast<long double>(fit.n);

    // The transformed values; an untransformed side is read in place.
    std::vector<long double> uValues, vValues;
    std::span<const long double> u = x, v = y;
    if (transformsX(kind)) {
        uValues.resize(fit.n);
        for (std::size_t i = 0; i < fit.n; ++i)
            uValues[i] = transformedX(kind, x[i]);
        u = uValues;
    }
    if (fitsLogOfY(kind)) {
        vValues.resize(fit.n);
        for (std::size_t i = 0; i < fit.n; ++i)
            vValues[i] = transformedY(kind, y[i]);
        v = vValues;
    }

    // Centred sums: Cuu = n·Suu − Su² over n, and so on, without the cancellation of the raw sums.
    const long double uMean = centredMean(u);
    const long double vMean = centredMean(v);
    long double cuu = 0, cuv = 0, cvv = 0;
    for (std::size_t i = 0; i < fit.n; ++i) {
        const long double du = u[i] - uMean;
        const long double dv = v[i] - vMean;
        cuu += du * du;
        cuv += du * dv;
        cvv += dv * dv;
    }
    requireFinite(cuu + cvv);

    fit.b = divide(cuv, cuu);
    const long double intercept = requireFinite(vMean - fit.b * uMean);
    fit.a = fitsLogOfY(kind) ? exponential(intercept) : intercept;
    if (kind == ModelKind::Exponential)
        fit.base = exponential(fit.b);
    // Var(intercept) = σ²·(1/n + ū²/Cuu), Var(b) = σ²/Cuu; SSE of the line itself for a zero slope.
    fit.line = {{intercept, fit.b}, {1 / count + uMean * divide(uMean, cuu), 1 / cuu}, cvv, cvv, fit.n};
    fit.uMean = uMean;
    fit.uSpread = cuu;
    if (fit.b == 0)
        return fit;

    fit.r = std::clamp(divide(cuv, squareRoot(requireFinite(cuu * cvv))), -1.0L, 1.0L);

    // Residuals in the units of y. The fitted value is written about the means, which equals
    // a + b·u (or e^(A + b·u)) but keeps its accuracy when u has a large mean.
    long double sse = 0;
    long double sst = 0;
    if (fitsLogOfY(kind)) {
        const long double yMean = centredMean(y);
        long double lineSse = 0;
        for (std::size_t i = 0; i < fit.n; ++i) {
            const long double slopePart = fit.b * (u[i] - uMean);
            const long double residual = y[i] - exponential(vMean + slopePart);
            sse += residual * residual;
            const long double lineResidual = (v[i] - vMean) - slopePart;
            lineSse += lineResidual * lineResidual;
        }
        sst = sumOfSquaredDeviations(y, yMean);
        fit.line.sse = lineSse;
    } else {
        for (std::size_t i = 0; i < fit.n; ++i) {
            const long double residual = (v[i] - vMean) - fit.b * (u[i] - uMean);
            sse += residual * residual;
        }
        sst = cvv;
    }
    requireFinite(sse + sst);
    if (!fitsLogOfY(kind))
        fit.line.sse = sse;

    if (fit.n > 2)
        fit.s = squareRoot(divide(sse, count - 2));
    long double rSquared = 1 - divide(sse, sst);
    // A straight-line fit in the units of y never leaves more than SST unexplained; only rounding
    // could push R² below 0. The transformed models may legitimately fit y worse than its mean.
    if (!fitsLogOfY(kind))
        rSquared = std::max(rSquared, 0.0L);
    fit.rSquared = rSquared;
    return fit;
}

} // namespace regression
