#include "plotter/TwoFieldDialog.h"

#include "plotter/DialogButtons.h"
#include "plotter/Texts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace plotter {

TwoFieldDialog::TwoFieldDialog(const Design& design, QWidget* parent)
    : QDialog(parent), design_(design), firstLabel_(new QLabel(this)), secondLabel_(new QLabel(this)),
      firstEdit_(new QLineEdit(this)), secondEdit_(new QLineEdit(this)) {
    setObjectName(QLatin1String(design.dialogName));
    setWindowTitle(QLatin1String(design.defaultCaption));
    firstEdit_->setObjectName(QLatin1String(design.firstField));
    secondEdit_->setObjectName(QLatin1String(design.secondField));
    firstLabel_->setText(QLatin1String(design.firstLabel));
    secondLabel_->setText(QLatin1String(design.secondLabel));
    firstLabel_->setBuddy(firstEdit_);
    secondLabel_->setBuddy(secondEdit_);

    auto* fields = new QFormLayout;
    fields->addRow(firstLabel_, firstEdit_);
    fields->addRow(secondLabel_, secondEdit_);
    buttons_ = addOkCancelButtons(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons_);
}

QString TwoFieldDialog::firstText() const {
    return firstEdit_->text();
}
QString TwoFieldDialog::secondText() const {
    return secondEdit_->text();
}

void TwoFieldDialog::setTexts(const QString& first, const QString& second) {
    firstEdit_->setText(first);
    secondEdit_->setText(second);
}

void TwoFieldDialog::translate() {
    setWindowTitle(plainText(design_.captionKey, windowTitle()));
    firstLabel_->setText(caption(design_.firstLabelKey, firstLabel_->text()));
    secondLabel_->setText(caption(design_.secondLabelKey, secondLabel_->text()));
    translateOkCancelButtons(*buttons_);
}

void TwoFieldDialog::showEvent(QShowEvent* event) {
    translate();
    QDialog::showEvent(event);
}

} // namespace plotter

TdlgZoomFactor::TdlgZoomFactor(QWidget* parent)
    : TwoFieldDialog({"dlgZoomFactor", "Zoom Factor", "ZoomFactor", "editXFactor", "XFactor",
                      "X-Factor:", "editYFactor", "YFactor", "Y-Factor:"},
                     parent) {}

TdlgAxisText::TdlgAxisText(QWidget* parent)
    : TwoFieldDialog({"dlgAxisText", "Axis Text", "AxisText", "editXText", "XAxis", "X-Axis:", "editYText",
                      "YAxis", "Y-Axis:"},
                     parent) {}
