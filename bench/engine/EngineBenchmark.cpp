#include "EngineBenchmarkTexts.h"
#include "engine/Engine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <stdexcept>
#include <string>

// Evaluation speed of compiled functions: the four sample texts over the x values of a 1,921
// column graph, the numeric derivative, the sampling of a whole redraw of the graph, compiling.
namespace {

engine::TFunction compiled(const std::string& text) {
    engine::TFunction function;
    std::string error;
    if (!function.Compile(text, error))
        throw std::runtime_error(text + ": " + error);
    return function;
}

void evaluateColumns(benchmark::State& state, const engine_bench::SampleText& sample) {
    engine::StartEngine('.', ',');
    engine::TFunction function = compiled(sample.ours);
    const auto xs = engine_bench::columnXs(sample.low, sample.high);
    long double sum = 0;
    for (auto _ : state) {
        for (const long double x : xs) {
            long double y;
            if (function.Evaluate(x, y))
                sum += y;
        }
    }
    benchmark::DoNotOptimize(sum);
    engine_bench::countValues(state, xs.size());
}

void derivativeColumns(benchmark::State& state) {
    engine::StartEngine('.', ',');
    engine::TFunction function = compiled(engine_bench::DerivativeText.ours);
    const auto xs = engine_bench::columnXs(-10, 10);
    long double sum = 0;
    for (auto _ : state) {
        for (const long double x : xs) {
            long double dydx;
            if (function.Derivative(x, dydx))
                sum += dydx;
        }
    }
    benchmark::DoNotOptimize(sum);
    engine_bench::countValues(state, xs.size());
}

// Twelve curves sampled at every column of a 1,921 pixel wide graph.
void redrawTwelveFunctions(benchmark::State& state) {
    engine::StartEngine('.', ',');
    std::array<engine::TFunction, engine_bench::RedrawTexts.size()> functions;
    for (std::size_t i = 0; i < functions.size(); ++i)
        functions[i] = compiled(engine_bench::RedrawTexts[i].ours);
    const auto xs = engine_bench::columnXs(-10, 10);
    long double sum = 0;
    for (auto _ : state) {
        for (auto& function : functions) {
            for (const long double x : xs) {
                long double y;
                if (function.Evaluate(x, y))
                    sum += y;
            }
        }
    }
    benchmark::DoNotOptimize(sum);
    engine_bench::countValues(state, functions.size() * xs.size());
}

void compile(benchmark::State& state) {
    engine::StartEngine('.', ',');
    for (auto _ : state) {
        engine::TFunction function;
        std::string error;
        benchmark::DoNotOptimize(function.Compile("x^5-4x^3+2x-7+sin(2x)cos(x/3)", error));
    }
}

const bool registered = [] {
    for (const engine_bench::SampleText& sample : engine_bench::SampleTexts)
        benchmark::RegisterBenchmark((sample.ours + std::string(" / ours")).c_str(), evaluateColumns, sample);
    benchmark::RegisterBenchmark("Derivative / ours", derivativeColumns);
    benchmark::RegisterBenchmark("Redraw 12x1921 / ours", redrawTwelveFunctions);
    benchmark::RegisterBenchmark("Compile", compile)->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
