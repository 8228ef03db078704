#pragma once

#include "common/ViewGestures.h"
#include "reggraph/GraphDrawing.h"
#include "reggraph/GraphWindowHost.h"
#include "reggraph/RangeZoom.h"

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>
#include <string>

namespace pictures {
class RedrawPacer;
}

// The graph window of Tessaly: its picture fills the client area and holds everything drawn; the
// mouse shows world coordinates in the status line while a button is held and drags the zoom box;
// the wheel zooms about the pointer, a middle or Shift drag and Ctrl with the arrow keys pan, and Ctrl
// with plus or minus zooms.
// The main window's commands call the public methods; the window reads and writes the range, the
// zoom factors and the scene through its host.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    // Pictures no taller than this are neither cleared nor drawn when the window is resized.
    static constexpr int SmallestDrawnHeight = 41;

    // `font` is the graph font read from the settings ("Font" section) when the program starts.
    TForm2(reggraph::GraphWindowHost& host, reggraph::GraphFont font, QWidget* parent = nullptr);

    // Full redraw: a white picture, the axes, every record of the current project and the series
    // that are on. A wrong range shows its message and leaves the picture white. A window no taller
    // than 40 pixels has no plot area and keeps its picture.
    void redraw();
    // The redraw of a cell selection in the lists grid, which must not interrupt typing: a row with
    // a list cell that is not a number is left out of the series instead of stopping the drawing
    // with a box, and the status line names the first such cell (or is cleared when there is none).
    void redrawLeavingOutBadRows();
    // A newly fitted model drawn on top in the next colour, named `name`; the host's regression
    // result holds the model of a fitted curve.
    void drawFit(const regression::Drawing& drawing, const std::string& name);
    // A series just switched on, drawn on top.
    void drawSeries(reggraph::Series series);

    // The zoom commands. Each saves the undo range first; a failure is shown and changes no cell.
    void zoomIn();
    void zoomOut();
    // Enters zoom-box mode: the next drag on the picture chooses the new range.
    void startZoomBox();
    void undoZoom();
    // The undo range after New or loading: the range table as it now is.
    void resetUndoRange(const common::RangeTexts& texts);
    bool zoomBoxMode() const { return zoom_.zoomBoxMode(); }

    // The raster picture as shown (without the zoom box).
    const QImage& picture() const { return picture_; }
    // The same graph as a vector picture of the picture's size; nothing when the range is wrong
    // (silently) or a cell is not a number (shown).
    std::optional<pictures::VectorPicture> vectorPicture();

    // Curves drawn since the axes: the fits refuse a 13th.
    int drawnFunctions() const { return drawing_.drawnFunctions; }

    const reggraph::GraphFont& graphFont() const { return graphFont_; }
    // The font of the next drawing; the caller redraws.
    void setGraphFont(const reggraph::GraphFont& font) { graphFont_ = font; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    reggraph::GraphScene scene();
    void redraw(reggraph::BadCells badCells);
    void showError(const std::string& text);
    // Runs a zoom command on the range table's texts and applies the result.
    template <typename Command> void zoom(Command command);
    void applyRange(const common::RangeTexts& texts);
    // The mapping for the mouse with the range read at the press; nothing when it cannot be drawn.
    std::optional<reggraph::GraphGeometry> mouseGeometry();
    void showReadout(QPoint position);
    void finishZoomBox(QPoint release);

    // Wheel zoom and panning (TForm2View.cpp).
    common::ViewNow viewNow() const;
    // The plot area `range` is drawn on; none when it cannot be drawn.
    common::PlotArea plotAreaOf(const common::GraphRange& range) const;
    // Zoom In's factor for both axes in, Zoom Out's out; a factor that is not a number zooms nothing.
    common::ZoomFactors zoomFactors() const;
    // Writes a gesture's texts into the range grid, marks the project modified and draws the view with
    // the next frame.
    void showView(const std::optional<common::ViewChange>& change);
    void redrawView();
    void beginPan(const QMouseEvent& event);
    void endPan();
    // A zoom box being dragged is dropped; zoom-box mode waits for the next drag.
    void cancelZoomBox();

    reggraph::GraphWindowHost& host_;
    reggraph::GraphFont graphFont_;
    QImage picture_;
    reggraph::DrawingState drawing_;
    reggraph::RangeZoom zoom_;
    bool buttonDown_ = false;
    std::optional<reggraph::GraphGeometry> pressGeometry_;
    QPoint boxOrigin_;
    QPoint boxCorner_;

    common::ViewGestures gestures_;
    pictures::RedrawPacer* viewPacer_;
    std::optional<Qt::MouseButton> panButton_;
};
