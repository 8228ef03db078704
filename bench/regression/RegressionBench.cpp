// The fits and the list statistics on 1,000,000 rows, the largest lists users paste.
#include "common/NumberFormat.h"
#include "projects/DataLists.h"
#include "regression/DataListsInput.h"
#include "regression/FitCommands.h"
#include "regression/ListStatistics.h"
#include "translation/Translator.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace regression;

namespace {

constexpr int kRows = 1'000'000;

void loadTexts() {
    static const bool loaded = [] {
        translation::translator().loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/tsyEnglish.lng");
        return true;
    }();
    (void)loaded;
}

// Measurements near 10^3 with noise; k independent variables.
const FitData& points(int k) {
    static std::vector<FitData> cache(6);
    FitData& data = cache[k];
    if (data.y.empty()) {
        std::mt19937_64 random(k);
        std::uniform_real_distribution<double> uniform(0, 1);
        data.context = {"Bench", {"A", "B", "C", "D", "E"}, "Y", '.'};
        data.context.xNames.resize(k);
        data.x.assign(k, std::vector<long double>(kRows));
        data.y.resize(kRows);
        for (int row = 0; row < kRows; ++row) {
            long double y = 5 + uniform(random);
            for (int j = 0; j < k; ++j) {
                data.x[j][row] = 1000 + 10 * uniform(random) + row * 1e-3L;
                y += (j + 1) * data.x[j][row];
            }
            data.y[row] = y;
        }
    }
    return data;
}

// The points of k variables; with Arg 1 the fit writes the coefficient statistics as well, so the
// two runs of a benchmark give what the statistics add.
FitData pointsFor(int k, const benchmark::State& state) {
    FitData data = points(k);
    data.context.coefficientStatistics = state.range(0) != 0;
    return data;
}

const projects::DataLists& pastedLists() {
    static projects::DataLists lists;
    if (lists.completeRowCount() == 0) {
        const FitData& data = points(1);
        lists.setRowCount(kRows + 1);
        for (int row = 1; row <= kRows; ++row) {
            lists.setCell(1, row, common::formatPlain(data.x[0][row - 1]));
            lists.setCell(2, row, common::formatPlain(data.y[row - 1]));
        }
    }
    return lists;
}

void simpleFit(benchmark::State& state, ModelKind kind) {
    loadTexts();
    const FitData data = pointsFor(1, state);
    RegressionResult result;
    for (auto _ : state)
        benchmark::DoNotOptimize(fitSimpleModel(result, kind, data));
}

void BM_PolynomialFifthDegree(benchmark::State& state) {
    loadTexts();
    const FitData data = pointsFor(1, state);
    RegressionResult result;
    for (auto _ : state)
        benchmark::DoNotOptimize(fitPolynomial(result, 5, data));
}

void BM_MultipleFiveVariables(benchmark::State& state) {
    loadTexts();
    const FitData data = pointsFor(5, state);
    RegressionResult result;
    for (auto _ : state)
        benchmark::DoNotOptimize(logMultiple(result, data));
}

void BM_OneVariableAnalysis(benchmark::State& state) {
    loadTexts();
    const auto cells = listCells(pastedLists(), 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(oneVariableAnalysis({"Bench", "Y", '.'}, cells));
}

void BM_ReadPointsFromLists(benchmark::State& state) {
    const projects::DataLists& lists = pastedLists();
    for (auto _ : state)
        benchmark::DoNotOptimize(readFitData(lists, "Bench", '.'));
}

} // namespace

BENCHMARK_CAPTURE(simpleFit, Linear, ModelKind::Linear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(simpleFit, Logarithmic, ModelKind::Logarithmic)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(simpleFit, Exponential, ModelKind::Exponential)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(simpleFit, Power, ModelKind::Power)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(simpleFit, Reciprocal, ModelKind::Reciprocal)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PolynomialFifthDegree)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultipleFiveVariables)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneVariableAnalysis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPointsFromLists)->Unit(benchmark::kMillisecond);
