// The Graph and Range tab: range grid, saved and standard ranges, axis names, zoom factors, the
// graph font; and the up-down control that widens the window.
#include "regshell/TForm3.h"

#include "appkit/Interaction.h"
#include "regshell/DataWindowHost.h"
#include "regshell/TessalySettings.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <array>

namespace {

// Per up-down position: the window's width, the grid's width and how much narrower than the main
// window's client area the graph window becomes.
constexpr std::array<int, TForm3::WidthPositions> WindowWidths = {242, 330, 418, 506, 594};
constexpr std::array<int, TForm3::WidthPositions> GridWidths = {225, 313, 401, 489, 577};
constexpr std::array<int, TForm3::WidthPositions> GraphWidthReductions = {255, 343, 431, 519, 607};
constexpr int GraphLeftBesideGrid = 23;

} // namespace

common::RangeTexts TForm3::rangeTexts() const {
    common::RangeTexts texts;
    for (int row = 0; row < common::RangeRowCount; ++row)
        texts[static_cast<std::size_t>(row)] = rangeText(static_cast<common::RangeRow>(row));
    return texts;
}

void TForm3::setRangeTexts(const common::RangeTexts& texts) {
    for (int row = 0; row < common::RangeRowCount; ++row)
        setRangeText(static_cast<common::RangeRow>(row), texts[static_cast<std::size_t>(row)]);
}

std::string TForm3::rangeText(common::RangeRow row) const {
    return StringGrid2->item(row, 1)->text().toStdString();
}

void TForm3::setRangeText(common::RangeRow row, const std::string& text) {
    StringGrid2->item(row, 1)->setText(QString::fromStdString(text));
}

std::string TForm3::xAxisName() const {
    return Edit1->text().toStdString();
}

std::string TForm3::yAxisName() const {
    return Edit2->text().toStdString();
}

std::string TForm3::xZoomFactor() const {
    return Edit3->text().toStdString();
}

std::string TForm3::yZoomFactor() const {
    return Edit4->text().toStdString();
}

bool TForm3::isRedrawEnabled() const {
    return SpeedButton10->isEnabled();
}

void TForm3::setRedrawEnabled(bool enabled) {
    SpeedButton10->setEnabled(enabled);
}

void TForm3::keyTypedInRangeField() {
    host_.setModified();
    setRedrawEnabled(true);
}

void TForm3::saveRangeValues() {
    savedRange_ = rangeTexts();
}

void TForm3::openSavedRangeValues() {
    setRangeTexts(savedRange_);
    setRedrawEnabled(true);
}

void TForm3::loadStandardRange(reggraph::StandardRange which) {
    setRangeTexts(settings_.standardRange(which));
    setRedrawEnabled(true);
}

void TForm3::redrawWithNewRange() {
    host_.redrawGraph();
    setRedrawEnabled(false);
}

void TForm3::chooseGraphFont() {
    const auto font = host_.interaction().chooseFont(host_.graphFont());
    if (!font)
        return;
    host_.applyGraphFont(*font);
    host_.redrawGraph();
}

int TForm3::widthPosition() const {
    return UpDown1->value();
}

void TForm3::setWidthPosition(int position) {
    position = std::clamp(position, 0, WidthPositions - 1);
    if (UpDown1->value() != position) {
        UpDown1->setValue(position); // comes back here through the control's signal
        return;
    }
    const auto i = static_cast<std::size_t>(position);
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (frame == nullptr)
        frame = this;
    if (!(frame->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        frame->resize(WindowWidths[i], frame->height());
    host_.placeGraphWindow(GridWidths[i] + GraphLeftBesideGrid,
                           host_.mainClientWidth() - GraphWidthReductions[i]);
}
