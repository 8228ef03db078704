#include "reggraph/GraphDrawing.h"

#include "pictures/GraphPictures.h"
#include "reggraph/AxesDrawing.h"
#include "reggraph/BandDrawing.h"
#include "reggraph/CurveDrawing.h"
#include "reggraph/CurvePalette.h"
#include "reggraph/SeriesDrawing.h"
#include "reggraph/SeriesPointsCache.h"
#include "regression/RecordModel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <memory>

namespace reggraph {

namespace {

// ln x, x^b and 1/x are sampled from the first column right of 0 only.
bool sampledFromPositiveX(const std::string& kind) {
    return kind == "Logarithmic" || kind == "Power" || kind == "Reciprocal";
}

CurveFunction evaluator(regression::RegressionResult& result) {
    return [&result](long double x) { return result.Evaluate(x); };
}

// The name of drawn function n: the equation of record n, none past the records.
std::string recordName(const GraphScene& scene, int n) {
    return n >= 1 && n <= static_cast<int>(scene.records.size()) ? scene.records[n - 1].equation
                                                                 : std::string();
}

// One straight line per intercept, all in the colour and under the name of one drawn function.
void drawLineFamily(QPainter& painter, const GraphGeometry& geometry, long double slope,
                    const std::vector<long double>& intercepts) {
    for (const long double intercept : intercepts)
        drawStraightLine(painter, geometry, intercept, slope);
}

void drawRecord(QPainter& painter, const GraphScene& scene, DrawingState& state,
                regression::RegressionResult& result, const projects::DrawableRecord& record) {
    const GraphGeometry& g = state.axes->geometry;
    regression::loadRecordModel(result, record);
    const int n = ++state.drawnFunctions;
    // A record that cannot be read keeps its place, so the curves after it keep their names.
    if (record.drawing == projects::RecordDrawing::None)
        return;
    chooseCurveColour(painter, scene, g, n, recordName(scene, n));
    switch (record.drawing) {
    case projects::RecordDrawing::Curve:
        drawSampledCurve(painter, g, evaluator(result), sampledFromPositiveX(record.kind));
        drawFitBands(painter, scene, g, record.kind, evaluator(result), sampledFromPositiveX(record.kind),
                     curveColour(n));
        break;
    case projects::RecordDrawing::StraightLine:
        drawStraightLine(painter, g, record.a, record.b);
        drawFitBands(painter, scene, g, record.kind, evaluator(result), false, curveColour(n));
        break;
    case projects::RecordDrawing::HorizontalLine:
        drawHorizontalLine(painter, g, record.a);
        drawFitBands(painter, scene, g, record.kind, evaluator(result), sampledFromPositiveX(record.kind),
                     curveColour(n));
        break;
    case projects::RecordDrawing::LineFamily:
        drawLineFamily(painter, g, record.b, record.intercepts);
        if (!record.intercepts.empty())
            result.a = record.intercepts.back();
        break;
    case projects::RecordDrawing::None:
        break;
    }
}

void drawSeriesOn(QPainter& painter, const AxesLayout& axes, const SeriesPoints& points, Series series) {
    switch (series) {
    case Series::Scatter:
        drawScatter(painter, axes, points);
        break;
    case Series::Histogram:
        drawHistogram(painter, axes, points);
        break;
    case Series::XYLine:
        drawXYLine(painter, axes, points);
        break;
    }
}

// The scene's series points, kept in its cache when it has one, else read into `fresh`.
const SeriesPoints& scenePoints(const GraphScene& scene, BadCells badCells, SeriesPoints& fresh) {
    if (scene.seriesCache)
        return scene.seriesCache->points(scene.lists, scene.decimalSeparator, badCells);
    fresh = seriesPoints(scene.lists, scene.decimalSeparator, badCells);
    return fresh;
}

std::vector<long double> familyIntercepts(const regression::LineFamily& family) {
    std::vector<long double> intercepts;
    const long long count = std::clamp<long long>(family.count, 0, projects::kMaxFamilyLines);
    intercepts.reserve(static_cast<std::size_t>(count));
    for (long long line = 0; line < count; ++line)
        intercepts.push_back(family.intercept(line));
    return intercepts;
}

// The axes of the scene's range on a picture of `size`; nothing when the range is invalid. Throws
// common::ConversionError when a range text is not a number.
std::optional<AxesLayout> graphAxes(const GraphScene& scene, QSize size) {
    const common::GraphRange range = common::parseRange(scene.range, scene.decimalSeparator);
    const QFontMetrics metrics(scene.font.font);
    return layoutAxes(
        range, size.width(), size.height(),
        [&metrics](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromStdString(text));
        },
        scene.decimalSeparator);
}

bool anySeriesOn(const SeriesSwitches& on) {
    return on.scatter || on.histogram || on.xyLine;
}

} // namespace

