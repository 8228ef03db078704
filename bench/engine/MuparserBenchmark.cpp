#include "EngineBenchmarkTexts.h"

#include <muParser.h>

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <memory>

// The same texts, x values and loops as ours, evaluated by muparser (double precision) as a yardstick.
namespace {

double cubeRoot(double value) {
    return std::cbrt(value);
}
double wholePart(double value) {
    return std::floor(value);
}

struct Muparser {
    explicit Muparser(const char* text) {
        parser.DefineVar("x", &x);
        parser.DefineFun("cbrt", cubeRoot);
        parser.DefineFun("int", wholePart);
        parser.SetExpr(text);
        parser.Eval();
    }
    double x = 0;
    mu::Parser parser;
};

void evaluateColumns(benchmark::State& state, const engine_bench::SampleText& sample) {
    Muparser function(sample.muparser);
    const auto xs = engine_bench::columnXs(sample.low, sample.high);
    double sum = 0;
    for (auto _ : state) {
        for (const long double x : xs) {
            function.x = static_cast<double>(x);
            const double y = function.parser.Eval();
            if (std::isfinite(y))
                sum += y;
        }
    }
    benchmark::DoNotOptimize(sum);
    engine_bench::countValues(state, xs.size());
}

void derivativeColumns(benchmark::State& state) {
    Muparser function(engine_bench::DerivativeText.muparser);
    const auto xs = engine_bench::columnXs(-10, 10);
    double sum = 0;
    for (auto _ : state) {
        for (const long double x : xs) {
            const double dydx = function.parser.Diff(&function.x, static_cast<double>(x));
            if (std::isfinite(dydx))
                sum += dydx;
        }
    }
    benchmark::DoNotOptimize(sum);
    engine_bench::countValues(state, xs.size());
}

void redrawTwelveFunctions(benchmark::State& state) {
    std::array<std::unique_ptr<Muparser>, engine_bench::RedrawTexts.size()> functions;
    for (std::size_t i = 0; i < functions.size(); ++i)
        functions[i] = std::make_unique<Muparser>(engine_bench::RedrawTexts[i].muparser);
    const auto xs = engine_bench::columnXs(-10, 10);
    double sum = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < functions.size(); ++i) {
            const engine_bench::SampleText& text = engine_bench::RedrawTexts[i];
            for (const long double x : xs) {
                if (x < text.low || x > text.high)
                    continue;
                functions[i]->x = static_cast<double>(x);
                const double y = functions[i]->parser.Eval();
                if (std::isfinite(y))
                    sum += y;
            }
        }
    }
    benchmark::DoNotOptimize(sum);
    engine_bench::countValues(state, functions.size() * xs.size());
}

const bool registered = [] {
    for (const engine_bench::SampleText& sample : engine_bench::SampleTexts)
        benchmark::RegisterBenchmark((sample.ours + std::string(" / muparser")).c_str(), evaluateColumns,
                                     sample);
    benchmark::RegisterBenchmark("Derivative / muparser", derivativeColumns);
    benchmark::RegisterBenchmark("Redraw 12x1921 / muparser", redrawTwelveFunctions);
    return true;
}();

} // namespace
