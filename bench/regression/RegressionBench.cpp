// The fits and the list statistics on 1,000,000 rows, the largest lists users paste.
#include "BenchmarkPoints.h"
#include "common/NumberFormat.h"
#include "projects/DataLists.h"
#include "regression/DataListsInput.h"
#include "regression/FitCommands.h"
#include "regression/ListStatistics.h"
#include "translation/Translator.h"

#include <benchmark/benchmark.h>

using namespace regression;
using regression_bench::benchmarkPoints;
using regression_bench::kRows;

namespace {

void loadTexts() {
    static const bool loaded = [] {
        translation::translator().loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/tsyEnglish.lng");
        return true;
    }();
    (void)loaded;
}

// The points of k variables; with Arg 1 the fit writes the coefficient statistics as well, so the
// two runs of a benchmark give what the statistics add.
FitData pointsFor(int k, const benchmark::State& state) {
    FitData data = benchmarkPoints(k);
    data.context.coefficientStatistics = state.range(0) != 0;
    return data;
}

const projects::DataLists& pastedLists() {
    static projects::DataLists lists;
    if (lists.completeRowCount() == 0) {
        const FitData& data = benchmarkPoints(1);
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

// The line, the polynomial and the multiple fit are named "... / ours": with GSL built in, the same
// fits by GSL run as "... / gsl" and the ratios are printed at the end.
BENCHMARK_CAPTURE(simpleFit, Linear, ModelKind::Linear)
    ->Name("Linear / ours")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(simpleFit, Logarithmic, ModelKind::Logarithmic)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(simpleFit, Exponential, ModelKind::Exponential)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(simpleFit, Power, ModelKind::Power)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(simpleFit, Reciprocal, ModelKind::Reciprocal)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PolynomialFifthDegree)
    ->Name("Polynomial5 / ours")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultipleFiveVariables)->Name("Multiple5 / ours")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneVariableAnalysis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPointsFromLists)->Unit(benchmark::kMillisecond);