bool drawGraph(QPainter& painter, QSize size, const GraphScene& scene, DrawingState& state,
               regression::RegressionResult& result) {
    pictures::prepareGraphPainter(painter);
    state = DrawingState{};
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    state.axes = graphAxes(scene, size);
    if (!state.axes)
        return false;
    drawAxes(painter, *state.axes, scene);
    for (const projects::DrawableRecord& record : scene.records)
        drawRecord(painter, scene, state, result, record);

    const SeriesSwitches& on = scene.series;
    if (anySeriesOn(on)) {
        SeriesPoints fresh;
        const SeriesPoints& points = scenePoints(scene, scene.badCells, fresh);
        state.leftOutCell = points.firstBadCell;
        if (on.scatter)
            drawSeriesOn(painter, *state.axes, points, Series::Scatter);
        if (on.histogram)
            drawSeriesOn(painter, *state.axes, points, Series::Histogram);
        if (on.xyLine)
            drawSeriesOn(painter, *state.axes, points, Series::XYLine);
    }
    return true;
}

void drawFit(QPainter& painter, const GraphScene& scene, DrawingState& state,
             regression::RegressionResult& result, const regression::Drawing& drawing,
             const std::string& name) {
    if (!state.axes)
        return;
    pictures::prepareGraphPainter(painter);
    const GraphGeometry& g = state.axes->geometry;
    const int n = ++state.drawnFunctions;
    chooseCurveColour(painter, scene, g, n, name);
    const bool positiveOnly = sampledFromPositiveX(result.modelKind());
    switch (drawing.shape) {
    case regression::Drawing::Shape::FittedCurve:
        drawSampledCurve(painter, g, evaluator(result), positiveOnly);
        drawFitBands(painter, scene, g, result.modelKind(), evaluator(result), positiveOnly, curveColour(n));
        break;
    case regression::Drawing::Shape::ZeroSlopeLine:
        drawHorizontalLine(painter, g, drawing.lines.base);
        drawFitBands(painter, scene, g, result.modelKind(), evaluator(result), positiveOnly, curveColour(n));
        break;
    case regression::Drawing::Shape::StraightLines:
        drawLineFamily(painter, g, drawing.lines.slope, familyIntercepts(drawing.lines));
        break;
    }
}

void drawSeries(QPainter& painter, const GraphScene& scene, const DrawingState& state, Series series) {
    if (!state.axes)
        return;
    pictures::prepareGraphPainter(painter);
    SeriesPoints fresh;
    drawSeriesOn(painter, *state.axes, scenePoints(scene, BadCells::Refuse, fresh), series);
}

QImage rasterGraph(const GraphScene& scene, QSize size, regression::RegressionResult& result,
                   bool& rangeValid) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawingState state;
    rangeValid = drawGraph(painter, size, scene, state, result);
    return image;
}

std::optional<pictures::VectorPicture> vectorGraph(const GraphScene& scene, QSize size,
                                                   regression::RegressionResult& result) {
    GraphScene drawn = scene;
    // The points are read now, so a cell that is not a number is refused before a target starts,
    // and only once however often the picture is drawn.
    std::shared_ptr<SeriesPointsCache> ownCache;
    if (!drawn.seriesCache) {
        ownCache = std::make_shared<SeriesPointsCache>();
        drawn.seriesCache = ownCache.get();
    }
    if (!graphAxes(drawn, size))
        return std::nullopt;
    if (anySeriesOn(drawn.series))
        drawn.seriesCache->points(drawn.lists, drawn.decimalSeparator, drawn.badCells);
    return pictures::VectorPicture{size, [drawn, ownCache, size, &result](QPainter& painter) {
                                       DrawingState state;
                                       drawGraph(painter, size, drawn, state, result);
                                   }};
}

} // namespace reggraph
