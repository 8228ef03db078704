#include "graph/Graph.h"

#include "engine/Engine.h"
#include "graph/CurveSampler.h"
#include "graph/GraphDrawing.h"
#include "graph/GraphFont.h"
#include "graph/IntegralDrawing.h"
#include "graph/PlotOptions.h"

#include <QPainter>
#include <algorithm>

namespace graph {

Graph::Graph(const PlotOptions& options) : options_(options) {}

bool Graph::anyToolArmed() const {
    return std::find(armedTools.begin(), armedTools.end(), true) != armedTools.end();
}

Graph::PlotOutcome Graph::plotFunction(const std::string& text, std::string& errorText) {
    if (plottedFunctions_.size() >= MaxPlottedFunctions)
        return PlotOutcome::TooManyFunctions;
    engine::TFunctionDB& store = engine::FunctionDB();
    engine::TFunction& function = store.Items(store.Add());
    function.setAngleUnit(options_.angleUnit);
    if (!function.Compile(text, errorText))
        return PlotOutcome::CompileFailed;
    plottedFunctions_.push_back(text);
    compiledFunctions_.push_back(&function);
    drawCurve(int(plottedFunctions_.size()) - 1);
    return PlotOutcome::Plotted;
}

void Graph::Redraw(QSize clientSize, PlotMode mode) {
    pictures_.restart(clientSize);
    coordinates_.layOut(range_, clientSize.width(), clientSize.height());
    const QFont font = axisFont(options_);
    const char decimalSeparator = engine::decimalSeparator();
    if (options_.showGrid)
        pictures_.draw([&](QPainter& painter) { drawGrid(painter, coordinates_); });
    if (options_.showAxis)
        pictures_.draw(
            [&](QPainter& painter) { drawAxes(painter, coordinates_, options_, font, decimalSeparator); });
    if (mode == PlotMode::Function)
        for (int p = 0; p < int(plottedFunctions_.size()); ++p)
            drawCurve(p);
    else
        drawIntegral();
}

void Graph::NewWork(QSize clientSize, PlotMode mode) {
    plottedFunctions_.clear();
    compiledFunctions_.clear();
    plottedIntegrals_.clear();
    engine::FunctionDB().Clear();
    Redraw(clientSize, mode);
}

void Graph::eraseFunction(int position) {
    if (position < 0 || position >= int(plottedFunctions_.size()))
        return;
    engine::TFunctionDB& store = engine::FunctionDB();
    for (int index = 0; index < store.count(); ++index) {
        if (&store.Items(index) == compiledFunctions_[position]) {
            store.Delete(index);
            break;
        }
    }
    plottedFunctions_.erase(plottedFunctions_.begin() + position);
    compiledFunctions_.erase(compiledFunctions_.begin() + position);
}

int Graph::positionOf(const std::string& text) const {
    const auto found = std::find(plottedFunctions_.begin(), plottedFunctions_.end(), text);
    return found == plottedFunctions_.end() ? -1 : int(found - plottedFunctions_.begin());
}

const std::vector<engine::TFunction*>& Graph::compiledFunctions() {
    for (engine::TFunction* function : compiledFunctions_)
        function->setAngleUnit(options_.angleUnit);
    return compiledFunctions_;
}

engine::TFunction& Graph::integralFunction() {
    engine::TFunction& function = engine::FunctionDB().Items(0);
    function.setAngleUnit(options_.angleUnit);
    return function;
}

void Graph::drawCurve(int position) {
    engine::TFunction& function = *compiledFunctions_[position];
    function.setAngleUnit(options_.angleUnit);
    drawNamedCurve(function, plottedFunctions_[position], position);
}

void Graph::drawNamedCurve(engine::TFunction& function, const std::string& text, int position) {
    // Before the first redraw there is no layout yet; the curve is drawn with everything else then.
    if (picture().isNull())
        return;
    const QColor colour = curveColours()[position];
    const CurveShape shape = sampleCurve(function, coordinates_, options_.dottedLines);
    const QFont font = axisFont(options_);
    const QString name = QStringLiteral("y = ") + QString::fromStdString(text);
    pictures_.draw([&](QPainter& painter) {
        if (options_.showFunctionNames)
            drawFunctionName(painter, coordinates_, font, name, position, colour);
        drawCurveShape(painter, shape, colour, options_.boldLines);
    });
}

bool Graph::plotIntegral(const std::string& text, const IntegralText& integral, std::string& errorText) {
    engine::TFunctionDB& store = engine::FunctionDB();
    store.Add();
    if (!integralFunction().Compile(integral.functionText, errorText))
        return false;
    integral_ = integral;
    plottedIntegrals_.push_back(text);
    drawIntegral();
    return true;
}

std::string Graph::integralValueText() {
    if (plottedIntegrals_.empty() || engine::FunctionDB().count() == 0)
        return {};
    return graph::integralValueText(integralFunction(), integral_.a, integral_.b, engine::decimalSeparator());
}

void Graph::drawIntegral() {
    // The integral's function lives in store entry 0 and is drawn in the colour of list position 0.
    if (plottedIntegrals_.empty() || engine::FunctionDB().count() == 0 || picture().isNull())
        return;
    engine::TFunction& function = integralFunction();
    drawNamedCurve(function, plottedIntegrals_.back(), 0);
    std::vector<QLine> lines;
    for (const ShadingLine& line : integralShading(function, coordinates_, integral_.a, integral_.b))
        lines.emplace_back(line.x, line.baseRow, line.x, line.curveRow);
    const QColor colour = curveColours()[0];
    pictures_.draw([&](QPainter& painter) {
        painter.setPen(QPen(colour, 1));
        painter.drawLines(lines.data(), int(lines.size()));
    });
}

} // namespace graph
