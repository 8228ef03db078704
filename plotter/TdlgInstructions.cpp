#include "plotter/TdlgInstructions.h"

#include "plotter/DialogButtons.h"
#include "plotter/Texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TdlgInstructions::TdlgInstructions(Mode mode, QWidget* parent)
    : QDialog(parent), mode_(mode), syntaxLabel_(new QLabel(QStringLiteral("Syntax:"), this)),
      examplesLabel_(new QLabel(QStringLiteral("Examples:"), this)),
      chkboxNeverShowMessage(new QCheckBox(QStringLiteral("Do not show this message any more"), this)) {
    const bool functions = mode == Mode::Function;
    setObjectName(functions ? QStringLiteral("dlgFunctionInstructions")
                            : QStringLiteral("dlgIntegralInstructions"));
    chkboxNeverShowMessage->setObjectName(QStringLiteral("chkboxNeverShowMessage"));

    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::Monospace);
    auto* syntax = new QLabel(functions ? QStringLiteral(" f(x) [XRangeMin; XRangeMax]")
                                        : QStringLiteral(" f(x) ; Xstart; Xstop"),
                              this);
    syntax->setFont(fixed);
    auto* examples =
        new QLabel(functions ? QStringLiteral("x^2-x\nx^2-x  [-1; 3]") : QStringLiteral("x^2-x ;2;3"), this);
    examples->setFont(fixed);

    buttons_ = plotter::addOkCancelButtons(*this);
    buttons_->addButton(QDialogButtonBox::Help);
    connect(buttons_, &QDialogButtonBox::helpRequested, this, [this] {
        if (helpHandler_)
            helpHandler_();
    });

    auto* layout = new QGridLayout(this);
    layout->addWidget(syntaxLabel_, 0, 0, Qt::AlignTop);
    layout->addWidget(syntax, 0, 1);
    layout->addWidget(examplesLabel_, 1, 0, Qt::AlignTop);
    layout->addWidget(examples, 1, 1);
    layout->addWidget(chkboxNeverShowMessage, 2, 0, 1, 2);
    layout->addWidget(buttons_, 3, 0, 1, 2);
}

bool TdlgInstructions::neverShowAgain() const {
    return chkboxNeverShowMessage->isChecked();
}

void TdlgInstructions::setNeverShowAgain(bool checked) {
    chkboxNeverShowMessage->setChecked(checked);
}

void TdlgInstructions::translate() {
    using plotter::caption;
    setWindowTitle(plotter::plainText(mode_ == Mode::Function ? "InstructionsForFunctionMode"
                                                              : "InstructionsForIntegralMode",
                                      windowTitle()));
    syntaxLabel_->setText(caption("Syntax", syntaxLabel_->text()));
    examplesLabel_->setText(caption("Examples", examplesLabel_->text()));
    chkboxNeverShowMessage->setText(caption("DoNotShowThisMessageAnyMore", chkboxNeverShowMessage->text()));
    plotter::translateOkCancelButtons(*buttons_);
    QPushButton* help = buttons_->button(QDialogButtonBox::Help);
    help->setText(caption("Help", help->text()));
}

void TdlgInstructions::showEvent(QShowEvent* event) {
    translate();
    QDialog::showEvent(event);
}
