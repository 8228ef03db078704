#include "plotter/TRangeWindow.h"

#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "common/IniFile.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "graph/GraphCoordinates.h"
#include "graph/PlotOptions.h"
#include "plotter/Texts.h"
#include "translation/Translator.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <cmath>
#include <string>

namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;
constexpr int ColumnWidth = 74;
constexpr int RowHeight = 20;
constexpr int ButtonLeft = 158;
constexpr int ButtonSize = 25;
constexpr int MaxDigits = 15;
constexpr qreal SmallestPointSize = 6;
// The row at the other end of each row's range; a step row stands for itself.
constexpr common::RangeRow OtherEnd[common::RangeRowCount] = {common::Xmax, common::Xmin, common::Xstep,
                                                              common::Ymax, common::Ymin, common::Ystep};
const char* const SavedRangeSection = "Range";
// A shortened value is within this part of the range's width (of the step, for a step) of the whole one.
constexpr long double ShownPrecision = 1e-4L;

bool isEnterOrEscape(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter || event.key() == Qt::Key_Escape;
}

// A value rounded to the fewest significant digits that keep it within `tolerance` of itself.
QString roundedText(long double value, long double tolerance, char decimalSeparator) {
    std::string text;
    for (int digits = 1; digits <= MaxDigits; ++digits) {
        text = common::formatGeneral(value, digits, decimalSeparator);
        if (std::fabs(common::parseFloat(text, decimalSeparator) - value) <= tolerance)
            break;
    }
    return QString::fromStdString(text);
}

// The cell editor keeps what was typed on Enter and on Escape alike, and passes both keys on
// to the range window; every other key only makes the Redraw button available. A cell shows the
// range window's shown text of its row; its editor, the whole text.
class RangeCellDelegate : public QStyledItemDelegate {
public:
    RangeCellDelegate(TRangeWindow& window, QObject* parent) : QStyledItemDelegate(parent), window_(window) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = window_.shownText(index.row());
        option->font = window_.cellFont(index.row());
        option->fontMetrics = QFontMetrics(option->font);
    }

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            if (isEnterOrEscape(*keyEvent)) {
                auto* editor = qobject_cast<QWidget*>(object);
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                window_.enterOrEscapePressed();
                window_.keyTypedInGrid();
                return true;
            }
            const bool handled = QStyledItemDelegate::eventFilter(object, event);
            window_.keyTypedInGrid();
            return handled;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TRangeWindow& window_;
};

// The grid itself sees the keys typed while no cell editor is open.
class RangeGrid : public QTableWidget {
public:
    RangeGrid(TRangeWindow& window, QWidget* parent)
        : QTableWidget(common::RangeRowCount, 1, parent), window_(window) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (isEnterOrEscape(*event))
            window_.enterOrEscapePressed();
        else
            QTableWidget::keyPressEvent(event);
        window_.keyTypedInGrid();
    }

private:
    TRangeWindow& window_;
};

QPushButton* makeButton(QWidget* parent, const char* name, const char* icon, int top) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    button->setIconSize(QSize(19, 19));
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(ButtonLeft, top, ButtonSize, ButtonSize);
    return button;
}

} // namespace

