#pragma once

#include "plotter/FunctionChoice.h"

#include <QObject>
#include <memory>

class TMDIFrame;
class TSelectGraphWindow;
class TfrmValueTable;

namespace graph {
class AnalysisTools;
}

namespace appkit {
class Interaction;
}

namespace plotter {

// The frame's commands that work on plotted functions: erasing, derivative, tangent, normal and
// trace, the value table, and the solve tools and trace of the graph window.
class AnalysisCommands : public QObject {
    Q_OBJECT
public:
    AnalysisCommands(TMDIFrame& frame, appkit::Interaction& interaction, TSelectGraphWindow& selectDialog);
    ~AnalysisCommands() override;

    FunctionChooser& chooser() { return chooser_; }
    graph::AnalysisTools& tools() { return *tools_; }
    TfrmValueTable& valueTable() { return *frmValueTable_; }

    void eraseFunctions();
    void plotDerivative();
    void plotTangent();
    void plotNormal();
    void toggleTrace();
    void showValueTable();

private:
    enum class Line { Tangent, Normal };
    void plotLine(Line line);
    // Plots `text` as if typed into the entry box and entered.
    void plotAsTyped(const std::string& text);
    // The chosen plotted function's text; the candidates are all plotted functions.
    std::optional<std::string> chooseFromPlotted();

    TMDIFrame& frame_;
    appkit::Interaction& interaction_;
    FunctionChooser chooser_;
    std::unique_ptr<graph::AnalysisTools> tools_;
    TfrmValueTable* frmValueTable_;
};

} // namespace plotter
