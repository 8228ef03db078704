#include "plotter/AnalysisCommands.h"

#include "appkit/Interaction.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "engine/Engine.h"
#include "graph/AnalysisTools.h"
#include "graph/TGraphWindow.h"
#include "plotter/EntryPlotting.h"
#include "plotter/Texts.h"
#include "plotter/TfrmValueTable.h"

namespace plotter {

AnalysisCommands::AnalysisCommands(graph::TGraphWindow& window, const graph::GraphHost& host,
                                   EntryPlotting& entry, appkit::Interaction& interaction,
                                   TSelectGraphWindow& selectDialog, QWidget& parent)
    : QObject(&parent), window_(window), status_(host.status), entry_(entry), interaction_(interaction),
      chooser_(interaction, selectDialog, window.graph()),
      tools_(std::make_unique<graph::AnalysisTools>(window, host, chooser_)),
      frmValueTable_(
          new TfrmValueTable(interaction, host.state.plotOptions(), engine::decimalSeparator(), &parent)) {
    window.setTools(tools_.get());
}

AnalysisCommands::~AnalysisCommands() = default;

std::optional<std::string> AnalysisCommands::chooseFromPlotted() {
    graph::Graph& graph = window_.graph();
    graph.candidates = graph.plottedFunctions();
    return chooser_.chooseOneFunction(graph.candidates);
}

void AnalysisCommands::eraseFunctions() {
    graph::Graph& graph = window_.graph();
    graph.candidates = graph.plottedFunctions();
    const std::optional<std::vector<std::string>> chosen = chooser_.chooseToErase(graph.candidates);
    if (!chosen)
        return;
    for (const std::string& text : *chosen)
        graph.eraseFunction(graph.positionOf(text));
    window_.Redraw();
}

void AnalysisCommands::plotDerivative() {
    if (const std::optional<std::string> chosen = chooseFromPlotted())
        entry_.plotAsTyped("d/dx(" + *chosen + ")");
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
    graph::Graph& graph = window_.graph();
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
    entry_.plotAsTyped(common::formatPlain(slope, separator) + (m >= 0 ? "x+" : "x") +
                       common::formatPlain(m, separator));
}

void AnalysisCommands::toggleTrace() {
    graph::Graph& graph = window_.graph();
    if (graph.traceOn) {
        graph.traceOn = false;
        tools_->hideTraceMarker();
        status_.clearStatus();
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
