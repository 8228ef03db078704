#include "engine/Engine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <stdexcept>
#include <string>

// Evaluation speed of compiled functions: single functions, the numeric derivative and the
// sampling of a whole redraw of the graph.
namespace {

engine::TFunction compiled(const std::string& text) {
    engine::StartEngine('.', ',');
    engine::TFunction function;
    std::string error;
    if (!function.Compile(text, error))
        throw std::runtime_error(text + ": " + error);
    return function;
}

void evaluateOverRange(benchmark::State& state, const char* text) {
    engine::TFunction function = compiled(text);
    long double x = -1;
    long double sum = 0;
    for (auto _ : state) {
        long double y;
        if (function.Evaluate(x, y))
            sum += y;
        x += 0.001L;
        if (x > 1)
            x = -1;
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations());
}

void BM_Evaluate_Quadratic(benchmark::State& state) {
    evaluateOverRange(state, "2x^2-3x+1");
}
void BM_Evaluate_Trigonometric(benchmark::State& state) {
    evaluateOverRange(state, "sin(2x)+cos(x/3)");
}
void BM_Evaluate_HalfCircleWithDomain(benchmark::State& state) {
    evaluateOverRange(state, "sqrt(1-x^2)[-1;1]");
}
void BM_Evaluate_Quintic(benchmark::State& state) {
    evaluateOverRange(state, "x^5-4x^3+2x-7");
}

void BM_Derivative(benchmark::State& state) {
    engine::TFunction function = compiled("sin(2x)+cos(x/3)");
    long double x = 0.3L;
    long double sum = 0;
    for (auto _ : state) {
        long double dydx;
        if (function.Derivative(x, dydx))
            sum += dydx;
        x += 0.001L;
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations());
}

// Twelve curves sampled at every column of a 1,921 pixel wide graph.
void BM_RedrawTwelveFunctions(benchmark::State& state) {
    static constexpr std::array<const char*, 12> texts{
        "2x^2-3x+1", "sin(2x)+cos(x/3)", "sqrt(1-x^2)[-1;1]", "x^5-4x^3+2x-7", "ln(x)",
        "e^-x^2",    "tan(x)",           "abs(x-1)",          "1/x",           "cbrt(x)",
        "int(2x)/2", "arctan(x)"};
    std::array<engine::TFunction, 12> functions;
    engine::StartEngine('.', ',');
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::string error;
        if (!functions[i].Compile(texts[i], error))
            throw std::runtime_error(error);
    }
    constexpr int Columns = 1921;
    long double sum = 0;
    for (auto _ : state) {
        for (auto& function : functions) {
            for (int column = 0; column < Columns; ++column) {
                const long double x = -10 + 20.0L * column / (Columns - 1);
                long double y;
                if (function.Evaluate(x, y))
                    sum += y;
            }
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * 12 * Columns);
}

void BM_Compile(benchmark::State& state) {
    engine::StartEngine('.', ',');
    for (auto _ : state) {
        engine::TFunction function;
        std::string error;
        benchmark::DoNotOptimize(function.Compile("x^5-4x^3+2x-7+sin(2x)cos(x/3)", error));
    }
}

} // namespace

BENCHMARK(BM_Evaluate_Quadratic);
BENCHMARK(BM_Evaluate_Trigonometric);
BENCHMARK(BM_Evaluate_HalfCircleWithDomain);
BENCHMARK(BM_Evaluate_Quintic);
BENCHMARK(BM_Derivative);
BENCHMARK(BM_RedrawTwelveFunctions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compile)->Unit(benchmark::kMicrosecond);
