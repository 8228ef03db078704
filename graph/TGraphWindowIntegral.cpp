#include "graph/TGraphWindow.h"

#include "common/NumberParse.h"
#include "engine/Engine.h"
#include "graph/Integral.h"

// Integral mode of the graph window: one integral at a time, drawn with its shading, its value
// written to the log when the frame asks for it.

namespace graph {

bool TGraphWindow::plotIntegral(const std::string& text) {
    if (!graph_.plottedIntegrals().empty())
        NewWorkClick();
    std::optional<IntegralText> integral;
    try {
        integral = parseIntegralText(text, engine::decimalSeparator());
    } catch (const common::ConversionError& error) {
        host_.dialogs.showError(error.what());
        return false;
    }
    if (!integral) {
        showInstructions(true);
        return false;
    }
    std::string errorText;
    if (!graph_.plotIntegral(text, *integral, errorText)) {
        host_.dialogs.showMessage(errorText);
        return false;
    }
    logIntegralIfAsked();
    update();
    return true;
}

void TGraphWindow::logIntegralIfAsked() {
    if (!graph_.logIntegralResult || graph_.plottedIntegrals().empty())
        return;
    graph_.logIntegralResult = false;
    host_.log.appendLogLine("");
    host_.log.appendLogLine("y = " + graph_.plottedIntegrals().back());
    host_.log.appendLogLine(graph_.integralValueText());
}

} // namespace graph