TRangeWindow::TRangeWindow(common::IniFile& settings, appkit::Interaction& interaction,
                           const graph::PlotOptions& options, char decimalSeparator, QWidget* parent)
    : QWidget(parent), settings_(settings), interaction_(interaction), options_(options),
      decimalSeparator_(decimalSeparator) {
    setObjectName(QStringLiteral("RangeWindow"));
    setWindowTitle(QStringLiteral("Range"));

    strgrdRange = new RangeGrid(*this, this);
    strgrdRange->setObjectName(QStringLiteral("strgrdRange"));
    strgrdRange->horizontalHeader()->hide();
    strgrdRange->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    strgrdRange->verticalHeader()->setDefaultSectionSize(RowHeight);
    strgrdRange->verticalHeader()->setFixedWidth(ColumnWidth);
    strgrdRange->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    strgrdRange->horizontalHeader()->setDefaultSectionSize(ColumnWidth);
    strgrdRange->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strgrdRange->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strgrdRange->setSelectionMode(QAbstractItemView::SingleSelection);
    strgrdRange->setEditTriggers(QAbstractItemView::AllEditTriggers);
    strgrdRange->setItemDelegate(new RangeCellDelegate(*this, strgrdRange));
    const int frame = 2 * strgrdRange->frameWidth();
    strgrdRange->setGeometry(0, 0, 2 * ColumnWidth + frame, common::RangeRowCount * RowHeight + frame);
    for (int row = 0; row < common::RangeRowCount; ++row) {
        strgrdRange->setVerticalHeaderItem(row,
                                           new QTableWidgetItem(QLatin1String(common::RangeRowNames[row])));
        strgrdRange->setItem(row, 0, new QTableWidgetItem(QStringLiteral("0")));
    }
    strgrdRange->setCurrentCell(0, 0);
    connect(strgrdRange, &QTableWidget::itemChanged, this, &TRangeWindow::updateCellHints);

    spdbtnRangeStandard = makeButton(this, "spdbtnRangeStandard", "range_standard", 0);
    spdbtnRangeTrigonometry = makeButton(this, "spdbtnRangeTrigonometry", "range_trigonometry", 25);
    spdbtnRangeOpen = makeButton(this, "spdbtnRangeOpen", "range_open", 50);
    spdbtnRangeSpara = makeButton(this, "spdbtnRangeSpara", "range_save", 75);
    spdbtnRedraw = makeButton(this, "spdbtnRedraw", "range_redraw", 100);
    spdbtnRangeStandard->setToolTip(QStringLiteral("Standard range"));
    spdbtnRangeTrigonometry->setToolTip(QStringLiteral("Trigonometry range"));
    spdbtnRangeOpen->setToolTip(QStringLiteral("Open previously saved range values"));
    spdbtnRangeSpara->setToolTip(QStringLiteral("Save range values"));
    spdbtnRedraw->setToolTip(QStringLiteral("Redraw Graph window with new range values"));
    connect(spdbtnRangeStandard, &QPushButton::clicked, this, &TRangeWindow::writeStandardRange);
    connect(spdbtnRangeTrigonometry, &QPushButton::clicked, this, &TRangeWindow::writeTrigonometryRange);
    connect(spdbtnRangeOpen, &QPushButton::clicked, this, &TRangeWindow::openSavedRange);
    connect(spdbtnRangeSpara, &QPushButton::clicked, this, &TRangeWindow::saveRange);
    connect(spdbtnRedraw, &QPushButton::clicked, this, [this] {
        applyRange();
        setRedrawEnabled(false);
    });
}

std::string TRangeWindow::rangeText(common::RangeRow row) const {
    return cellText(row).toStdString();
}

void TRangeWindow::setRangeText(common::RangeRow row, const std::string& text) {
    strgrdRange->item(row, 0)->setText(appkit::toQt(text));
}

common::RangeTexts TRangeWindow::rangeTexts() const {
    common::RangeTexts texts;
    for (int row = 0; row < common::RangeRowCount; ++row)
        texts[row] = rangeText(common::RangeRow(row));
    return texts;
}

void TRangeWindow::setRangeTexts(const common::RangeTexts& texts) {
    for (int row = 0; row < common::RangeRowCount; ++row)
        setRangeText(common::RangeRow(row), texts[row]);
}

void TRangeWindow::setRange(const common::GraphRange& range) {
    setRangeTexts(common::formatRange(range, decimalSeparator_));
}

QString TRangeWindow::cellText(int row) const {
    const QTableWidgetItem* cell = strgrdRange->item(row, 0);
    return cell ? cell->text() : QString();
}

QString TRangeWindow::shownText(int row) const {
    const QString text = cellText(row);
    if (QFontMetrics(strgrdRange->font()).horizontalAdvance(text) <= cellRoom())
        return text;
    // A step is told apart from nearby steps; a minimum or maximum from the other end of its range.
    const bool step = row == common::Xstep || row == common::Ystep;
    try {
        const long double value = common::parseFloat(text.toStdString(), decimalSeparator_);
        const long double scale =
            step ? std::fabs(value)
                 : std::fabs(common::parseFloat(rangeText(OtherEnd[row]), decimalSeparator_) - value);
        if (!(scale > 0) || !std::isfinite(scale))
            return text;
        const QString rounded = roundedText(value, scale * ShownPrecision, decimalSeparator_);
        return rounded.size() < text.size() ? rounded : text;
    } catch (const common::ConversionError&) {
        return text;
    }
}

int TRangeWindow::cellRoom() const {
    return strgrdRange->columnWidth(0) -
           2 * (strgrdRange->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, strgrdRange) + 1);
}

