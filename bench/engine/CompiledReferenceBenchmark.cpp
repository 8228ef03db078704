#include "EngineBenchmarkTexts.h"
#include "engine/Trigonometry.h"

#include <benchmark/benchmark.h>

// sin(2x)+cos(x/3) written as C++ on the engine's own sine and cosine: the floor that the evaluator's
// interpretation of the same text is measured against.
namespace {

void trigonometricColumns(benchmark::State& state) {
    const auto xs = engine_bench::columnXs(-10, 10);
    long double sum = 0;
    for (auto _ : state) {
        for (const long double x : xs)
            sum += engine::sine(2 * x) + engine::cosine(x / 3);
    }
    benchmark::DoNotOptimize(sum);
    engine_bench::countValues(state, xs.size());
}

const bool registered = [] {
    benchmark::RegisterBenchmark("sin(2x)+cos(x/3) / compiled", trigonometricColumns);
    return true;
}();

} // namespace
