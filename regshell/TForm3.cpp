#include "regshell/TForm3.h"

#include "regshell/DataWindowHost.h"
#include "regshell/ListsModel.h"
#include "regshell/TForm3Keys.h"
#include "regshell/TForm3ListsGrid.h"
#include "regshell/TessalySettings.h"
#include "translation/Translator.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextOption>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

static void registerDataWindowIcons() {
    Q_INIT_RESOURCE(TForm3Icons);
}

namespace {

using regshell::TForm3Keys;
using translation::T;

constexpr int ListColumnWidth = 87;
constexpr int RowNumberWidth = 28;
constexpr int ListRowHeight = 16;
constexpr int RangeLabelWidth = 80;
constexpr int RangeValueWidth = 140;
constexpr int RangeRowHeight = 20;
constexpr int ButtonSize = 25;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QToolButton* toolButton(const char* icon, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setFixedSize(ButtonSize, ButtonSize);
    button->setIcon(
        QIcon(QStringLiteral(":/data/TForm3Icons/") + QLatin1String(icon) + QStringLiteral(".svg")));
    return button;
}

QHBoxLayout* toolbarRow(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    return row;
}

} // namespace

TForm3::TForm3(regshell::DataWindowHost& host, const regshell::TessalySettings& settings, QWidget* parent)
    : QWidget(parent), host_(host), settings_(settings) {
    registerDataWindowIcons();
    setWindowTitle(QStringLiteral("Data"));
    PageControl1 = new QTabWidget(this);
    UpDown1 = new QScrollBar(Qt::Horizontal, this);
    UpDown1->setRange(0, WidthPositions - 1);
    UpDown1->setPageStep(1);
    UpDown1->setFixedSize(34, 17);
    connect(UpDown1, &QScrollBar::valueChanged, this, &TForm3::setWidthPosition);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(2);
    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(UpDown1);
    layout->addLayout(top);
    layout->addWidget(PageControl1);

    buildListsPage();
    buildLogPage();
    buildRangePage();

    setRangeTexts(settings_.standardRange(reggraph::StandardRange::First));
    savedRange_ = rangeTexts();
    Edit1->setText(qt(settings_.xAxisText()));
    Edit2->setText(qt(settings_.yAxisText()));
    showStoredZoomFactors();
    content_.range = rangeTexts();
    content_.xAxisName = xAxisName();
    content_.yAxisName = yAxisName();
    setRedrawEnabled(false);
    showVariableCount();
    setCurrentCell(1, 1);
    StringGrid1->setFocus();
    translate();
}

TForm3::~TForm3() {
    // The pages go first: a cell editor closing on the way out stores its text in the lists.
    delete PageControl1;
}

void TForm3::buildListsPage() {
    TabSheet1 = new QWidget;
    PageControl1->addTab(TabSheet1, QString());
    SpeedButton1 = toolButton("insert_row", TabSheet1);
    SpeedButton2 = toolButton("delete_row", TabSheet1);
    SpeedButton5 = toolButton("sort_list", TabSheet1);
    SpeedButton6 = toolButton("clear_all", TabSheet1);
    SpeedButton7 = toolButton("update_graph", TabSheet1);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm3::insertRow);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm3::deleteRow);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm3::sortSelectedList);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm3::clearAll);
    connect(SpeedButton7, &QToolButton::clicked, this, &TForm3::updateGraph);
    Label1 = new QLabel(TabSheet1);
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    StringGrid1 = new regshell::ListsGrid(TabSheet1);
    listsModel_ = new regshell::ListsModel(content_.lists, this);
    listsModel_->setRefusalHandler([this](const std::string& key) { refuse(key); });
    StringGrid1->setModel(listsModel_);
    StringGrid1->setItemDelegate(new regshell::ListsCellDelegate(*StringGrid1, StringGrid1));
    StringGrid1->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setTabKeyNavigation(true);
    StringGrid1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(ListColumnWidth);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(ListRowHeight);
    StringGrid1->verticalHeader()->setMinimumSectionSize(ListRowHeight);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this, &TForm3::cellSelected);
    connect(StringGrid1, &regshell::ListsGrid::keyTyped, this, &TForm3::keyTypedInGrid);
    connect(StringGrid1, &regshell::ListsGrid::copyRequested, this, &TForm3::copySelectedCells);
    connect(StringGrid1, &regshell::ListsGrid::pasteRequested, this, &TForm3::pasteFromClipboard);

    PopupMenu1 = new QMenu(this);
    CopyColumn1 = PopupMenu1->addAction(QString(), this, &TForm3::copyColumn);
    CopyRow1 = PopupMenu1->addAction(QString(), this, &TForm3::copyRow);
    Paste1 = PopupMenu1->addAction(QString(), this, &TForm3::paste);
    UndoPaste1 = PopupMenu1->addAction(QString(), this, &TForm3::undoPaste);
    PopupMenu1->addSeparator();
    PasteFromClipboard1 = PopupMenu1->addAction(QString(), this, &TForm3::pasteFromClipboard);
    PasteFromClipboard1->setShortcut(QKeySequence::Paste);
    Paste1->setEnabled(false);
    UndoPaste1->setEnabled(false);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(at)); });
    connect(this, &TForm3::editCommandsChanged, this, [this] {
        Paste1->setEnabled(canPaste());
        UndoPaste1->setEnabled(canUndoPaste());
    });

    auto* page = new QVBoxLayout(TabSheet1);
    page->setContentsMargins(4, 2, 4, 4);
    auto* toolbar = toolbarRow({SpeedButton1, SpeedButton2, SpeedButton5, SpeedButton6, SpeedButton7});
    toolbar->addSpacing(6);
    toolbar->addWidget(Label1, 1);
    page->addLayout(toolbar);
    page->addWidget(StringGrid1);
}

