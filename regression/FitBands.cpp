#include "regression/FitBands.h"

#include "regression/CoefficientStatistics.h"
#include "regression/PolynomialFit.h"
#include "regression/SimpleFit.h"

#include <cmath>
#include <limits>

namespace regression {

std::optional<FitBands> FitBands::of(ModelKind kind, std::span<const long double> x,
                                     std::span<const long double> y) {
    FitBands bands;
    bands.kind_ = kind;
    std::size_t degreesOfFreedom = 0;
    long double sse = 0;
    if (isSimpleModel(kind)) {
        const SimpleFitFigures fit = computeSimpleFit(kind, x, y);
        if (fit.n <= 2)
            return std::nullopt;
        degreesOfFreedom = fit.n - 2;
        sse = fit.line.sse;
        bands.count_ = static_cast<long double>(fit.n);
        bands.uMean_ = fit.uMean;
        bands.uSpread_ = fit.uSpread;
    } else if (isPolynomialModel(kind)) {
        const int degree = polynomialDegree(kind);
        if (x.size() <= static_cast<std::size_t>(degree) + 1)
            return std::nullopt;
        const PolynomialFitFigures fit = computePolynomialFit(degree, x, y);
        degreesOfFreedom = fit.n - static_cast<std::size_t>(degree) - 1;
        sse = fit.inference.sse;
        bands.scale_ = fit.basisScale;
        bands.basisInverse_ = fit.basisInverse;
    } else {
        return std::nullopt;
    }
    const long double s = std::sqrt(std::max(sse, 0.0L) / static_cast<long double>(degreesOfFreedom));
    bands.halfWidthFactor_ = tQuantile975(degreesOfFreedom) * s;
    return bands;
}

long double FitBands::leverage(long double x) const {
    if (isSimpleModel(kind_)) {
        const long double du = transformedX(kind_, x) - uMean_;
        return 1 / count_ + du * du / uSpread_;
    }
    const std::size_t size = basisInverse_.size();
    std::vector<long double> basis(size);
    const long double t = scale_(x);
    long double power = 1;
    for (std::size_t j = 0; j < size; ++j, power *= t)
        basis[j] = power;
    long double h = 0;
    for (std::size_t i = 0; i < size; ++i)
        for (std::size_t j = 0; j < size; ++j)
            h += basis[i] * basisInverse_[i][j] * basis[j];
    return std::max(h, 0.0L);
}

FitBands::Limits FitBands::at(long double x, long double fitted) const {
    constexpr long double undefined = std::numeric_limits<long double>::quiet_NaN();
    const bool logOfY = fitsLogOfY(kind_);
    if ((logOfY && !(fitted > 0)) || (transformsX(kind_) && !(x > 0)))
        return {undefined, undefined, undefined, undefined};
    const long double centre = logOfY ? std::log(fitted) : fitted;
    const long double h = leverage(x);
    const long double confidence = halfWidthFactor_ * std::sqrt(h);
    const long double prediction = halfWidthFactor_ * std::sqrt(1 + h);
    const auto back = [logOfY](long double v) { return logOfY ? std::exp(v) : v; };
    return {back(centre - confidence), back(centre + confidence), back(centre - prediction),
            back(centre + prediction)};
}

} // namespace regression
