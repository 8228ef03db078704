#include "reggraph/TForm2.h"

#include "appkit/Interaction.h"
#include "common/NumberParse.h"
#include "pictures/RedrawPacer.h"
#include "pictures/ViewInput.h"
#include "reggraph/DrawableRange.h"
#include "reggraph/StandardRanges.h"
#include "regression/RegressionError.h"
#include "translation/Translator.h"

#include <QMouseEvent>
#include <QPainter>

using namespace reggraph;

namespace {

PixelPoint pixel(QPoint point) {
    return {point.x(), point.y()};
}

} // namespace

TForm2::TForm2(GraphWindowHost& host, GraphFont font, QWidget* parent)
    : QWidget(parent), host_(host), graphFont_(std::move(font)), zoom_(StandardRange1Defaults),
      gestures_(
          host.decimalSeparator(), [this](const common::GraphRange& range) { return plotAreaOf(range); },
          validateRange),
      viewPacer_(new pictures::RedrawPacer([this] { redrawView(); }, this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on the graph gives it the keys that move the view; Tab still passes it by.
    setFocusPolicy(Qt::ClickFocus);
}

GraphScene TForm2::scene() {
    GraphScene scene = host_.graphScene();
    scene.font = graphFont_;
    return scene;
}

void TForm2::showError(const std::string& text) {
    host_.interaction().showError(QString::fromStdString(text));
}

void TForm2::redraw() {
    redraw(BadCells::Refuse);
}

void TForm2::redrawLeavingOutBadRows() {
    redraw(BadCells::LeaveOut);
    if (!drawing_.leftOutCell) {
        host_.clearStatus();
        return;
    }
    const BadCell& cell = *drawing_.leftOutCell;
    host_.showStatus(
        cell.message + " " +
        translation::T("CellLeftOutOfGraph", {std::to_string(cell.row), std::to_string(cell.column)}));
}

void TForm2::redraw(BadCells badCells) {
    drawing_.leftOutCell.reset();
    // No plot area fits: the picture keeps what it shows, as after such a resize.
    if (height() < SmallestDrawnHeight)
        return;
    if (picture_.size() != size())
        picture_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    GraphScene drawn = scene();
    drawn.badCells = badCells;
    std::optional<std::string> failure;
    {
        QPainter painter(&picture_);
        try {
            if (!drawGraph(painter, size(), drawn, drawing_, host_.regressionResult()))
                failure = InvalidRangeMessage;
        } catch (const common::ConversionError& error) {
            failure = error.what();
        } catch (const regression::RegressionError& error) {
            failure = error.what();
        }
    }
    update();
    if (failure)
        showError(*failure);
}

void TForm2::drawFit(const regression::Drawing& drawing, const std::string& name) {
    {
        QPainter painter(&picture_);
        reggraph::drawFit(painter, scene(), drawing_, host_.regressionResult(), drawing, name);
    }
    update();
}

void TForm2::drawSeries(Series series) {
    std::optional<std::string> failure;
    {
        QPainter painter(&picture_);
        try {
            reggraph::drawSeries(painter, scene(), drawing_, series);
        } catch (const common::ConversionError& error) {
            failure = error.what();
        }
    }
    update();
    if (failure)
        showError(*failure);
}

template <typename Command> void TForm2::zoom(Command command) {
    common::RangeTexts cells = host_.rangeTexts();
    try {
        command(cells);
    } catch (const common::ConversionError& error) {
        showError(error.what());
        return;
    } catch (const regression::RegressionError& error) {
        showError(error.what());
        return;
    }
    applyRange(cells);
}

void TForm2::applyRange(const common::RangeTexts& texts) {
    host_.setRangeTexts(texts);
    redraw();
    host_.setModified();
}

void TForm2::zoomIn() {
    const std::string factor = host_.xFactorText();
    zoom([&](common::RangeTexts& cells) { zoom_.zoomIn(cells, factor, host_.decimalSeparator()); });
}

void TForm2::zoomOut() {
    const std::string factor = host_.yFactorText();
    zoom([&](common::RangeTexts& cells) { zoom_.zoomOut(cells, factor, host_.decimalSeparator()); });
}

void TForm2::startZoomBox() {
    zoom_.startZoomBox(host_.rangeTexts());
    host_.setModified();
}

void TForm2::undoZoom() {
    common::RangeTexts cells;
    zoom_.undoZoom(cells);
    applyRange(cells);
}

void TForm2::resetUndoRange(const common::RangeTexts& texts) {
    zoom_ = RangeZoom(texts);
}

std::optional<pictures::VectorPicture> TForm2::vectorPicture() {
    try {
        return vectorGraph(scene(), picture_.size(), host_.regressionResult());
    } catch (const common::ConversionError& error) {
        showError(error.what());
    }
    return std::nullopt;
}

void TForm2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, picture_);
    if (zoom_.zoomBoxMode() && buttonDown_ && boxCorner_ != boxOrigin_) {
        // The rubber band inverts what lies under it, on the screen only.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(boxOrigin_, boxCorner_).normalized());
    }
}

