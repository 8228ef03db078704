#include "plotter/TCopy2ClipboardMessage.h"

#include "plotter/DialogButtons.h"
#include "plotter/Texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

using plotter::caption;
using plotter::plainText;

TCopy2ClipboardMessage::TCopy2ClipboardMessage(QWidget* parent)
    : QDialog(parent), Label3(new QLabel(QStringLiteral("Important!"), this)),
      Label1(new QLabel(QStringLiteral("The Graph window has been copied as a picture to the clipboard. You "
                                       "can now paste it into your word processor or paint program."),
                        this)),
      Label2(new QLabel(QStringLiteral("If you want to change the size of the picture, change it in Quorra "
                                       "before copying, not in the destination program! By doing this, you "
                                       "will preserve the quality of the picture."),
                        this)),
      chkboxNeverShowMessage(new QCheckBox(QStringLiteral("Do not show this message any more"), this)) {
    setObjectName(QStringLiteral("Copy2ClipboardMessage"));
    setWindowTitle(QStringLiteral("Copy to Clipboard Information"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    chkboxNeverShowMessage->setObjectName(QStringLiteral("chkboxNeverShowMessage"));
    QFont heading = Label3->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    Label3->setFont(heading);
    Label1->setWordWrap(true);
    Label2->setWordWrap(true);
    buttons_ = plotter::addOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label3);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addSpacing(6);
    layout->addWidget(chkboxNeverShowMessage);
    layout->addWidget(buttons_);
    setMinimumWidth(420);
}

bool TCopy2ClipboardMessage::neverShowAgain() const {
    return chkboxNeverShowMessage->isChecked();
}

void TCopy2ClipboardMessage::setNeverShowAgain(bool checked) {
    chkboxNeverShowMessage->setChecked(checked);
}

void TCopy2ClipboardMessage::translate() {
    setWindowTitle(plainText("CopyToClipboardInformation", windowTitle()));
    Label1->setText(plainText("TheGraphWindowHasBeen", Label1->text()));
    Label2->setText(plainText("IfYouWantToChange", Label2->text()));
    Label3->setText(plainText("Important", Label3->text()));
    chkboxNeverShowMessage->setText(caption("DoNotShowThisMessageAnyMore", chkboxNeverShowMessage->text()));
    plotter::translateOkCancelButtons(*buttons_);
}

void TCopy2ClipboardMessage::showEvent(QShowEvent* event) {
    translate();
    QDialog::showEvent(event);
}