void TForm3::buildLogPage() {
    TabSheet2 = new QWidget;
    PageControl1->addTab(TabSheet2, QString());
    RichEdit1 = new QPlainTextEdit(TabSheet2);
    RichEdit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setTabChangesFocus(false);
    QTextOption option = RichEdit1->document()->defaultTextOption();
    option.setAlignment(Qt::AlignRight);
    option.setWrapMode(QTextOption::NoWrap);
    RichEdit1->document()->setDefaultTextOption(option);
    TForm3Keys::watch(*RichEdit1, [this](int) { host_.setModified(); });
    auto* page = new QVBoxLayout(TabSheet2);
    page->setContentsMargins(4, 4, 4, 4);
    page->addWidget(RichEdit1);
}

void TForm3::buildRangePage() {
    TabSheet3 = new QWidget;
    // A window too small for the page scrolls it rather than laying the groups over the range grid.
    auto* scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    PageControl1->addTab(scroller, QString());
    SpeedButton3 = toolButton("range_save", TabSheet3);
    SpeedButton4 = toolButton("range_open", TabSheet3);
    SpeedButton8 = toolButton("standard_range1", TabSheet3);
    SpeedButton9 = toolButton("standard_range2", TabSheet3);
    SpeedButton10 = toolButton("range_redraw", TabSheet3);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm3::saveRangeValues);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm3::openSavedRangeValues);
    connect(SpeedButton8, &QToolButton::clicked, this,
            [this] { loadStandardRange(reggraph::StandardRange::First); });
    connect(SpeedButton9, &QToolButton::clicked, this,
            [this] { loadStandardRange(reggraph::StandardRange::Second); });
    connect(SpeedButton10, &QToolButton::clicked, this, &TForm3::redrawWithNewRange);

    StringGrid2 = new QTableWidget(common::RangeRowCount, 2, TabSheet3);
    StringGrid2->horizontalHeader()->hide();
    StringGrid2->verticalHeader()->hide();
    StringGrid2->setColumnWidth(0, RangeLabelWidth);
    StringGrid2->setColumnWidth(1, RangeValueWidth);
    StringGrid2->verticalHeader()->setDefaultSectionSize(RangeRowHeight);
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setFixedSize(RangeLabelWidth + RangeValueWidth + 2 * StringGrid2->frameWidth(),
                              common::RangeRowCount * RangeRowHeight + 2 * StringGrid2->frameWidth());
    for (int row = 0; row < common::RangeRowCount; ++row) {
        auto* label = new QTableWidgetItem(qt(common::RangeRowNames[static_cast<std::size_t>(row)]));
        label->setFlags(Qt::ItemIsEnabled);
        StringGrid2->setItem(row, 0, label);
        StringGrid2->setItem(row, 1, new QTableWidgetItem);
    }
    TForm3Keys::watchGrid(*StringGrid2, [this](int) { keyTypedInRangeField(); });

    GroupBox1 = new QGroupBox(TabSheet3);
    Label2 = new QLabel(GroupBox1);
    Label3 = new QLabel(GroupBox1);
    Edit1 = new QLineEdit(GroupBox1);
    Edit2 = new QLineEdit(GroupBox1);
    Button1 = new QToolButton(GroupBox1);
    Button1->setText(QStringLiteral("&Font"));
    connect(Button1, &QToolButton::clicked, this, &TForm3::chooseGraphFont);
    TForm3Keys::watch(*Edit1, [this](int) { keyTypedInRangeField(); });
    TForm3Keys::watch(*Edit2, [this](int) { keyTypedInRangeField(); });
    auto* axis = new QGridLayout(GroupBox1);
    axis->addWidget(Label2, 0, 0);
    axis->addWidget(Edit1, 0, 1);
    axis->addWidget(Label3, 1, 0);
    axis->addWidget(Edit2, 1, 1);
    axis->addWidget(Button1, 2, 1, Qt::AlignLeft);

    GroupBox2 = new QGroupBox(TabSheet3);
    Label4 = new QLabel(GroupBox2);
    Label5 = new QLabel(GroupBox2);
    Edit3 = new QLineEdit(GroupBox2);
    Edit4 = new QLineEdit(GroupBox2);
    auto* zoom = new QGridLayout(GroupBox2);
    zoom->addWidget(Label4, 0, 0);
    zoom->addWidget(Edit3, 0, 1);
    zoom->addWidget(Label5, 1, 0);
    zoom->addWidget(Edit4, 1, 1);

    auto* page = new QVBoxLayout(TabSheet3);
    page->setContentsMargins(4, 2, 4, 4);
    auto* toolbar = toolbarRow({SpeedButton3, SpeedButton4, SpeedButton8, SpeedButton9, SpeedButton10});
    toolbar->addStretch();
    page->addLayout(toolbar);
    page->addWidget(StringGrid2);
    page->addWidget(GroupBox1);
    page->addWidget(GroupBox2);
    page->addStretch();
    scroller->setWidget(TabSheet3);
    scroller->viewport()->setAutoFillBackground(false);
    TabSheet3->setAutoFillBackground(false);
}

