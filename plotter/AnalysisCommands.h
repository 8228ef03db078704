#pragma once

#include "graph/GraphHost.h"
#include "plotter/FunctionChoice.h"

#include <QObject>
#include <memory>

class QWidget;
class TSelectGraphWindow;
class TfrmValueTable;

namespace graph {
class AnalysisTools;
class TGraphWindow;
} // namespace graph

namespace appkit {
class Interaction;
}

namespace plotter {

class EntryPlotting;

// The frame's commands that work on plotted functions: erasing, derivative, tangent, normal and
// trace, the value table, and the solve tools and trace of the graph window.
class AnalysisCommands : public QObject {
    Q_OBJECT
public:
    // The solve tools get `host` and this object's choice of functions; derived functions are
    // plotted through `entry`. The value table belongs to `parent`, as this object does.
    AnalysisCommands(graph::TGraphWindow& window, const graph::GraphHost& host, EntryPlotting& entry,
                     appkit::Interaction& interaction, TSelectGraphWindow& selectDialog, QWidget& parent);
    ~AnalysisCommands() override;

    graph::AnalysisTools& tools() { return *tools_; }

    void eraseFunctions();
    void plotDerivative();
    void plotTangent();
    void plotNormal();
    void toggleTrace();
    void showValueTable();

private:
    enum class Line { Tangent, Normal };
    void plotLine(Line line);
    // The chosen plotted function's text; the candidates are all plotted functions.
    std::optional<std::string> chooseFromPlotted();

    graph::TGraphWindow& window_;
    graph::StatusLine& status_;
    EntryPlotting& entry_;
    appkit::Interaction& interaction_;
    FunctionChooser chooser_;
    std::unique_ptr<graph::AnalysisTools> tools_;
    TfrmValueTable* frmValueTable_;
};

} // namespace plotter
