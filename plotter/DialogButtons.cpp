#include "plotter/DialogButtons.h"

#include "plotter/Texts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <utility>

namespace plotter {

QDialogButtonBox* addOkCancelButtons(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->setObjectName(QStringLiteral("buttons"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

void translateOkCancelButtons(QDialogButtonBox& buttons) {
    for (const auto& [which, key] :
         {std::pair{QDialogButtonBox::Ok, "OK"}, std::pair{QDialogButtonBox::Cancel, "Cancel"}}) {
        QPushButton* button = buttons.button(which);
        button->setText(caption(key, button->text()));
    }
}

} // namespace plotter
