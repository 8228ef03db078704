#include "graph/TGraphWindow.h"

#include "common/IniFile.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "engine/Engine.h"
#include "pictures/PictureFont.h"
#include "pictures/RedrawPacer.h"
#include "translation/Translator.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <string>

namespace graph {

namespace {

constexpr int StatusDigits = 2;

const char* neverShowKey(bool integralMode) {
    return integralMode ? "NeverShowIntegralMessage" : "NeverShowFunctionMessage";
}

PixelPoint pointerOf(const QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    return {position.x(), position.y()};
}

} // namespace

TGraphWindow::TGraphWindow(const GraphHost& host, QWidget* parent)
    : QWidget(parent), host_(host), graph_(host.state.plotOptions()),
      gestures_(engine::decimalSeparator(), [this](const common::GraphRange&) { return plotArea(); }),
      viewPacer_(new pictures::RedrawPacer([this] { host_.range.applyRange(); }, this)) {
    setWindowTitle(QStringLiteral("Graph"));
    setFont(pictures::pictureFont("System", 10, true, false, false));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // The trace follows the pointer without a button pressed.
    setMouseTracking(true);
    resize(442, 327);
}

bool TGraphWindow::PlotRequest(const std::string& text) {
    const bool integralMode = host_.state.currentMode() == PlotMode::Integral;
    if (text.empty()) {
        if (!host_.state.settingsFile().readBool("Options", neverShowKey(integralMode), false))
            showInstructions(integralMode);
        return false;
    }
    return integralMode ? plotIntegral(text) : plotTypedFunction(text);
}

bool TGraphWindow::plotTypedFunction(const std::string& text) {
    std::string errorText;
    switch (graph_.plotFunction(text, errorText)) {
    case Graph::PlotOutcome::TooManyFunctions:
        host_.dialogs.showMessage(translation::T("Only") + " " + std::to_string(MaxPlottedFunctions) + " " +
                                  translation::T("functionsSupported"));
        return true;
    case Graph::PlotOutcome::CompileFailed:
        host_.dialogs.showMessage(errorText);
        showInstructions(false);
        return false;
    case Graph::PlotOutcome::Plotted:
        update();
        return true;
    }
    return false;
}

void TGraphWindow::showInstructions(bool integralMode) {
    const InstructionsAnswer answer =
        integralMode ? host_.dialogs.showIntegralInstructions() : host_.dialogs.showFunctionInstructions();
    if (!answer.accepted)
        return;
    try {
        host_.state.settingsFile().writeBool("Options", neverShowKey(integralMode), answer.neverShowAgain);
    } catch (const common::IniWriteError&) {
        // A settings file that cannot be written only means the dialog shows again next time.
    }
}

void TGraphWindow::Redraw() {
    graph_.Redraw(size(), host_.state.currentMode());
    if (host_.state.currentMode() == PlotMode::Integral)
        logIntegralIfAsked();
    update();
}

void TGraphWindow::NewWorkClick() {
    graph_.NewWork(size(), host_.state.currentMode());
    update();
}

void TGraphWindow::SetRange(const common::GraphRange& range) {
    graph_.setRange(range);
    Redraw();
}

void TGraphWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        FormShow();
    }
}

void TGraphWindow::FormShow() {
    common::GraphRange range = graph_.range();
    try {
        common::readRange(host_.range.rangeTexts(), engine::decimalSeparator(), range);
    } catch (const common::ConversionError& error) {
        host_.dialogs.showError(error.what());
    }
    graph_.setRange(range);
    setWindowTitle(QString::fromStdString(translation::T("GraphCaption")));
    Redraw();
}

Qt::WindowStates TGraphWindow::frameState() const {
    // Inside the frame the window's state is that of the sub-window that carries it.
    const QWidget* frame = parentWidget() && !isWindow() ? parentWidget() : this;
    return frame->windowState();
}

void TGraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TGraphWindow::FormResize() {
    const Qt::WindowStates state = frameState();
    const bool maximized = state.testFlag(Qt::WindowMaximized);
    if (state.testFlag(Qt::WindowMinimized)) {
        minimized_ = true;
        return;
    }
    if (minimized_ && maximized == maximized_) {
        minimized_ = false;
        update();
        return;
    }
    minimized_ = false;
    maximized_ = maximized;
    Redraw();
}

void TGraphWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, graph_.picture());
    if (rectangleShown_) {
        // The focus rectangle inverts what lies under its dots, so it reads on any colour.
        QPen pen(Qt::white, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawRect(
            QRect(QPoint(selectionStart_.x, selectionStart_.y), QPoint(selectionEnd_.x, selectionEnd_.y))
                .adjusted(0, 0, -1, -1));
    }
}

void TGraphWindow::keyPressEvent(QKeyEvent* event) {
    if (!viewKey(*event))
        host_.padKeys.functionPadKeyPress(*event);
}

void TGraphWindow::showPointerCoordinates(PixelPoint pointer) {
    const GraphCoordinates& c = graph_.coordinates();
    const char separator = engine::decimalSeparator();
    host_.status.showStatus("(" + common::formatGeneral(c.xOfPixel(pointer.x), StatusDigits, separator) +
                            ", " + common::formatGeneral(c.yOfPixel(pointer.y), StatusDigits, separator) +
                            ")");
}

void TGraphWindow::eraseRectangle() {
    if (!rectangleShown_)
        return;
    rectangleShown_ = false;
    update();
}

void TGraphWindow::mousePressEvent(QMouseEvent* event) {
    if (startsPan(*event))
        beginPan(*event);
    if (event->button() != Qt::LeftButton)
        return;
    const PixelPoint pointer = pointerOf(event);
    dragging_ = true;
    if (!graph_.anyToolArmed()) {
        showPointerCoordinates(pointer);
        return;
    }
    eraseRectangle();
    selectionEnd_ = {0, 0};
    selectionStart_ = pointer;
}

void TGraphWindow::mouseMoveEvent(QMouseEvent* event) {
    const PixelPoint pointer = pointerOf(event);
    if (panButton_)
        showView(gestures_.dragTo(viewNow(), event->position().x(), event->position().y()));
    if (tools_)
        tools_->traceStep(pointer.x);
    if (!dragging_)
        return;
    if (!graph_.anyToolArmed()) {
        showPointerCoordinates(pointer);
        return;
    }
    if (selectionStart_.x < selectionEnd_.x)
        eraseRectangle();
    if (pointer == selectionEnd_)
        return;
    selectionEnd_ = pointer;
    if (selectionStart_.x < selectionEnd_.x) {
        rectangleShown_ = true;
        update();
    }
}

void TGraphWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (panButton_ && event->button() == *panButton_)
        endPan();
    if (event->button() != Qt::LeftButton || !dragging_)
        return;
    dragging_ = false;
    eraseRectangle();
    host_.status.clearStatus();
    selectionEnd_.x = std::min(selectionEnd_.x, width() - 1);
    selectionEnd_.y = std::min(selectionEnd_.y, height() - 1);
    const WorldSelection selection = selectionInWorld(graph_.coordinates(), selectionStart_, selectionEnd_);
    // In integral mode no function is plotted: candidates left from function mode must not be offered.
    graph_.candidates = host_.state.currentMode() == PlotMode::Function
                            ? findCandidates(graph_.plottedFunctions(), graph_.compiledFunctions(), selection)
                            : std::vector<std::string>();
    for (int tool = 1; tool <= ToolCount; ++tool) {
        if (!graph_.armedTools[tool])
            continue;
        if (tool == ZoomBoxTool)
            zoomBox(selection);
        else if (tools_)
            tools_->runTool(tool, selection);
    }
    graph_.ClearArmedTools();
}

void TGraphWindow::zoomBox(const WorldSelection& selection) {
    // A click or a drag leftwards or upwards selects no area; zooming to it would turn the range
    // inside out, so the range stays as it is.
    if (!(selection.x1 < selection.x2 && selection.y1 < selection.y2))
        return;
    const char separator = engine::decimalSeparator();
    common::RangeTexts texts = host_.range.rangeTexts();
    texts[common::Xmin] = common::rangeValueText(selection.x1, separator);
    texts[common::Xmax] = common::rangeValueText(selection.x2, separator);
    texts[common::Ymin] = common::rangeValueText(selection.y1, separator);
    texts[common::Ymax] = common::rangeValueText(selection.y2, separator);
    host_.range.setRangeTexts(texts);
    host_.range.applyRange();
}

} // namespace graph
