#include "reggraph/AxesLayout.h"
#include "reggraph/FirstTick.h"
#include "reggraph/Histogram.h"
#include "reggraph/XYLine.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

using namespace reggraph;
using common::GraphRange;

namespace {

int narrowFont(const std::string& text) {
    return 6 * static_cast<int>(text.size());
}

void layoutRange(benchmark::State& state, const GraphRange& range) {
    for (auto _ : state)
        benchmark::DoNotOptimize(layoutAxes(range, 800, 600, narrowFont, '.'));
}

void DefaultAxes(benchmark::State& state) {
    layoutRange(state, {0, 12, 1, 0, 10, 1});
}
BENCHMARK(DefaultAxes);

// The most ticks a range may have on both axes.
void TenThousandTicksPerAxis(benchmark::State& state) {
    layoutRange(state, {-5000, 5000, 1, 0, 10000, 1});
}
BENCHMARK(TenThousandTicksPerAxis)->Unit(benchmark::kMillisecond);

// The longest first-tick search allowed: a million steps from 0.
void FirstTickMillionStepsAway(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(firstTick(-1'000'000, 1));
}
BENCHMARK(FirstTickMillionStepsAway)->Unit(benchmark::kMillisecond);

std::vector<long double> randomValues(std::size_t count, long double low, long double high) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> value(static_cast<double>(low), static_cast<double>(high));
    std::vector<long double> values(count);
    for (long double& v : values)
        v = value(random);
    return values;
}

void HistogramOfAMillionRows(benchmark::State& state) {
    const GraphRange range{0, 12, 1, 0, 10, 1};
    const std::vector<long double> xs = randomValues(1'000'000, -1, 13);
    const std::vector<long double> ys(xs.size(), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(histogramClasses(range, 0, xs, ys));
}
BENCHMARK(HistogramOfAMillionRows)->Unit(benchmark::kMillisecond);

void XYLineOfAMillionRows(benchmark::State& state) {
    const std::vector<long double> xs = randomValues(1'000'000, 0, 12);
    const std::vector<long double> ys(xs.size(), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(xyLineOrder(xs, ys));
}
BENCHMARK(XYLineOfAMillionRows)->Unit(benchmark::kMillisecond);

} // namespace
