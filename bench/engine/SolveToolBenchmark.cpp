#include "engine/Engine.h"
#include "graph/SolveNumerics.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

// The solve tools' longest searches: the derivative of a derivative never settles on a curve of
// random numbers, so every slope takes all 50 steps at each of the three levels.
namespace {

template <bool WithTimeLimit> void maximumOfNestedDerivative(benchmark::State& state, const char* text) {
    engine::StartEngine('.', ',');
    engine::TFunction function;
    std::string error;
    if (!function.Compile(text, error))
        throw std::runtime_error(error);
    const graph::WorldSelection selection{-1, 1, -1e300L, 1e300L};
    for (auto _ : state) {
        const graph::SearchDeadline deadline = WithTimeLimit
                                                   ? graph::SearchDeadline::after(graph::SolveToolTimeLimit)
                                                   : graph::SearchDeadline::none();
        benchmark::DoNotOptimize(
            graph::findExtremum(function, selection, graph::Extremum::Maximum, deadline));
    }
}

const bool registered = [] {
    for (const char* text : {"d/dx(d/dx(random))", "d/dx(d/dx(sin(x)))"}) {
        benchmark::RegisterBenchmark((std::string("Maximum over -1..1 of ") + text).c_str(),
                                     maximumOfNestedDerivative<false>, text)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
        // As the graph window runs the tool: what the user waits, in wall-clock time.
        benchmark::RegisterBenchmark((std::string("Maximum tool over -1..1 of ") + text).c_str(),
                                     maximumOfNestedDerivative<true>, text)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3)
            ->UseRealTime();
    }
    return true;
}();

} // namespace
