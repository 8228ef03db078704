#include "plotter/TfrmTYInfo.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* TessalyDescription =
    "External Program: Tessaly\n"
    "\n"
    "Tessaly analyses statistical data: type or paste your measurements into lists, and Tessaly finds "
    "the curve that describes them.\n"
    "\n"
    "It fits linear, logarithmic, exponential, power and polynomial models, and multiple regression "
    "over several independent variables.\n"
    "\n"
    "Tessaly can also find the best model for your data automatically, trying the models you choose "
    "and picking the one that fits best.\n"
    "\n"
    "Each result, with its equation and its correlation, is shown in the log window.\n"
    "\n"
    "The data and the fitted curves are drawn in a graph whose range you change by zooming or by "
    "typing the values.\n"
    "\n"
    "The graph can be copied to the clipboard for your word processor, and several data sets are "
    "kept as projects in one file.\n";

} // namespace

TfrmTYInfo::TfrmTYInfo(QWidget* parent) : QDialog(parent), Memo1(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frmTYInfo"));
    setWindowTitle(QStringLiteral("Info"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QLatin1String(TessalyDescription));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    resize(486, 336);
}

QString TfrmTYInfo::text() const {
    return Memo1->toPlainText();
}
