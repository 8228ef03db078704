#include "plotter/TfrmValueTable.h"

#include "appkit/Interaction.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "engine/TFunction.h"
#include "graph/PlotOptions.h"
#include "plotter/Texts.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr int TableDigits = 3;
// The progress box appears once a table has taken this long, and is then updated this often.
constexpr qint64 ProgressDelayMilliseconds = 500;
constexpr qint64 ProgressUpdateMilliseconds = 50;

QLineEdit* field(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QLabel* label(QWidget* parent, const char* name, const char* text) {
    auto* l = new QLabel(QLatin1String(text), parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

TfrmValueTable::TfrmValueTable(appkit::Interaction& interaction, const graph::PlotOptions& options,
                               char decimalSeparator, QWidget* parent)
    : QDialog(parent), interaction_(interaction), options_(options), decimalSeparator_(decimalSeparator),
      editFunction(field(this, "editFunction")), editXmin(field(this, "editXmin")),
      editXmax(field(this, "editXmax")), editXstep(field(this, "editXstep")),
      lblXmin(label(this, "lblXmin", "Xmin")), lblXmax(label(this, "lblXmax", "Xmax")),
      lblXStep(label(this, "lblXStep", "Xstep")), Memo1(new QPlainTextEdit(this)),
      btnCalculate(new QPushButton(QStringLiteral("Calculate"), this)),
      btnCopyToClipboard(new QPushButton(QStringLiteral("Copy to Clipboard"), this)) {
    setObjectName(QStringLiteral("frmValueTable"));
    setWindowTitle(QStringLiteral("Value Table"));

    auto* modePicture = new QLabel(this);
    modePicture->setPixmap(QIcon(QStringLiteral(":/icons/function_mode.svg")).pixmap(25, 25));
    modePicture->setFixedSize(25, 25);
    auto* functionRow = new QHBoxLayout;
    functionRow->addWidget(modePicture);
    functionRow->addWidget(editFunction, 1);

    auto* rangeGrid = new QGridLayout;
    rangeGrid->addWidget(lblXmin, 0, 0);
    rangeGrid->addWidget(editXmin, 0, 1);
    rangeGrid->addWidget(lblXmax, 1, 0);
    rangeGrid->addWidget(editXmax, 1, 1);
    rangeGrid->addWidget(lblXStep, 2, 0);
    rangeGrid->addWidget(editXstep, 2, 1);

    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixedPitch(QStringLiteral("Courier New"));
    fixedPitch.setStyleHint(QFont::Monospace);
    Memo1->setFont(fixedPitch);
    Memo1->setFixedSize(321, 369);
    Memo1->setTabStopDistance(QFontMetricsF(fixedPitch).horizontalAdvance(QLatin1Char(' ')) * 12);

    btnCalculate->setObjectName(QStringLiteral("btnCalculate"));
    btnCopyToClipboard->setObjectName(QStringLiteral("btnCopyToClipboard"));
    btnCalculate->setDefault(true);
    btnCopyToClipboard->setAutoDefault(false);
    connect(btnCalculate, &QPushButton::clicked, this, &TfrmValueTable::btnCalculateClick);
    connect(btnCopyToClipboard, &QPushButton::clicked, this, &TfrmValueTable::btnCopyToClipboardClick);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(btnCalculate);
    buttonRow->addWidget(btnCopyToClipboard);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(functionRow);
    layout->addLayout(rangeGrid);
    layout->addWidget(Memo1);
    layout->addLayout(buttonRow);
}

void TfrmValueTable::translate() {
    setWindowTitle(plotter::plainText("ValueTable", QStringLiteral("Value Table")));
    lblXmin->setText(plotter::caption("Xmin", lblXmin->text()));
    lblXmax->setText(plotter::caption("Xmax", lblXmax->text()));
    lblXStep->setText(plotter::caption("Xstep", lblXStep->text()));
    btnCalculate->setText(plotter::caption("Calculate", btnCalculate->text()));
    btnCopyToClipboard->setText(plotter::caption("CopyToClipboard", btnCopyToClipboard->text()));
}

void TfrmValueTable::showEvent(QShowEvent* event) {
    translate();
    QDialog::showEvent(event);
}

void TfrmValueTable::btnCalculateClick() {
    long double xmin = 0;
    long double xmax = 0;
    long double xstep = 0;
    try {
        xmin = common::parseFloat(editXmin->text().toStdString(), decimalSeparator_);
        xmax = common::parseFloat(editXmax->text().toStdString(), decimalSeparator_);
        xstep = common::parseFloat(editXstep->text().toStdString(), decimalSeparator_);
    } catch (const common::ConversionError& error) {
        interaction_.showError(QString::fromStdString(error.what()));
        return;
    }
    // A step of 0 or less would never reach Xmax, and a huge table would freeze the program.
    if (!(xstep > 0)) {
        interaction_.showError(plotter::plainText("ValueTableStepNotPositive"));
        return;
    }
    if ((xmax - xmin) / xstep >= MaxRows) {
        interaction_.showError(plotter::plainText("ValueTableTooManyRows"));
        return;
    }
    const std::string functionText = editFunction->text().toStdString();
    engine::TFunction function;
    function.setAngleUnit(options_.angleUnit);
    std::string errorText;
    if (!function.Compile(functionText, errorText)) {
        interaction_.showError(QString::fromStdString(errorText));
        return;
    }

    const auto number = [this](long double value) {
        return QString::fromStdString(common::formatGeneral(value, TableDigits, decimalSeparator_));
    };
    QStringList lines{QStringLiteral("y=") + editFunction->text(), QStringLiteral("x\ty\ty'"), QString()};
    // A table of a costly function (a derivative of a derivative costs thousands of evaluations per
    // row) can take minutes: after a moment a progress box appears whose Cancel keeps the rows so far.
    const long long expectedRows = std::max(0LL, static_cast<long long>((xmax - xmin) / xstep) + 1);
    std::unique_ptr<QProgressDialog> progress;
    QElapsedTimer clock;
    clock.start();
    qint64 nextProgressUpdate = ProgressDelayMilliseconds;
    long double x = xmin;
    for (long long row = 0; x <= xmax && row < MaxRows; ++row) {
        if (clock.elapsed() >= nextProgressUpdate) {
            if (!progress)
                progress = makeProgressBox(expectedRows);
            progress->setValue(static_cast<int>(std::min(row, expectedRows)));
            if (progress->wasCanceled())
                break;
            nextProgressUpdate = clock.elapsed() + ProgressUpdateMilliseconds;
        }
        long double y = 0;
        long double slope = 0;
        const QString value = function.Evaluate(x, y) ? number(y) : QString();
        const QString derivative = function.Derivative(x, slope) ? number(slope) : QString();
        lines.append(number(x) + QLatin1Char('\t') + value + QLatin1Char('\t') + derivative);
        const long double next = x + xstep;
        // Far from 0 a small step may not change x at all; the table then ends at that x.
        if (next == x)
            break;
        x = next;
    }
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

std::unique_ptr<QProgressDialog> TfrmValueTable::makeProgressBox(long long rows) {
    auto box = std::make_unique<QProgressDialog>(QStringLiteral("y=") + editFunction->text(),
                                                 plotter::plainText("Cancel", QStringLiteral("Cancel")), 0,
                                                 static_cast<int>(rows), this);
    box->setObjectName(QStringLiteral("ValueTableProgress"));
    box->setWindowTitle(windowTitle());
    box->setWindowModality(Qt::WindowModal);
    box->setMinimumDuration(0);
    return box;
}

void TfrmValueTable::btnCopyToClipboardClick() {
    Memo1->selectAll();
    QApplication::clipboard()->setText(Memo1->toPlainText());
}
