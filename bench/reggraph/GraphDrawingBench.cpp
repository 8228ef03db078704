#include "common/ViewGestures.h"
#include "pictures/PictureFiles.h"
#include "projects/DataLists.h"
#include "projects/FunctionRecord.h"
#include "reggraph/GraphDrawing.h"
#include "reggraph/SeriesDrawing.h"
#include "reggraph/SeriesPointsCache.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <benchmark/benchmark.h>

#include <random>
#include <string>

using namespace reggraph;

namespace {

// Drawing needs a GUI application for its fonts; no display is used.
void startApplication() {
    static int argc = 1;
    static char name[] = "reggraph_drawing_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

const QSize FullHd(1920, 1080);

const char* const TwelveFits[] = {"Linear;y=1+0.5x;1;0.5;",
                                  "Logarithmic;y=2ln(x)+1;1;2;",
                                  "Exponential;y=0.5e^(0.3x);0.5;0.3;",
                                  "Power;y=2x^0.5;2;0.5;",
                                  "Reciprocal;y=1+3/x;1;3;",
                                  "p2reg;y=0.1x^2-3;2;-3;0;0.1;",
                                  "p3reg;y=0.02x^3-x;3;0;-1;0;0.02;",
                                  "p4reg;y=0.002x^4-0.2x^2;4;0;0;-0.2;0;0.002;",
                                  "p5reg;y=0.0005x^5-0.05x^3+x;5;0;1;0;-0.05;0;0.0005;",
                                  "Multiple;y=1+0.5x1+2x2;1;0.5;2;0;1;3;",
                                  "Linear;y=4-0.8x;4;-0.8;",
                                  "Linear;y=2;2;0;"};

// A scene of the range -10..10, -6..6 with the twelve fits and, when asked, the lists of
// `points` random points inside the range with the scatter switched on. Like Tessaly's window it
// keeps the points it read between drawings; ReadScatterPoints times a reading.
struct BenchScene {
    projects::DataLists lists;
    SeriesPointsCache seriesCache;
    GraphScene scene;

    explicit BenchScene(int points) {
        scene.range = {"-10", "10", "1", "-6", "6", "1"};
        for (const char* record : TwelveFits)
            scene.records.push_back(projects::parseRecord(record));
        scene.series.scatter = points > 0;
        std::mt19937_64 random(7);
        std::uniform_real_distribution<double> x(-10, 10);
        std::uniform_real_distribution<double> y(-6, 6);
        lists.reserveRows(1, points);
        lists.reserveRows(2, points);
        for (int row = 1; row <= points; ++row) {
            lists.setCell(1, row, std::to_string(x(random)));
            lists.setCell(2, row, std::to_string(y(random)));
        }
        scene.lists = &lists;
        scene.seriesCache = &seriesCache;
    }
};

void RasterRedraw(benchmark::State& state) {
    startApplication();
    BenchScene bench(static_cast<int>(state.range(0)));
    regression::RegressionResult result;
    for (auto _ : state) {
        bool valid = false;
        benchmark::DoNotOptimize(rasterGraph(bench.scene, FullHd, result, valid));
    }
}
BENCHMARK(RasterRedraw)->Arg(0)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A vector target that keeps nothing, so VectorRedraw times what a vector target is handed, the
// same painter calls as an SVG or PDF file gets, without the file format's own writing.
class DiscardingEngine : public QPaintEngine {
public:
    DiscardingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPath(const QPainterPath& path) override { benchmark::DoNotOptimize(path.elementCount()); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        benchmark::DoNotOptimize(points);
        benchmark::DoNotOptimize(count);
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem& text) override {
        benchmark::DoNotOptimize(text.text());
    }
    Type type() const override { return QPaintEngine::User; }
};

class DiscardingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return FullHd.width();
        case PdmHeight:
            return FullHd.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return pictures::PictureResolution;
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    mutable DiscardingEngine engine_;
};

void VectorRedraw(benchmark::State& state) {
    startApplication();
    BenchScene bench(static_cast<int>(state.range(0)));
    regression::RegressionResult result;
    DiscardingDevice target;
    for (auto _ : state) {
        const auto picture = vectorGraph(bench.scene, FullHd, result);
        QPainter painter(&target);
        picture->draw(painter);
    }
}
BENCHMARK(VectorRedraw)->Arg(0)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The files themselves, as Copy and --export make them.
void VectorFile(benchmark::State& state, QByteArray (*file)(const pictures::VectorPicture&, const QString&)) {
    startApplication();
    BenchScene bench(static_cast<int>(state.range(0)));
    regression::RegressionResult result;
    for (auto _ : state)
        benchmark::DoNotOptimize(file(*vectorGraph(bench.scene, FullHd, result), QStringLiteral("Tessaly")));
}
BENCHMARK_CAPTURE(VectorFile, svg, &pictures::svgFile)->Arg(0)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VectorFile, pdf, &pictures::pdfFile)->Arg(0)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A redraw for a new view each time, as a drag asks for: the view moves by a few pixels per frame,
// back and forth, with the twelve fits and 100,000 scatter points.
void RasterRedrawForANewView(benchmark::State& state) {
    startApplication();
    BenchScene bench(100'000);
    regression::RegressionResult result;
    const common::PlotArea area{20, 20, FullHd.width() - 40, FullHd.height() - 40};
    common::ViewGestures gestures('.', [&area](const common::GraphRange&) { return area; });
    int frame = 0;
    gestures.beginDrag({bench.scene.range, common::parseRange(bench.scene.range, '.')}, 960, 540);
    for (auto _ : state) {
        const int offset = 7 * ((frame++ % 40) - 20);
        const auto change = gestures.dragTo({bench.scene.range, common::parseRange(bench.scene.range, '.')},
                                            960 + offset, 540 - offset);
        if (change)
            bench.scene.range = change->texts;
        bool valid = false;
        benchmark::DoNotOptimize(rasterGraph(bench.scene, FullHd, result, valid));
    }
}
BENCHMARK(RasterRedrawForANewView)->Unit(benchmark::kMillisecond);

void ReadScatterPoints(benchmark::State& state) {
    const BenchScene bench(100'000);
    for (auto _ : state)
        benchmark::DoNotOptimize(seriesPoints(bench.scene.lists, '.'));
}
BENCHMARK(ReadScatterPoints)->Unit(benchmark::kMillisecond);

} // namespace
