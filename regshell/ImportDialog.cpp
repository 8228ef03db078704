#include "regshell/ImportDialog.h"

#include "appkit/ProgramSetup.h"
#include "appkit/Translated.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace regshell {

namespace {

using appkit::toQt;
using appkit::translated;
using projects::ColumnSeparator;

constexpr std::array<ColumnSeparator, 4> Separators = {ColumnSeparator::Comma, ColumnSeparator::Semicolon,
                                                       ColumnSeparator::Tab, ColumnSeparator::Blanks};
constexpr std::array<const char*, 4> SeparatorKeys = {"ImportComma", "ImportSemicolon", "ImportTab",
                                                      "ImportBlanks"};
// A cell that is not a number, as the grid will not be able to compute with it.
const QColor NotANumberColour(255, 214, 214);

QString listLabel(int list) {
    return list < projects::DataLists::kMaxVariables ? QStringLiteral("X%1:").arg(list + 1)
                                                     : QStringLiteral("Y:");
}

} // namespace

QString notANumberNote(const projects::CellPosition& cell, const std::string& text) {
    return translated("ImportNotANumber")
        .replace(QLatin1String("%1"), QString::number(cell.row))
        .replace(QLatin1String("%2"), QString::number(cell.column))
        .replace(QLatin1String("%3"), toQt(text));
}

ImportDialog::ImportDialog(QWidget* parent)
    : QDialog(parent), fileLabel_(new QLabel(this)), separatorLabel_(new QLabel(this)),
      separatorBox_(new QComboBox(this)), decimalLabel_(new QLabel(this)), decimalBox_(new QComboBox(this)),
      headerBox_(new QCheckBox(this)), xCountLabel_(new QLabel(this)), xCountBox_(new QSpinBox(this)),
      currentProjectButton_(new QRadioButton(this)), newProjectButton_(new QRadioButton(this)),
      table_(new QTableWidget(this)), summary_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("ImportDialog"));
    setModal(true);
    separatorBox_->setObjectName(QStringLiteral("SeparatorBox"));
    decimalBox_->setObjectName(QStringLiteral("DecimalBox"));
    headerBox_->setObjectName(QStringLiteral("HeaderBox"));
    xCountBox_->setObjectName(QStringLiteral("XCountBox"));
    table_->setObjectName(QStringLiteral("PreviewTable"));
    summary_->setObjectName(QStringLiteral("Summary"));
    summary_->setWordWrap(true);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Long names start at the left edge and end in an ellipsis, so the list they become stays readable.
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    table_->horizontalHeader()->setMaximumSectionSize(240);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->setMinimumSize(520, 260);
    for (std::size_t i = 0; i < Separators.size(); ++i)
        separatorBox_->addItem(QString());
    decimalBox_->addItem(QStringLiteral("."));
    decimalBox_->addItem(QStringLiteral(","));
    xCountBox_->setRange(projects::DataLists::kMinVariables, projects::DataLists::kMaxVariables);

    auto* format = new QGridLayout;
    format->addWidget(separatorLabel_, 0, 0);
    format->addWidget(separatorBox_, 0, 1);
    format->addWidget(decimalLabel_, 0, 2);
    format->addWidget(decimalBox_, 0, 3);
    format->addWidget(headerBox_, 0, 4);
    format->setColumnStretch(5, 1);

    auto* xCount = new QHBoxLayout;
    xCount->addWidget(xCountLabel_);
    xCount->addWidget(xCountBox_);
    xCount->addStretch();

    // X1..X5 three to a row, Y on a row of its own below them.
    auto* columns = new QGridLayout;
    for (int list = 0; list <= YList; ++list) {
        columnLabels_[std::size_t(list)] = new QLabel(listLabel(list), this);
        auto* box = new QComboBox(this);
        box->setObjectName(list < YList ? QStringLiteral("X%1Box").arg(list + 1) : QStringLiteral("YBox"));
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(20);
        box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        columnBoxes_[std::size_t(list)] = box;
        const int row = list < YList ? list / 3 : 2;
        const int column = list < YList ? (list % 3) * 2 : 0;
        columns->addWidget(columnLabels_[std::size_t(list)], row, column);
        columns->addWidget(box, row, column + 1);
        connect(box, &QComboBox::currentIndexChanged, this, &ImportDialog::choiceChanged);
    }
    for (int column = 1; column < 6; column += 2)
        columns->setColumnStretch(column, 1);

    auto* target = new QVBoxLayout;
    target->addWidget(currentProjectButton_);
    target->addWidget(newProjectButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileLabel_);
    layout->addLayout(format);
    layout->addWidget(table_, 1);
    layout->addWidget(summary_);
    layout->addLayout(xCount);
    layout->addLayout(columns);
    layout->addLayout(target);
    layout->addWidget(buttons_);

    connect(separatorBox_, &QComboBox::currentIndexChanged, this, &ImportDialog::readAgain);
    connect(decimalBox_, &QComboBox::currentIndexChanged, this, &ImportDialog::readAgain);
    connect(headerBox_, &QCheckBox::toggled, this, &ImportDialog::readAgain);
    connect(xCountBox_, &QSpinBox::valueChanged, this, &ImportDialog::choiceChanged);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    translate();
}

