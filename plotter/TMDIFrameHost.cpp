#include "plotter/TMDIFrame.h"

#include "appkit/Interaction.h"
#include "plotter/AnalysisCommands.h"
#include "plotter/TFunctionPadWindow.h"
#include "plotter/TLogWindow.h"
#include "plotter/TdlgInstructions.h"

#include <QLabel>

// What the graph window asks of the frame: range texts, status line, boxes and dialogs, the
// choice of functions, the log and the function pad's keys.

using appkit::toQt;

std::string TMDIFrame::rangeText(graph::RangeRow row) const {
    return RangeWindow->rangeText(static_cast<int>(row)).toStdString();
}

void TMDIFrame::setRangeText(graph::RangeRow row, const std::string& text) {
    RangeWindow->setRangeText(static_cast<int>(row), toQt(text));
}

void TMDIFrame::applyRange() {
    RangeWindow->applyRange();
}

QString TMDIFrame::statusText() const {
    return StatusBar1->text();
}

void TMDIFrame::showStatus(const std::string& text) {
    StatusBar1->setText(toQt(text));
}

void TMDIFrame::clearStatus() {
    StatusBar1->clear();
}

void TMDIFrame::showMessage(const std::string& text) {
    interaction_.showMessage(toQt(text));
}

void TMDIFrame::showError(const std::string& text) {
    interaction_.showError(toQt(text));
}

graph::InstructionsAnswer TMDIFrame::showInstructions(TdlgInstructions& dialog) {
    dialog.setNeverShowAgain(false);
    graph::InstructionsAnswer answer;
    answer.accepted = interaction_.runDialog(dialog);
    answer.neverShowAgain = dialog.neverShowAgain();
    return answer;
}

graph::InstructionsAnswer TMDIFrame::showFunctionInstructions() {
    return showInstructions(*dlgFunctionInstructions);
}

graph::InstructionsAnswer TMDIFrame::showIntegralInstructions() {
    return showInstructions(*dlgIntegralInstructions);
}

std::optional<std::string> TMDIFrame::askText(const std::string& caption, const std::string& prompt) {
    const std::optional<QString> answer = interaction_.askText(toQt(caption), toQt(prompt), QString());
    if (!answer)
        return std::nullopt;
    return answer->toStdString();
}

std::optional<std::string> TMDIFrame::chooseOneFunction(const std::vector<std::string>& candidates) {
    return analysis_->chooser().chooseOne(candidates);
}

std::optional<std::pair<std::string, std::string>>
TMDIFrame::chooseTwoFunctions(const std::vector<std::string>& candidates) {
    return analysis_->chooser().chooseTwo(candidates);
}

void TMDIFrame::appendLogLine(const std::string& line) {
    LogWindow->appendLine(toQt(line));
}

void TMDIFrame::functionPadKeyPress(QKeyEvent& event) {
    FunctionPadWindow->handleKey(event);
}
