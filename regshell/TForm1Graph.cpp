// The main window's graph commands: series switches, display options, zoom, the child windows'
// places, and what the graph and Data windows ask of the main window.
#include "appkit/Translated.h"
#include "regshell/TForm1.h"

#include "appkit/Interaction.h"
#include "reggraph/TForm2.h"
#include "regression/Residuals.h"
#include "regshell/ResidualPlot.h"
#include "regshell/TForm3.h"
#include "translation/Translator.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QToolButton>

using appkit::toQt;
using regshell::CommandId;

reggraph::GraphScene TForm1::graphScene() {
    reggraph::GraphScene scene;
    scene.range = dataWindow_->rangeTexts();
    scene.xAxisName = dataWindow_->xAxisName();
    scene.yAxisName = dataWindow_->yAxisName();
    scene.options = {action(CommandId::ShowAxis).isChecked(), action(CommandId::ShowGrid).isChecked(),
                     action(CommandId::ShowScaleText).isChecked(),
                     action(CommandId::ShowFunctionNames).isChecked()};
    scene.series = {action(CommandId::Scatter).isChecked(), action(CommandId::Histogram).isChecked(),
                    action(CommandId::XYLine).isChecked()};
    scene.decimalSeparator = separators_.decimal;
    scene.lists = &dataWindow_->lists();
    scene.seriesCache = &seriesPointsCache_;
    scene.records = store_.redrawRecords(separators_.decimal);
    scene.bands = action(CommandId::Bands).isChecked();
    if (residualPlot_)
        return residualPlot_->scene(scene, dataWindow_->lists().listName(1).data());
    return scene;
}

void TForm1::redrawGraph() {
    graphWindow_->redraw();
}

void TForm1::redrawGraphLeavingOutBadRows() {
    graphWindow_->redrawLeavingOutBadRows();
}

// A switch that goes on draws only its series on top; one that goes off redraws without it.
void TForm1::switchSeries(CommandId command, reggraph::Series series, const char* onKey, const char* offKey) {
    const bool on = action(command).isChecked();
    button(command).setText(appkit::translated(on ? onKey : offKey));
    if (on)
        graphWindow_->drawSeries(series);
    else
        redrawGraph();
}

void TForm1::ScatterClick() {
    switchSeries(CommandId::Scatter, reggraph::Series::Scatter, "BScatterON", "BScatterOFF");
}

void TForm1::HistogramClick() {
    switchSeries(CommandId::Histogram, reggraph::Series::Histogram, "BHistogramON", "BHistogramOFF");
}

void TForm1::XYLineClick() {
    switchSeries(CommandId::XYLine, reggraph::Series::XYLine, "BXYLineON", "BXYLineOFF");
}

void TForm1::ZoomIn1Click() {
    graphWindow_->zoomIn();
}

void TForm1::ZoomOut1Click() {
    graphWindow_->zoomOut();
}

void TForm1::ZoomBox1Click() {
    graphWindow_->startZoomBox();
}

void TForm1::UndoZoom1Click() {
    graphWindow_->undoZoom();
}

void TForm1::Bands1Click() {
    settings_.setBands(action(CommandId::Bands).isChecked());
    redrawGraph();
}

void TForm1::Residuals1Click() {
    if (leaveResidualPlot())
        return;
    action(CommandId::Residuals).setChecked(false);
    try {
        const auto residuals =
            regression::lastFitResiduals(store_.redrawRecords(separators_.decimal), fitData());
        if (!residuals || residuals->residuals.empty()) {
            interaction_.showMessage(appkit::translated("ResidualsNoFit"));
            return;
        }
        residualPlot_ = std::make_unique<regshell::ResidualPlot>(*residuals, separators_.decimal);
    } catch (const std::exception& failure) {
        interaction_.showError(toQt(failure.what()));
        return;
    }
    action(CommandId::Residuals).setChecked(true);
    residualEscape_->setEnabled(true);
    redrawGraph();
    showStatus(translation::T("ResidualsShown"));
}

bool TForm1::leaveResidualPlot() {
    if (!residualPlot_)
        return false;
    residualPlot_.reset();
    residualEscape_->setEnabled(false);
    action(CommandId::Residuals).setChecked(false);
    clearStatus();
    redrawGraph();
    return true;
}

void TForm1::CoefficientStatistics1Click() {
    settings_.setCoefficientStatistics(action(CommandId::CoefficientStatistics).isChecked());
}

void TForm1::ShowWizard1Click() {
    settings_.setStartupWizard(action(CommandId::ShowWizard).isChecked());
}

void TForm1::MakeGraph1Click() {
    const QSize client = graphWindow_->size();
    const QSize frame = graphSubWindow_->size() - client;
    graphSubWindow_->resize(client.height() + frame.width(), graphSubWindow_->height());
}

void TForm1::DefaultPosition1Click() {
    placeChildWindows(true);
}

QFont TForm1::graphFont() const {
    return graphWindow_->graphFont().font;
}

void TForm1::applyGraphFont(const QFont& font) {
    reggraph::GraphFont graphFont = graphWindow_->graphFont();
    graphFont.font = font;
    graphWindow_->setGraphFont(graphFont);
}

common::RangeTexts TForm1::rangeTexts() const {
    return dataWindow_->rangeTexts();
}

void TForm1::setRangeTexts(const common::RangeTexts& texts) {
    dataWindow_->setRangeTexts(texts);
}

std::string TForm1::xFactorText() const {
    return dataWindow_->xZoomFactor();
}

std::string TForm1::yFactorText() const {
    return dataWindow_->yZoomFactor();
}

void TForm1::showStatus(const std::string& text) {
    statusText_->setText(toQt(text));
}

void TForm1::clearStatus() {
    statusText_->clear();
}
