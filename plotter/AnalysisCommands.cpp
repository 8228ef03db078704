#include "plotter/AnalysisCommands.h"

#include "appkit/Interaction.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "engine/Engine.h"
#include "graph/AnalysisTools.h"
#include "graph/TGraphWindow.h"
#include "plotter/TMDIFrame.h"
#include "plotter/Texts.h"
#include "plotter/TfrmValueTable.h"

#include <QComboBox>

namespace plotter {

AnalysisCommands::AnalysisCommands(TMDIFrame& frame, appkit::Interaction& interaction,
                                   TSelectGraphWindow& selectDialog)
    : QObject(&frame), frame_(frame), interaction_(interaction),
      chooser_(interaction, selectDialog, frame.graphWindow()->graph()),
      tools_(std::make_unique<graph::AnalysisTools>(*frame.graphWindow(), frame)),
      frmValueTable_(new TfrmValueTable(interaction, engine::decimalSeparator(), &frame)) {
    frame.graphWindow()->setTools(tools_.get());
}

AnalysisCommands::~AnalysisCommands() = default;

std::optional<std::string> AnalysisCommands::chooseFromPlotted() {
    graph::Graph& graph = frame_.graphWindow()->graph();
    graph.candidates = graph.plottedFunctions();
    return chooser_.chooseOne(graph.candidates);
}

void AnalysisCommands::plotAsTyped(const std::string& text) {
    frame_.entryBox()->setEditText(QString::fromStdString(text));
    frame_.plotEntry();
}

void AnalysisCommands::eraseFunctions() {
    graph::TGraphWindow& window = *frame_.graphWindow();
    graph::Graph& graph = window.graph();
    graph.candidates = graph.plottedFunctions();
    const std::optional<std::vector<std::string>> chosen = chooser_.chooseToErase(graph.candidates);
    if (!chosen)
        return;
    for (const std::string& text : *chosen)
        graph.eraseFunction(graph.positionOf(text));
    window.Redraw();
}

void AnalysisCommands::plotDerivative() {
    if (const std::optional<std::string> chosen = chooseFromPlotted())
        plotAsTyped("d/dx(" + *chosen + ")");
}

void AnalysisCommands::plotTangent() {
    plotLine(Line::Tangent);
}

void AnalysisCommands::plotNormal() {
    plotLine(Line::Normal);
}

void AnalysisCommands::plotLine(Line line) {
    const std::optional<std::string> chosen = chooseFromPlotted();
    if (!chosen)
        return;
    const bool tangent = line == Line::Tangent;
    const std::optional<QString> typed = interaction_.askText(
        plainText(tangent ? "Tangent" : "Normal"),
        plainText(tangent ? "TangentOfTheFunctionY" : "NormalOfTheFunctionY") +
            QString::fromStdString(*chosen) + QLatin1Char(' ') + plainText("ThroughThePointWhereX"),
        QString());
    if (!typed)
        return;
    const char separator = engine::decimalSeparator();
    long double x0 = 0;
    try {
        x0 = common::parseFloat(typed->toStdString(), separator);
    } catch (const common::ConversionError& error) {
        interaction_.showError(QString::fromStdString(error.what()));
        return;
    }
    graph::Graph& graph = frame_.graphWindow()->graph();
    engine::TFunction& function = *graph.compiledFunctions()[graph.selectedFunction];
    long double k = 0;
    long double y0 = 0;
    const bool defined = function.Derivative(x0, k) && function.Evaluate(x0, y0);
    if (!defined || (!tangent && k == 0)) {
        interaction_.showMessage(plainText(tangent ? "TangentDoesNotExist" : "NormalDoesNotExist"));
        return;
    }
    const long double slope = tangent ? k : -1 / k;
    const long double m = y0 - slope * x0;
    // A negative m brings its own minus sign.
    plotAsTyped(common::formatPlain(slope, separator) + (m >= 0 ? "x+" : "x") +
                common::formatPlain(m, separator));
}

void AnalysisCommands::toggleTrace() {
    graph::Graph& graph = frame_.graphWindow()->graph();
    if (graph.traceOn) {
        graph.traceOn = false;
        tools_->hideTraceMarker();
        frame_.clearStatus();
        return;
    }
    // Without a chosen function there is nothing to follow, so the trace stays off.
    if (chooseFromPlotted())
        graph.traceOn = true;
}

void AnalysisCommands::showValueTable() {
    interaction_.runDialog(*frmValueTable_);
}

} // namespace plotter