void TForm2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (height() >= SmallestDrawnHeight) {
        redraw();
        return;
    }
    // Too low for a plot area: the picture keeps what it shows, cut to (or widened white to) the size.
    QImage kept(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    kept.fill(Qt::white);
    QPainter(&kept).drawImage(0, 0, picture_);
    picture_ = kept;
}

void TForm2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    setWindowTitle(QString::fromStdString(translation::T("FGraph")));
}

std::optional<GraphGeometry> TForm2::mouseGeometry() {
    try {
        const common::GraphRange range = common::parseRange(host_.rangeTexts(), host_.decimalSeparator());
        if (!validateRange(range))
            return std::nullopt;
        const int leftMargin = drawing_.axes ? drawing_.axes->geometry.leftMargin() : GraphGeometry::Border;
        const GraphGeometry geometry(range, picture_.width(), picture_.height(), leftMargin);
        if (geometry.plotWidth() <= 0 || geometry.plotHeight() <= 0)
            return std::nullopt;
        return geometry;
    } catch (const common::ConversionError& error) {
        showError(error.what());
    }
    return std::nullopt;
}

void TForm2::showReadout(QPoint position) {
    if (pressGeometry_)
        host_.showStatus(coordinateReadout(*pressGeometry_, pixel(position), host_.decimalSeparator()));
}

void TForm2::mousePressEvent(QMouseEvent* event) {
    // In zoom-box mode every drag draws the box.
    if (!panButton_ && !zoom_.zoomBoxMode() && pictures::startsPan(*event, true))
        beginPan(*event);
    const QPoint position = event->position().toPoint();
    buttonDown_ = true;
    boxOrigin_ = boxCorner_ = position;
    pressGeometry_ = mouseGeometry();
    showReadout(position);
}

void TForm2::mouseMoveEvent(QMouseEvent* event) {
    if (!buttonDown_)
        return;
    const QPoint position = event->position().toPoint();
    if (panButton_)
        showView(gestures_.dragTo(viewNow(), event->position().x(), event->position().y()));
    showReadout(position);
    if (zoom_.zoomBoxMode()) {
        boxCorner_ = position;
        update();
    }
}

void TForm2::mouseReleaseEvent(QMouseEvent* event) {
    if (panButton_ && event->button() == *panButton_)
        endPan();
    if (!buttonDown_)
        return;
    buttonDown_ = false;
    host_.clearStatus();
    if (zoom_.zoomBoxMode())
        finishZoomBox(event->position().toPoint());
    update();
}

void TForm2::finishZoomBox(QPoint release) {
    common::RangeTexts cells = host_.rangeTexts();
    if (!pressGeometry_) {
        // The range could not be read at the press: the mode ends without a box.
        zoom_.finishZoomBox(cells,
                            GraphGeometry(common::GraphRange{}, width(), height(), GraphGeometry::Border),
                            pixel(boxOrigin_), pixel(boxOrigin_), host_.decimalSeparator());
        return;
    }
    if (!zoom_.finishZoomBox(cells, *pressGeometry_, pixel(boxOrigin_), pixel(release),
                             host_.decimalSeparator()))
        return;
    // A box so small that its corners round to the same two digits would give a range the redraw
    // refuses: the range stays as it was instead.
    try {
        if (!validateRange(common::parseRange(cells, host_.decimalSeparator())))
            return;
    } catch (const common::ConversionError& error) {
        showError(error.what());
        return;
    }
    host_.setRangeTexts(cells);
    redraw();
}