ImportDialog::~ImportDialog() = default;

void ImportDialog::translate() {
    setWindowTitle(translated("FImportData"));
    separatorLabel_->setText(translated("ImportSeparator"));
    for (std::size_t i = 0; i < SeparatorKeys.size(); ++i)
        separatorBox_->setItemText(static_cast<int>(i), translated(SeparatorKeys[i]));
    decimalLabel_->setText(translated("ImportDecimal"));
    headerBox_->setText(translated("ImportHeader"));
    xCountLabel_->setText(translated("ImportXCount"));
    currentProjectButton_->setText(translated("ImportIntoCurrent"));
    newProjectButton_->setText(translated("ImportIntoNew"));
    buttons_->button(QDialogButtonBox::Ok)->setText(translated("OK"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(translated("Cancel"));
}

void ImportDialog::prepare(std::string text, const QString& fileName, char userDecimal,
                           bool hasCurrentProject) {
    text_ = std::move(text);
    userDecimal_ = userDecimal;
    translate();
    fileLabel_->setText(QFileInfo(fileName).fileName());
    currentProjectButton_->setEnabled(hasCurrentProject);
    (hasCurrentProject ? currentProjectButton_ : newProjectButton_)->setChecked(true);
    const projects::ColumnTextFormat detected = projects::detectColumnTextFormat(text_);
    filling_ = true;
    separatorBox_->setCurrentIndex(static_cast<int>(
        std::find(Separators.begin(), Separators.end(), detected.separator) - Separators.begin()));
    decimalBox_->setCurrentIndex(detected.decimalSeparator == ',' ? 1 : 0);
    headerBox_->setChecked(detected.hasHeader);
    filling_ = false;
    readAgain();
}

projects::ColumnTextFormat ImportDialog::chosenFormat() const {
    return {Separators[static_cast<std::size_t>(std::max(separatorBox_->currentIndex(), 0))],
            decimalBox_->currentIndex() == 1 ? ',' : '.', headerBox_->isChecked()};
}

projects::ColumnChoice ImportDialog::chosenColumns() const {
    projects::ColumnChoice choice;
    for (int list = 0; list < xCountBox_->value(); ++list)
        choice.xColumns.push_back(columnBoxes_[std::size_t(list)]->currentIndex());
    choice.yColumn = columnBoxes_[std::size_t(YList)]->currentIndex();
    return choice;
}

ImportRequest ImportDialog::request() const {
    return {chosenFormat(), chosenColumns(), newProjectButton_->isChecked()};
}

void ImportDialog::readAgain() {
    if (filling_)
        return;
    refusal_.clear();
    try {
        preview_ = projects::previewColumnText(text_, chosenFormat(), userDecimal_);
    } catch (const projects::ColumnTextError& failure) {
        preview_.reset();
        refusal_ = toQt(failure.what());
    }
    fillColumnBoxes(projects::defaultColumnChoice(preview_ ? preview_->columnCount : 0));
    choiceChanged();
}

void ImportDialog::fillColumnBoxes(const projects::ColumnChoice& choice) {
    filling_ = true;
    const int columns = preview_ ? preview_->columnCount : 0;
    for (QComboBox* box : columnBoxes_) {
        box->clear();
        for (int c = 0; c < columns; ++c) {
            const QString name = toQt(preview_->columnNames[std::size_t(c)]);
            const QString column =
                translated("ImportColumn").replace(QLatin1String("%1"), QString::number(c + 1));
            box->addItem(name.isEmpty() ? column : column + QStringLiteral(": ") + name);
        }
    }
    xCountBox_->setMaximum(std::clamp(columns - 1, 1, projects::DataLists::kMaxVariables));
    xCountBox_->setValue(std::max(static_cast<int>(choice.xColumns.size()), 1));
    for (std::size_t i = 0; i < choice.xColumns.size(); ++i)
        columnBoxes_[i]->setCurrentIndex(choice.xColumns[i]);
    for (std::size_t i = choice.xColumns.size(); i < std::size_t(YList); ++i)
        columnBoxes_[i]->setCurrentIndex(-1);
    columnBoxes_[std::size_t(YList)]->setCurrentIndex(columns > 0 ? choice.yColumn : -1);
    filling_ = false;
}

void ImportDialog::choiceChanged() {
    if (filling_)
        return;
    for (int list = 0; list < YList; ++list) {
        const bool used = list < xCountBox_->value() && preview_;
        columnLabels_[std::size_t(list)]->setVisible(list < xCountBox_->value());
        columnBoxes_[std::size_t(list)]->setVisible(list < xCountBox_->value());
        if (used && columnBoxes_[std::size_t(list)]->currentIndex() < 0) {
            const QSignalBlocker blocker(columnBoxes_[std::size_t(list)]);
            columnBoxes_[std::size_t(list)]->setCurrentIndex(std::min(list, preview_->columnCount - 1));
        }
    }
    showTable();
    showSummary();
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(canAccept());
}

bool ImportDialog::canAccept() const {
    return preview_ && projects::isValidColumnChoice(chosenColumns(), preview_->columnCount);
}

// The table shows every column of the file, headed by the list it becomes and the list's name.
void ImportDialog::showTable() {
    table_->clear();
    if (!preview_) {
        table_->setRowCount(0);
        table_->setColumnCount(0);
        return;
    }
    const projects::ImportPreview& shown = *preview_;
    table_->setColumnCount(shown.columnCount);
    table_->setRowCount(static_cast<int>(shown.rows.size()));
    const projects::ColumnChoice choice = chosenColumns();
    const bool valid = projects::isValidColumnChoice(choice, shown.columnCount);
    const std::vector<std::string> names =
        valid ? projects::chosenListNames(shown.columnNames, choice) : std::vector<std::string>();
    for (int c = 0; c < shown.columnCount; ++c) {
        QString heading = toQt(shown.columnNames[std::size_t(c)]);
        if (valid) {
            const auto x = std::find(choice.xColumns.begin(), choice.xColumns.end(), c);
            if (x != choice.xColumns.end()) {
                const auto i = static_cast<std::size_t>(x - choice.xColumns.begin());
                heading = QStringLiteral("X%1: ").arg(i + 1) + toQt(names[i]);
            } else if (c == choice.yColumn) {
                heading = QStringLiteral("Y: ") + toQt(names.back());
            }
        }
        auto* header = new QTableWidgetItem(heading);
        header->setToolTip(heading);
        table_->setHorizontalHeaderItem(c, header);
        for (std::size_t r = 0; r < shown.rows.size(); ++r) {
            const std::string& cell = shown.rows[r][std::size_t(c)];
            auto* item = new QTableWidgetItem(toQt(cell));
            if (!cell.empty() && !projects::isNumberCell(cell, userDecimal_))
                item->setBackground(NotANumberColour);
            table_->setItem(static_cast<int>(r), c, item);
        }
    }
    table_->resizeColumnsToContents();
}

void ImportDialog::showSummary() {
    summary_->setText(note());
    summary_->setStyleSheet(refusal_.isEmpty() ? QString() : QStringLiteral("color: #b00000"));
}

QString ImportDialog::note() const {
    if (!preview_)
        return refusal_;
    QString text = translated("ImportSummary")
                       .replace(QLatin1String("%1"), QString::number(preview_->rowCount))
                       .replace(QLatin1String("%2"), QString::number(preview_->columnCount));
    if (const auto& cell = preview_->firstNotANumber)
        text += QLatin1Char(' ') +
                notANumberNote(*cell, preview_->rows[cell->row - 1][std::size_t(cell->column - 1)]);
    return text;
}

} // namespace regshell
