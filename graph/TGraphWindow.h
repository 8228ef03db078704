#pragma once

#include "common/ViewGestures.h"
#include "graph/Graph.h"
#include "graph/GraphHost.h"
#include "graph/Selection.h"

#include <QWidget>
#include <optional>
#include <string>

namespace pictures {
class RedrawPacer;
}

namespace graph {

// What the solve tools and the trace add to the graph window; the window works without them.
class GraphTools {
public:
    virtual ~GraphTools() = default;
    // Runs the armed tool `tool` (any but the zoom box) on the selection.
    virtual void runTool(int tool, const WorldSelection& selection) = 0;
    // Follows the pointer at window column `px` along the traced function.
    virtual void traceStep(int px) = 0;
};

// The graph window: shows the graph's picture, selects ranges with the mouse for the solve and
// zoom-box tools, zooms with the wheel and pans by dragging and by keys, and passes typed keys on to
// the function pad.
class TGraphWindow : public QWidget {
    Q_OBJECT
public:
    explicit TGraphWindow(const GraphHost& host, QWidget* parent = nullptr);

    // Plots `text` as a function (or, in integral mode, as an integral); an empty text shows the
    // mode's instructions. True when the text belongs in the history.
    bool PlotRequest(const std::string& text);
    void Redraw();
    void NewWorkClick();
    // Takes the range and redraws.
    void SetRange(const common::GraphRange& range);
    void ClearArmedTools() { graph_.ClearArmedTools(); }
    void armTool(int tool) { graph_.armedTools.at(tool) = true; }
    void setTools(GraphTools* tools) { tools_ = tools; }

    Graph& graph() { return graph_; }
    const QImage& picture() const { return graph_.picture(); }
    pictures::VectorPicture vectorPicture() const { return graph_.vectorPicture(); }

    // The mouse selection, in window pixels.
    PixelPoint selectionStart() const { return selectionStart_; }
    PixelPoint selectionEnd() const { return selectionEnd_; }
    bool rectangleShown() const { return rectangleShown_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void FormShow();
    void FormResize();
    bool plotTypedFunction(const std::string& text);
    bool plotIntegral(const std::string& text);
    // Writes the plotted integral with its value to the log when the frame asked for it.
    void logIntegralIfAsked();
    void showInstructions(bool integralMode);
    void showPointerCoordinates(PixelPoint pointer);
    void eraseRectangle();
    void zoomBox(const WorldSelection& selection);
    Qt::WindowStates frameState() const;

    // Wheel zoom and panning (TGraphWindowView.cpp).
    common::ViewNow viewNow() const;
    common::PlotArea plotArea() const;
    common::ZoomFactors zoomFactors() const;
    // Writes a gesture's texts into the range window and draws them with the next frame.
    void showView(const std::optional<common::ViewChange>& change);
    // A middle drag, or a left drag with Shift while no tool waits for a selection.
    bool startsPan(const QMouseEvent& event) const;
    void beginPan(const QMouseEvent& event);
    void endPan();
    // Ctrl with an arrow key, plus or minus; false for every other key.
    bool viewKey(const QKeyEvent& event);
    // A selection being dragged ends without carrying out its tools, which stay armed.
    void cancelSelection();

    GraphHost host_;
    Graph graph_;
    GraphTools* tools_ = nullptr;
    bool shownBefore_ = false;
    bool minimized_ = false;
    bool maximized_ = false;

    PixelPoint selectionStart_;
    PixelPoint selectionEnd_;
    bool dragging_ = false;
    bool rectangleShown_ = false;

    common::ViewGestures gestures_;
    pictures::RedrawPacer* viewPacer_;
    std::optional<Qt::MouseButton> panButton_;
};

} // namespace graph
