// The line, the 5th-degree polynomial and the 5-variable multiple fit of the same points by GSL's
// gsl_multifit_linear (double precision, singular value decomposition) as a yardstick. The design
// matrix is built once; each iteration times what one fit costs a GSL user: the workspace and the fit.
#include "BenchmarkPoints.h"

#include <gsl/gsl_multifit.h>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>

namespace {

struct MatrixFree {
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};
struct VectorFree {
    void operator()(gsl_vector* v) const { gsl_vector_free(v); }
};
using Matrix = std::unique_ptr<gsl_matrix, MatrixFree>;
using Vector = std::unique_ptr<gsl_vector, VectorFree>;

enum class Design { Polynomial, Variables };

// Column 0 is 1; then x, x², ... x^(columns − 1) of the first variable, or the variables themselves.
Matrix designMatrix(const regression::FitData& data, Design design, std::size_t columns) {
    const std::size_t n = data.pointCount();
    Matrix x(gsl_matrix_alloc(n, columns));
    for (std::size_t row = 0; row < n; ++row) {
        gsl_matrix_set(x.get(), row, 0, 1);
        const auto first = static_cast<double>(data.x[0][row]);
        double power = 1;
        for (std::size_t column = 1; column < columns; ++column) {
            power *= first;
            const double value =
                design == Design::Polynomial ? power : static_cast<double>(data.x[column - 1][row]);
            gsl_matrix_set(x.get(), row, column, value);
        }
    }
    return x;
}

void gslFit(benchmark::State& state, int variables, Design design, std::size_t columns) {
    const regression::FitData& data = regression_bench::benchmarkPoints(variables);
    const std::size_t n = data.pointCount();
    const Matrix x = designMatrix(data, design, columns);
    const Vector y(gsl_vector_alloc(n));
    for (std::size_t row = 0; row < n; ++row)
        gsl_vector_set(y.get(), row, static_cast<double>(data.y[row]));
    const Vector c(gsl_vector_alloc(columns));
    const Matrix covariance(gsl_matrix_alloc(columns, columns));
    for (auto _ : state) {
        gsl_multifit_linear_workspace* work = gsl_multifit_linear_alloc(n, columns);
        double chiSquared = 0;
        const int status =
            gsl_multifit_linear(x.get(), y.get(), c.get(), covariance.get(), &chiSquared, work);
        gsl_multifit_linear_free(work);
        if (status != 0) {
            state.SkipWithError("gsl_multifit_linear failed");
            break;
        }
        benchmark::DoNotOptimize(chiSquared);
        benchmark::DoNotOptimize(gsl_vector_get(c.get(), 0));
    }
}

} // namespace

BENCHMARK_CAPTURE(gslFit, Linear, 1, Design::Polynomial, 2)
    ->Name("Linear / gsl")
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(gslFit, Polynomial5, 1, Design::Polynomial, 6)
    ->Name("Polynomial5 / gsl")
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(gslFit, Multiple5, 5, Design::Variables, 6)
    ->Name("Multiple5 / gsl")
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);
