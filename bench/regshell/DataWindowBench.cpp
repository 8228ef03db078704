// The Data window at one million rows: opening a project file into it, importing a CSV file (the
// preview dialog and the import into the grid), scrolling to the last row, sorting a list and a
// linear fit as its button runs it. Run offscreen (QT_QPA_PLATFORM=offscreen).
#include "../../tests/regshell/FakeDataWindowHost.h"
#include "common/IniFile.h"
#include "projects/ColumnTextImport.h"
#include "projects/ProjectStore.h"
#include "regression/DataListsInput.h"
#include "regression/FitCommands.h"
#include "regression/RegressionResult.h"
#include "regshell/ImportDialog.h"
#include "regshell/TForm3.h"
#include "regshell/TForm3ListsGrid.h"
#include "regshell/TessalySettings.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int Rows = 1'000'000;

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / 1e6;
}

std::filesystem::path folder() {
    static const std::filesystem::path path = [] {
        auto made = std::filesystem::temp_directory_path() / "regshell-bench";
        std::filesystem::create_directories(made);
        return made;
    }();
    return path;
}

// A project file of one X list and Y with a million random rows, written once.
std::filesystem::path millionRowFile() {
    static const std::filesystem::path path = [] {
        projects::ProjectStore store;
        projects::DataWindowContent content;
        store.newFile(content, {});
        store.createProject("Big", 1, {"X"}, "Y", {});
        store.loadProject("Big", content);
        std::mt19937_64 random(7);
        std::uniform_real_distribution<double> noise(-1.0, 1.0);
        for (int row = 1; row <= Rows; ++row) {
            const double x = noise(random) * 1000.0;
            content.lists.setCell(1, row, std::to_string(x).substr(0, 9));
            content.lists.setCell(2, row, std::to_string(3.0 + 2.0 * x + noise(random)).substr(0, 9));
        }
        const auto file = folder() / "million.tsy";
        store.saveFile(file, content);
        return file;
    }();
    return path;
}

// A CSV file of a header and a million rows of two numbers, about 20 MB, written once.
std::filesystem::path millionRowCsvFile() {
    static const std::filesystem::path path = [] {
        std::mt19937_64 random(11);
        std::uniform_real_distribution<double> noise(-1.0, 1.0);
        std::string text = "Time,Level\r\n";
        for (int row = 1; row <= Rows; ++row) {
            const double x = noise(random) * 1000.0;
            text += std::to_string(x).substr(0, 9) + "," +
                    std::to_string(3.0 + 2.0 * x + noise(random)).substr(0, 9) + "\r\n";
        }
        const auto file = folder() / "million.csv";
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }();
    return path;
}

// One shown Data window for all measurements, as the program has one.
struct Program {
    int argc = 1;
    char name[8] = "bench";
    char* argv[1] = {name};
    QApplication application{argc, argv};
    common::IniFile ini{folder() / "tessaly.ini"};
    regshell::TessalySettings settings{ini};
    FakeDataWindowHost host;
    TForm3 window{host, settings};
    projects::ProjectStore store;

    Program() {
        window.resize(600, 800);
        window.show();
        QApplication::processEvents();
    }

    void open() {
        store.loadFile(millionRowFile(), window.content());
        window.showContent();
        window.listsGrid()->repaint();
    }
};

Program& program() {
    static Program* shared = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new Program;
    }();
    return *shared;
}

void BM_OpenMillionRowProject(benchmark::State& state) {
    millionRowFile();
    Program& p = program();
    for (auto _ : state)
        p.open();
    state.counters["rows"] = p.window.lists().rowCount() - 1;
    state.counters["RSS MB"] = residentMegabytes();
}
BENCHMARK(BM_OpenMillionRowProject)->Unit(benchmark::kMillisecond)->Iterations(3);

// What Import Data does before the preview shows: reading the file, detecting its format, reading
// it with the format and filling the dialog.
void BM_PreviewMillionRowCsv(benchmark::State& state) {
    const auto file = millionRowCsvFile();
    Program& p = program();
    regshell::ImportDialog dialog;
    for (auto _ : state) {
        dialog.prepare(projects::readImportText(file), QString::fromStdString(file.string()), '.', true);
        benchmark::DoNotOptimize(dialog.preview());
    }
    state.counters["rows"] = static_cast<double>(dialog.preview() ? dialog.preview()->rowCount : 0);
    (void)p;
}
BENCHMARK(BM_PreviewMillionRowCsv)->Unit(benchmark::kMillisecond)->Iterations(5);

// OK of the preview: every row into the lists, shown in the grid.
void BM_ImportMillionRowCsv(benchmark::State& state) {
    const auto file = millionRowCsvFile();
    Program& p = program();
    const std::string text = projects::readImportText(file);
    const projects::ColumnTextFormat format = projects::detectColumnTextFormat(text);
    for (auto _ : state) {
        projects::ImportedLists imported =
            projects::importColumnText(text, format, projects::defaultColumnChoice(2), '.');
        p.window.content().lists = std::move(imported.lists);
        p.window.showContent();
        p.window.listsGrid()->repaint();
    }
    state.counters["rows"] = p.window.lists().completeRowCount();
    state.counters["RSS MB"] = residentMegabytes();
}
BENCHMARK(BM_ImportMillionRowCsv)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ScrollToLastRow(benchmark::State& state) {
    Program& p = program();
    p.open();
    for (auto _ : state) {
        p.window.setCurrentCell(1, 1);
        p.window.listsGrid()->repaint();
        p.window.setCurrentCell(2, p.window.lists().rowCount() - 1);
        p.window.listsGrid()->scrollToBottom();
        p.window.listsGrid()->repaint();
    }
    state.counters["RSS MB"] = residentMegabytes();
}
BENCHMARK(BM_ScrollToLastRow)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SortList(benchmark::State& state) {
    Program& p = program();
    for (auto _ : state) {
        state.PauseTiming();
        p.open();
        p.host.selectedColumn = 1;
        state.ResumeTiming();
        p.window.sortSelectedList();
        p.window.listsGrid()->repaint();
    }
    state.counters["RSS MB"] = residentMegabytes();
}
BENCHMARK(BM_SortList)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LinearFit(benchmark::State& state) {
    Program& p = program();
    p.open();
    regression::RegressionResult result;
    for (auto _ : state) {
        const regression::FitData data = regression::readFitData(p.window.lists(), "Big", '.');
        benchmark::DoNotOptimize(regression::fitSimpleModel(result, regression::ModelKind::Linear, data));
    }
    state.counters["b"] = static_cast<double>(result.b);
    state.counters["RSS MB"] = residentMegabytes();
}
BENCHMARK(BM_LinearFit)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
