#include "graph/AnalysisTools.h"

#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "engine/Engine.h"
#include "graph/TraceMarker.h"
#include "translation/Translator.h"

#include <QPainter>

namespace graph {

namespace {

constexpr int LogDigits = 10;
constexpr int TraceDigits = 5;
constexpr int MarkerRadius = 5;
SearchDeadline searchDeadline() {
    return SearchDeadline::after(SolveToolTimeLimit);
}

using translation::T;

} // namespace

AnalysisTools::AnalysisTools(TGraphWindow& window, const GraphHost& host, FunctionChoice& choice)
    : window_(window), host_(host), choice_(choice), shapeTrace_(new TraceMarker(&window)) {}

std::string AnalysisTools::number(long double value) {
    return common::formatGeneral(value, LogDigits, engine::decimalSeparator());
}

void AnalysisTools::runTool(int tool, const WorldSelection& selection) {
    switch (tool) {
    case RootTool:
        root(selection);
        break;
    case MaximumTool:
        extremum(selection, Extremum::Maximum);
        break;
    case MinimumTool:
        extremum(selection, Extremum::Minimum);
        break;
    case IntersectionTool:
        intersection(selection);
        break;
    case XCalcTool:
        xCalc(selection);
        break;
    case YCalcTool:
        yCalc(selection);
        break;
    case YIntersectionTool:
        yIntersection();
        break;
    default:
        break;
    }
}

engine::TFunction* AnalysisTools::chooseOne() {
    Graph& graph = window_.graph();
    const std::optional<std::string> chosen = choice_.chooseOneFunction(graph.candidates);
    if (!chosen)
        return nullptr;
    const int position = graph.positionOf(*chosen);
    if (position < 0)
        return nullptr;
    graph.selectedFunction = position;
    return graph.compiledFunctions()[position];
}

void AnalysisTools::logHeading() {
    log("");
    log("y = " + window_.graph().plottedFunctions()[window_.graph().selectedFunction]);
}

void AnalysisTools::log(const std::string& line) {
    host_.log.appendLogLine(line);
}

void AnalysisTools::mark(long double x, long double y) {
    Graph& graph = window_.graph();
    const GraphCoordinates& c = graph.coordinates();
    if (x < c.range.Xmin || x > c.range.Xmax || y < c.range.Ymin || y > c.range.Ymax)
        return;
    const QPoint centre(c.columnOfX(x), c.rowOfY(y));
    graph.pictures().draw([&](QPainter& painter) {
        painter.setPen(QPen(Qt::red, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, MarkerRadius, MarkerRadius);
    });
    window_.update();
}

void AnalysisTools::root(const WorldSelection& selection) {
    engine::TFunction* f = chooseOne();
    if (!f)
        return;
    const std::optional<long double> x = findRoot(*f, selection, searchDeadline());
    logHeading();
    if (!x) {
        log(T("Root") + ": " + T("NotFound"));
        return;
    }
    log(T("Root") + ": x = " + number(*x));
    mark(*x, 0);
}

void AnalysisTools::extremum(const WorldSelection& selection, Extremum kind) {
    engine::TFunction* f = chooseOne();
    if (!f)
        return;
    const std::string name = T(kind == Extremum::Maximum ? "Maximum" : "Minimum");
    const std::optional<FoundPoint> point = findExtremum(*f, selection, kind, searchDeadline());
    logHeading();
    if (!point) {
        log(name + ": " + T("NotFound"));
        return;
    }
    log(name + ": " + T(kind == Extremum::Maximum ? "Ymax" : "Ymin") + "=" + number(point->y) + " " +
        T("for") + " x = " + number(point->x));
    mark(point->x, point->y);
}

void AnalysisTools::intersection(const WorldSelection& selection) {
    Graph& graph = window_.graph();
    const std::optional<std::pair<std::string, std::string>> chosen =
        choice_.chooseTwoFunctions(graph.candidates);
    if (!chosen)
        return;
    const int first = graph.positionOf(chosen->first);
    const int second = graph.positionOf(chosen->second);
    if (first < 0 || second < 0)
        return;
    graph.firstSelectedFunction = first;
    graph.secondSelectedFunction = second;
    const std::optional<FoundPoint> point = findIntersection(
        *graph.compiledFunctions()[first], *graph.compiledFunctions()[second], selection, searchDeadline());
    log("");
    log("y1=" + chosen->first + " " + T("and") + " y2=" + chosen->second);
    if (!point) {
        log(T("Intersection") + ": " + T("NotFound"));
        return;
    }
    log(T("Intersection") + ": y = " + number(point->y) + " " + T("for") + " x = " + number(point->x));
    mark(point->x, point->y);
}

std::optional<std::pair<long double, std::string>> AnalysisTools::askNumber(const char* captionKey,
                                                                            const char* promptKey) {
    const std::optional<std::string> text = host_.dialogs.askText(T(captionKey), T(promptKey) + ":");
    if (!text)
        return std::nullopt;
    try {
        return std::make_pair(common::parseFloat(*text, engine::decimalSeparator()), *text);
    } catch (const common::ConversionError& error) {
        host_.dialogs.showError(error.what());
        return std::nullopt;
    }
}

void AnalysisTools::xCalc(const WorldSelection& selection) {
    engine::TFunction* f = chooseOne();
    if (!f)
        return;
    const auto y0 = askNumber("XCalc", "PleaseEnterYValue");
    if (!y0)
        return;
    const std::optional<long double> x = findXForY(*f, y0->first, selection, searchDeadline());
    logHeading();
    if (!x) {
        log(T("XCalc") + ": " + T("YValueCouldNotBeFound"));
        return;
    }
    log(T("XCalc") + ": y = " + y0->second + " " + T("for") + " x = " + number(*x));
    mark(*x, y0->first);
}

void AnalysisTools::yCalc(const WorldSelection& selection) {
    engine::TFunction* f = chooseOne();
    if (!f)
        return;
    const auto x0 = askNumber("YCalc", "PleaseEnterXValue");
    if (!x0)
        return;
    const std::optional<long double> y = findYForX(*f, x0->first, selection);
    logHeading();
    if (!y) {
        log(T("YCalc") + ": " + T("CouldNotBeEvaluated"));
        return;
    }
    log(T("YCalc") + ": y = " + number(*y) + " " + T("for") + " x = " + x0->second);
    mark(x0->first, *y);
}

void AnalysisTools::yIntersection() {
    engine::TFunction* f = chooseOne();
    if (!f)
        return;
    const std::optional<long double> y = findYIntersection(*f);
    logHeading();
    if (!y) {
        log(T("YIntersection") + ": " + T("NotFound"));
        return;
    }
    log(T("YIntersection") + ": y = " + number(*y));
    mark(0, *y);
}

void AnalysisTools::traceStep(int px) {
    Graph& graph = window_.graph();
    if (!graph.traceOn)
        return;
    const int position = graph.selectedFunction;
    if (position < 0 || position >= int(graph.compiledFunctions().size())) {
        // The traced function is gone (erased, new work): the marker must not stay behind.
        shapeTrace_->hide();
        return;
    }
    const GraphCoordinates& c = graph.coordinates();
    const long double x = c.xOfPixel(px);
    long double y = 0;
    if (!graph.compiledFunctions()[position]->Evaluate(x, y)) {
        host_.status.clearStatus();
        shapeTrace_->hide();
        return;
    }
    const char separator = engine::decimalSeparator();
    host_.status.showStatus("(" + common::formatGeneral(x, TraceDigits, separator) + ", " +
                            common::formatGeneral(y, TraceDigits, separator) + ")");
    shapeTrace_->centreOn(c.columnOfX(x), c.rowOfY(y));
    shapeTrace_->show();
    shapeTrace_->raise();
}

void AnalysisTools::hideTraceMarker() {
    shapeTrace_->hide();
}

} // namespace graph
