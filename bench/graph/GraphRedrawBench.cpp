#include "common/ViewGestures.h"
#include "engine/Engine.h"
#include "graph/Graph.h"
#include "graph/PlotOptions.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// Drawing needs a GUI application for its fonts; no display is used.
void startApplication() {
    static int argc = 1;
    static char name[] = "graph_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

const char* const TwelveFunctions[] = {"sin(x)",   "x^2/4-3", "1/x",        "sqrt(x)",
                                       "tan(x)",   "cos(2x)", "x^3/10-x",   "ln(abs(x))",
                                       "abs(x)-4", "2^x/10",  "sin(x)*x/3", "int(x)/2"};

void setUpGraph(graph::Graph& graph, QSize size) {
    engine::StartEngine('.', ',');
    graph.setRange({-10, 10, 1, -6, 6, 1});
    graph.NewWork(size, graph::PlotMode::Function);
    for (const char* text : TwelveFunctions) {
        std::string error;
        if (graph.plotFunction(text, error) != graph::Graph::PlotOutcome::Plotted)
            qFatal("%s does not plot: %s", text, error.c_str());
    }
}

// A full redraw of twelve curves with grid, axes, scale numbers and names, onto both pictures.
void FullRedrawTwelveFunctions(benchmark::State& state, bool bold) {
    startApplication();
    graph::PlotOptions options;
    options.boldLines = bold;
    graph::Graph graph(options);
    const QSize size(1920, 1080);
    setUpGraph(graph, size);
    for (auto _ : state) {
        graph.Redraw(size, graph::PlotMode::Function);
        benchmark::DoNotOptimize(graph.picture().constBits());
    }
}

void FullRedrawTwelveFunctionsNormal(benchmark::State& state) {
    FullRedrawTwelveFunctions(state, false);
}
void FullRedrawTwelveFunctionsBold(benchmark::State& state) {
    FullRedrawTwelveFunctions(state, true);
}

// The share of the evaluations alone: twelve functions at 1884 columns.
void EvaluateTwelveFunctionsOncePerColumn(benchmark::State& state) {
    startApplication();
    graph::PlotOptions options;
    graph::Graph graph(options);
    setUpGraph(graph, QSize(1920, 1080));
    const graph::GraphCoordinates& c = graph.coordinates();
    for (auto _ : state) {
        long double sum = 0;
        for (engine::TFunction* function : graph.compiledFunctions())
            for (int i = 0; i <= c.width; ++i) {
                long double y = 0;
                if (function->Evaluate(c.xOfColumnOffset(i), y))
                    sum += y;
            }
        benchmark::DoNotOptimize(sum);
    }
}

// A redraw for a new view each time, as a wheel turn asks for: ten notches in about a point, ten out,
// and so on; each view is written as the range window's texts and drawn from them.
void RedrawForANewViewTwelveFunctions(benchmark::State& state) {
    startApplication();
    graph::PlotOptions options;
    graph::Graph graph(options);
    const QSize size(1920, 1080);
    setUpGraph(graph, size);
    const graph::GraphCoordinates& c = graph.coordinates();
    const common::PlotArea area{c.left, c.top, c.width, c.height};
    common::ViewGestures gestures('.', [&area](const common::GraphRange&) { return area; });
    common::RangeTexts texts = common::formatRange(graph.range(), '.');
    int turn = 0;
    for (auto _ : state) {
        const int delta = (turn++ / 10) % 2 == 0 ? 120 : -120;
        const auto change = gestures.wheel({texts, graph.range()}, 700, 400, delta, common::ZoomAxes::Both,
                                           {}, std::chrono::steady_clock::now());
        if (change)
            texts = change->texts;
        graph.setRange(common::parseRange(texts, '.'));
        graph.Redraw(size, graph::PlotMode::Function);
        benchmark::DoNotOptimize(graph.picture().constBits());
    }
}

} // namespace

BENCHMARK(RedrawForANewViewTwelveFunctions)->Unit(benchmark::kMillisecond);
BENCHMARK(FullRedrawTwelveFunctionsNormal)->Unit(benchmark::kMillisecond);
BENCHMARK(FullRedrawTwelveFunctionsBold)->Unit(benchmark::kMillisecond);
BENCHMARK(EvaluateTwelveFunctionsOncePerColumn)->Unit(benchmark::kMillisecond);
