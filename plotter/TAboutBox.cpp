#include "plotter/TAboutBox.h"

#include "plotter/Icons.h"
#include "plotter/ProductInfo.h"
#include "plotter/TUrlLabel.h"
#include "plotter/Texts.h"
#include "plotter/WebLinks.h"

#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent), Version(new QLabel(this)), Copyright(new QLabel(this)),
      UrlLabelHomePage(new TUrlLabel(this)), OKButton(new QPushButton(QStringLiteral("OK"), this)) {
    plotter::loadIcons();
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/function_mode.svg")).pixmap(40, 40));
    auto* productName = new QLabel(QLatin1String(plotter::ProductName), panel);
    productName->setObjectName(QStringLiteral("ProductName"));
    QFont nameFont = productName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    productName->setFont(nameFont);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setParent(panel);
    Copyright->setObjectName(QStringLiteral("Copyright"));
    Copyright->setParent(panel);
    Copyright->setWordWrap(true);
    UrlLabelHomePage->setObjectName(QStringLiteral("UrlLabelHomePage"));
    UrlLabelHomePage->setParent(panel);
    UrlLabelHomePage->setText(QStringLiteral("Quorra Home Page"));
    UrlLabelHomePage->setURL(plotter::makerPage(plotter::ProductPagePath));

    auto* panelLayout = new QGridLayout(panel);
    panelLayout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    panelLayout->addWidget(productName, 0, 1);
    panelLayout->addWidget(Version, 1, 1);
    panelLayout->addWidget(Copyright, 2, 0, 1, 2);
    panelLayout->addWidget(UrlLabelHomePage, 3, 0, 1, 2);
    panelLayout->setColumnStretch(1, 1);

    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    setFixedSize(294, 194);
}

void TAboutBox::translate() {
    setWindowTitle(plotter::plainText("AboutCaption", windowTitle()));
    UrlLabelHomePage->setText(plotter::plainText("QuorraHomePage", UrlLabelHomePage->text()));
    OKButton->setText(plotter::caption("OK", OKButton->text()));
    Version->setText(QLatin1String(plotter::ProductVersion));
    Copyright->setText(QLatin1String(plotter::NoticeLine));
}

void TAboutBox::showEvent(QShowEvent* event) {
    translate();
    QDialog::showEvent(event);
}