QFont TRangeWindow::cellFont(int row) const {
    const QString text = shownText(row);
    QFont font = strgrdRange->font();
    while (font.pointSizeF() > SmallestPointSize && QFontMetrics(font).horizontalAdvance(text) > cellRoom())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

void TRangeWindow::updateCellHints() {
    // A cell that shows its value shortened has the whole text as its hint; the others leave the
    // grid's own hint.
    for (int row = 0; row < common::RangeRowCount; ++row) {
        QTableWidgetItem* cell = strgrdRange->item(row, 0);
        if (!cell)
            continue;
        const QString hint = shownText(row) == cell->text() ? QString() : cell->text();
        if (cell->toolTip() != hint)
            cell->setToolTip(hint);
    }
}

std::optional<QString> TRangeWindow::refusalOf(const common::RangeTexts& texts,
                                               common::GraphRange& range) const {
    try {
        range = common::parseRange(texts, decimalSeparator_);
    } catch (const common::ConversionError& error) {
        return appkit::toQt(error.what());
    }
    // A reversed or empty range would draw a mirrored or blank graph, a step of 0 or below no grid
    // lines and scale numbers at all.
    if (!(range.Xmin < range.Xmax))
        return plotter::plainText("XminMustBeLessThanXmax");
    if (!(range.Ymin < range.Ymax))
        return plotter::plainText("YminMustBeLessThanYmax");
    if (!(range.Xstep > 0))
        return plotter::plainText("XstepMustBeAboveZero");
    if (!(range.Ystep > 0))
        return plotter::plainText("YstepMustBeAboveZero");
    return std::nullopt;
}

std::optional<common::GraphRange> TRangeWindow::convertRange() const {
    common::GraphRange range;
    if (const std::optional<QString> refusal = refusalOf(rangeTexts(), range)) {
        interaction_.showError(*refusal);
        return std::nullopt;
    }
    return range;
}

bool TRangeWindow::setZoomedRange(const common::GraphRange& range) {
    const common::RangeTexts texts = common::formatRange(range, decimalSeparator_);
    common::GraphRange readBack;
    if (refusalOf(texts, readBack)) {
        interaction_.showError(plotter::plainText("ZoomGivesNoRange"));
        return false;
    }
    setRangeTexts(texts);
    return true;
}

void TRangeWindow::applyRange() {
    const std::optional<common::GraphRange> range = convertRange();
    if (range && applyHandler_)
        applyHandler_(*range);
}

void TRangeWindow::writeStandardRange() {
    setRange(graph::StandardRange);
    setRedrawEnabled(true);
}

void TRangeWindow::writeTrigonometryRange() {
    if (options_.angleUnit == engine::AngleUnit::Radians)
        setRange({-3 * Pi, 3 * Pi, Pi / 2, -Pi, Pi, 1});
    else
        setRange({-540, 540, 90, -Pi, Pi, 1});
    setRedrawEnabled(true);
}

void TRangeWindow::openSavedRange() {
    setRangeTexts(common::readRangeTexts(settings_, SavedRangeSection, MissingTexts));
    setRedrawEnabled(true);
}

void TRangeWindow::saveRange() {
    try {
        settings_.update([this] { common::writeRangeTexts(settings_, SavedRangeSection, rangeTexts()); });
    } catch (const common::IniWriteError&) {
        // The settings file stays as it was; saving range values is a convenience.
    }
}

void TRangeWindow::setRedrawEnabled(bool enabled) {
    spdbtnRedraw->setEnabled(enabled);
}

bool TRangeWindow::isRedrawEnabled() const {
    return spdbtnRedraw->isEnabled();
}

void TRangeWindow::translate() {
    setWindowTitle(plotter::plainText("Range", windowTitle()));
    for (int row = 0; row < common::RangeRowCount; ++row) {
        QTableWidgetItem* label = strgrdRange->verticalHeaderItem(row);
        label->setText(plotter::plainText(common::RangeRowNames[row], label->text()));
    }
    strgrdRange->setToolTip(
        plotter::plainText("EnterRangeValuesForTheGraphWindowHere", strgrdRange->toolTip()));
    spdbtnRangeStandard->setToolTip(plotter::plainText("StandardRange", spdbtnRangeStandard->toolTip()));
    spdbtnRangeTrigonometry->setToolTip(
        plotter::plainText("TrigonometryRange", spdbtnRangeTrigonometry->toolTip()));
    spdbtnRangeOpen->setToolTip(
        plotter::plainText("OpenPreviouslySavedRangeValues", spdbtnRangeOpen->toolTip()));
    spdbtnRangeSpara->setToolTip(plotter::plainText("SaveRangeValues", spdbtnRangeSpara->toolTip()));
    spdbtnRedraw->setToolTip(
        plotter::plainText("RedrawGraphWindowWithNewRangeValues", spdbtnRedraw->toolTip()));
}

void TRangeWindow::enterOrEscapePressed() {
    const int row = strgrdRange->currentRow();
    if (row < common::RangeRowCount - 1)
        strgrdRange->setCurrentCell(row + 1, 0);
    else
        applyRange();
}

void TRangeWindow::keyTypedInGrid() {
    setRedrawEnabled(true);
}

void TRangeWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownBefore_)
        return;
    shownBefore_ = true;
    writeStandardRange();
    translate();
}