void TForm3::translate() {
    PageControl1->setTabText(0, qt(T("Lists")));
    PageControl1->setTabText(1, qt(T("Log")));
    PageControl1->setTabText(2, qt(T("GraphandRange")));
    SpeedButton1->setToolTip(qt(T("InsertRow")));
    SpeedButton2->setToolTip(qt(T("DeleteRow")));
    SpeedButton5->setToolTip(qt(T("Sortselectedlist")));
    SpeedButton6->setToolTip(qt(T("Clearall")));
    SpeedButton7->setToolTip(qt(T("UpdateGraph")));
    CopyColumn1->setText(qt(T("CopyColumn")));
    CopyRow1->setText(qt(T("CopyRow")));
    Paste1->setText(qt(T("Paste")));
    UndoPaste1->setText(qt(T("UndoPaste")));
    PasteFromClipboard1->setText(qt(T("PastefromClipboard")));
    SpeedButton3->setToolTip(qt(T("Saverangevalues")));
    SpeedButton4->setToolTip(qt(T("Openpreviouslysavedrangevalues")));
    SpeedButton8->setToolTip(qt(T("Standardrange1")));
    SpeedButton9->setToolTip(qt(T("Standardrange2")));
    SpeedButton10->setToolTip(qt(T("RedrawGraphwindowwithnewrangevalues")));
    GroupBox1->setTitle(qt(T("AxisText")));
    Label2->setText(qt(T("XAxisName")));
    Label3->setText(qt(T("YAxisName")));
    GroupBox2->setTitle(qt(T("ZoomFactor")));
    Label4->setText(qt(T("XFactor")));
    Label5->setText(qt(T("YFactor")));
    showVariableCount();
}

projects::DataWindowContent& TForm3::content() {
    commitEdit();
    content_.range = rangeTexts();
    content_.xAxisName = xAxisName();
    content_.yAxisName = yAxisName();
    content_.log = logLines();
    return content_;
}

void TForm3::showContent() {
    setRangeTexts(content_.range);
    Edit1->setText(qt(content_.xAxisName));
    Edit2->setText(qt(content_.yAxisName));
    RichEdit1->clear();
    appendLogLines(content_.log);
    listsModel_->reset();
    showVariableCount();
    setCurrentCell(1, 1);
}

projects::DataLists& TForm3::lists() {
    commitEdit();
    return content_.lists;
}

void TForm3::commitEdit() {
    StringGrid1->commitCurrentEdit();
}

void TForm3::showLogPage() {
    PageControl1->setCurrentWidget(TabSheet2);
}

void TForm3::showStoredZoomFactors() {
    Edit3->setText(qt(settings_.xZoomFactor()));
    Edit4->setText(qt(settings_.yZoomFactor()));
}

void TForm3::listsChanged() {
    listsModel_->syncShape();
    StringGrid1->refreshCurrentEdit();
    showVariableCount();
}

void TForm3::showVariableCount() {
    Label1->setText(QStringLiteral(" ") + qt(T("Variabels")) + QStringLiteral(" ") +
                    QString::number(content_.lists.variableCount()));
    // Row numbers stay readable however many rows the grid holds.
    const QFontMetrics metrics(StringGrid1->verticalHeader()->font());
    const int widest = metrics.horizontalAdvance(QString::number(content_.lists.rowCount() - 1)) + 8;
    StringGrid1->setRowNumberWidth(std::max(RowNumberWidth, widest));
}

// --- Log ---

void TForm3::appendLogLine(const std::string& line) {
    RichEdit1->appendPlainText(qt(line));
}

void TForm3::appendLogLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        appendLogLine(line);
}

void TForm3::clearLog() {
    RichEdit1->clear();
}

std::vector<std::string> TForm3::logLines() const {
    std::vector<std::string> lines;
    if (RichEdit1->document()->isEmpty())
        return lines;
    for (const QString& line : RichEdit1->toPlainText().split(QLatin1Char('\n')))
        lines.push_back(line.toStdString());
    return lines;
}

QTextDocument* TForm3::logDocument() const {
    return RichEdit1->document();
}
