#include "EngineBenchmarkTexts.h"
#include "engine/Engine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

// Evaluation speed of compiled functions: the four sample texts over the x values of a 1,921
// column graph, the numeric derivative, the sampling of a whole redraw of the graph, compiling, and
// compiling a megabyte of hostile text.
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

// A megabyte of text that no user types, as the hostile-text tests feed the compiler: a refusal or a
// compiled function, measured in bytes per second.
void compileOneMegabyte(benchmark::State& state, const std::string& piece) {
    engine::StartEngine('.', ',');
    std::string text;
    while (text.size() < (std::size_t(1) << 20))
        text += piece;
    for (auto _ : state) {
        engine::TFunction function;
        std::string error;
        benchmark::DoNotOptimize(function.Compile(text, error));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

const bool registered = [] {
    for (const engine_bench::SampleText& sample : engine_bench::SampleTexts)
        benchmark::RegisterBenchmark((sample.ours + std::string(" / ours")).c_str(), evaluateColumns, sample);
    benchmark::RegisterBenchmark("Derivative / ours", derivativeColumns);
    benchmark::RegisterBenchmark("Redraw 12x1921 / ours", redrawTwelveFunctions);
    benchmark::RegisterBenchmark("Compile", compile)->Unit(benchmark::kMicrosecond);
    for (const char* piece : {"1", "x+", "2x^2sin(x)cos(x)/3(x+1)^-1E-3", "x^2", "("})
        benchmark::RegisterBenchmark((std::string("Compile 1 MB of ") + piece).c_str(), compileOneMegabyte,
                                     std::string(piece))
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
