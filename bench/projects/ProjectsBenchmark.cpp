// Data lists and project files at one million rows of five variables and Y.
#include "projects/ProjectStore.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr int kRows = 1'000'000;
constexpr int kVariables = 5;

// Resident memory of the process in bytes.
double residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0;
}

std::string numberText(std::mt19937_64& random) {
    std::uniform_real_distribution<double> value(-1000.0, 1000.0);
    return std::to_string(value(random)).substr(0, 9);
}

void fill(projects::DataLists& lists) {
    std::mt19937_64 random(42);
    lists.setVariableCount(kVariables);
    for (int row = 1; row <= kRows; ++row)
        for (int column = 1; column <= kVariables + 1; ++column)
            lists.setCell(column, row, numberText(random));
}

const projects::DataLists& millionRows() {
    static const projects::DataLists lists = [] {
        projects::DataLists filled;
        fill(filled);
        return filled;
    }();
    return lists;
}

std::filesystem::path benchFile() {
    return std::filesystem::temp_directory_path() / "projects-bench.tsy";
}

void saveMillionRowProject(projects::ProjectStore& store, projects::DataWindowContent& window) {
    store.newFile(window, {});
    store.createProject("Big", kVariables, {"A", "B", "C", "D", "E"}, "Y", {});
    store.loadProject("Big", window);
    window.lists = millionRows();
    store.saveFile(benchFile(), window);
}

void BM_TypeMillionRows(benchmark::State& state) {
    for (auto _ : state) {
        projects::DataLists lists;
        std::mt19937_64 random(1);
        state.PauseTiming();
        std::vector<std::string> texts;
        texts.reserve(1024);
        for (int i = 0; i < 1024; ++i)
            texts.push_back(numberText(random));
        state.ResumeTiming();
        lists.setVariableCount(kVariables);
        for (int row = 1; row <= kRows; ++row) {
            for (int column = 1; column <= kVariables + 1; ++column) {
                lists.setCell(column, row, texts[static_cast<std::size_t>(row * 7 + column) & 1023]);
                lists.growWhileTyping(row);
            }
        }
        benchmark::DoNotOptimize(lists.completeRowCount());
        state.counters["cell MB"] = static_cast<double>(lists.memoryUsage()) / 1e6;
        state.counters["RSS MB"] = residentBytes() / 1e6;
    }
}
BENCHMARK(BM_TypeMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_InsertAndDeleteRowAtTheTop(benchmark::State& state) {
    projects::DataLists lists = millionRows();
    for (auto _ : state) {
        lists.insertRow(1);
        lists.deleteRow(1);
    }
}
BENCHMARK(BM_InsertAndDeleteRowAtTheTop)->Unit(benchmark::kMillisecond);

void BM_SortMillionRows(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        projects::DataLists lists = millionRows();
        state.ResumeTiming();
        lists.sortByList(kVariables + 1);
        benchmark::DoNotOptimize(lists.cell(1, 1));
    }
}
BENCHMARK(BM_SortMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveMillionRowProject(benchmark::State& state) {
    projects::ProjectStore store;
    projects::DataWindowContent window;
    saveMillionRowProject(store, window);
    for (auto _ : state)
        store.saveFile(benchFile(), window);
    state.counters["file MB"] = static_cast<double>(std::filesystem::file_size(benchFile())) / 1e6;
}
BENCHMARK(BM_SaveMillionRowProject)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadMillionRowProject(benchmark::State& state) {
    {
        projects::ProjectStore store;
        projects::DataWindowContent window;
        saveMillionRowProject(store, window);
    }
    for (auto _ : state) {
        projects::ProjectStore store;
        projects::DataWindowContent window;
        store.loadFile(benchFile(), window);
        benchmark::DoNotOptimize(window.lists.completeRowCount());
        state.PauseTiming();
        double storeBytes = 0;
        for (const std::string& line : store.lines())
            storeBytes += static_cast<double>(line.capacity());
        state.counters["cells MB"] = static_cast<double>(window.lists.memoryUsage()) / 1e6;
        state.counters["store MB"] = storeBytes / 1e6;
        state.ResumeTiming();
    }
    std::filesystem::remove(benchFile());
}
BENCHMARK(BM_LoadMillionRowProject)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
