#include "plotter/DialogButtons.h"

#include "plotter/Texts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace plotter {

QDialogButtonBox* addOkCancelButtons(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->setObjectName(QStringLiteral("buttons"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

void translateOkCancelButtons(QDialogButtonBox& buttons) {
    buttons.button(QDialogButtonBox::Ok)->setText(caption("OK"));
    buttons.button(QDialogButtonBox::Cancel)->setText(caption("Cancel"));
}

} // namespace plotter
