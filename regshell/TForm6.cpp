#include "regshell/TForm6.h"

#include "appkit/ProgramSetup.h"
#include "regshell/ProgramIcon.h"
#include "translation/Translator.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int IconSize = 32;

} // namespace

TForm6::TForm6(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), Version(new QLabel(this)),
      BitBtn1(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(257, 158);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(8, 8, 241, 105);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(16, 16, IconSize, IconSize);
    icon->setPixmap(regshell::programIcon().pixmap(IconSize, IconSize));

    auto* productName = new QLabel(QStringLiteral("Tessaly"), panel);
    productName->setObjectName(QStringLiteral("ProductName"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(19);
    titleFont.setBold(true);
    productName->setFont(titleFont);
    QPalette maroon = productName->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    productName->setPalette(maroon);
    productName->setGeometry(64, 16, 160, 28);

    Version->setObjectName(QStringLiteral("Version"));
    Version->setParent(panel);
    QFont versionFont = Version->font();
    versionFont.setPixelSize(13);
    Version->setFont(versionFont);
    Version->setGeometry(64, 56, 160, 20);

    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(91, 123, 75, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm6::showEvent(QShowEvent* event) {
    setWindowTitle(appkit::toQt(translation::T("FAbout")));
    Version->setText(QStringLiteral("ver 3.1"));
    QDialog::showEvent(event);
}
