#include "regression/CoefficientStatistics.h"

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace regression {

namespace {

// Distributions that answer an argument they cannot take with NaN instead of an exception; such a
// figure is then not calculated.
using QuietPolicy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>>;

std::optional<long double> finite(long double value) {
    return std::isfinite(value) ? std::optional<long double>(value) : std::nullopt;
}

} // namespace

long double tQuantile975(std::size_t degreesOfFreedom) {
    const boost::math::students_t_distribution<long double, QuietPolicy> t(
        static_cast<long double>(degreesOfFreedom));
    return boost::math::quantile(boost::math::complement(t, 0.025L));
}

CoefficientStatistics coefficientStatistics(const LinearFitInference& fit) {
    const auto& estimates = fit.estimates;
    const auto& unscaledVariances = fit.unscaledVariances;
    const std::size_t n = fit.n;
    const long double sst = fit.sst;
    if (estimates.empty() || estimates.size() != unscaledVariances.size())
        throw std::invalid_argument("every coefficient needs its variance");
    if (n < estimates.size())
        throw std::invalid_argument("fewer points than coefficients");
    CoefficientStatistics statistics;
    statistics.degreesOfFreedom = n - estimates.size();
    statistics.modelDegreesOfFreedom = estimates.size() - 1;
    const auto df = static_cast<long double>(statistics.degreesOfFreedom);
    const long double sse = std::max(fit.sse, 0.0L);

    for (const long double estimate : estimates)
        statistics.rows.push_back({estimate, {}, {}, {}, {}, {}});
    if (sst > 0)
        statistics.rSquared = std::max(1 - sse / sst, 0.0L);
    if (statistics.degreesOfFreedom == 0)
        return statistics;

    const long double s = std::sqrt(sse / df);
    statistics.residualStandardError = s;
    statistics.exact = s == 0;
    if (sst > 0 && n > 1)
        statistics.adjustedRSquared = 1 - (sse / df) / (sst / static_cast<long double>(n - 1));

    const boost::math::students_t_distribution<long double, QuietPolicy> t(df);
    const long double quantile = tQuantile975(statistics.degreesOfFreedom);
    for (std::size_t i = 0; i < estimates.size(); ++i) {
        auto& row = statistics.rows[i];
        const long double error = s * std::sqrt(std::max(unscaledVariances[i], 0.0L));
        row.standardError = error;
        row.lower = finite(row.estimate - quantile * error);
        row.upper = finite(row.estimate + quantile * error);
        if (statistics.exact || !(error > 0))
            continue;
        row.t = finite(row.estimate / error);
        if (row.t)
            row.p = finite(2 * boost::math::cdf(boost::math::complement(t, std::fabs(*row.t))));
    }

    if (!statistics.exact && sst > 0 && statistics.modelDegreesOfFreedom > 0) {
        const long double explained = std::max(sst - sse, 0.0L);
        const auto df1 = static_cast<long double>(statistics.modelDegreesOfFreedom);
        statistics.f = finite((explained / df1) / (sse / df));
        const boost::math::fisher_f_distribution<long double, QuietPolicy> f(df1, df);
        if (statistics.f)
            statistics.fP = finite(boost::math::cdf(boost::math::complement(f, *statistics.f)));
    }
    return statistics;
}

} // namespace regression
