#include "plotter/TdlgSelectLanguage.h"

#include "plotter/DialogButtons.h"
#include "plotter/Texts.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

TdlgSelectLanguage::TdlgSelectLanguage(QWidget* parent)
    : QDialog(parent), lstboxLanguages(new QListWidget(this)) {
    setObjectName(QStringLiteral("dlgSelectLanguage"));
    setWindowTitle(QStringLiteral("Language"));
    lstboxLanguages->setObjectName(QStringLiteral("lstboxLanguages"));
    buttons_ = plotter::addOkCancelButtons(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstboxLanguages);
    layout->addWidget(buttons_);
    resize(220, 200);
}

void TdlgSelectLanguage::setLanguages(const QStringList& names) {
    lstboxLanguages->clear();
    lstboxLanguages->addItems(names);
}

QString TdlgSelectLanguage::selectedLanguage() const {
    for (int row = 0; row < lstboxLanguages->count(); ++row) {
        if (lstboxLanguages->item(row)->isSelected())
            return lstboxLanguages->item(row)->text();
    }
    return {};
}

void TdlgSelectLanguage::translate() {
    setWindowTitle(plotter::plainText("Language", windowTitle()));
    plotter::translateOkCancelButtons(*buttons_);
}

void TdlgSelectLanguage::showEvent(QShowEvent* event) {
    translate();
    QDialog::showEvent(event);
}
