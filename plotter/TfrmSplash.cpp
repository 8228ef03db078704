#include "plotter/TfrmSplash.h"

#include "plotter/Icons.h"
#include "plotter/ProductInfo.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    plotter::loadIcons();
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(546, 403);
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* name = new QLabel(QLatin1String(plotter::ProductName), panel);
    QFont nameFont(QStringLiteral("Courier New"));
    nameFont.setPixelSize(48);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    name->setAlignment(Qt::AlignCenter);

    auto* picture = new QLabel(panel);
    picture->setPixmap(QIcon(QStringLiteral(":/icons/function_mode.svg")).pixmap(160, 160));
    picture->setAlignment(Qt::AlignCenter);

    auto* version =
        new QLabel(QStringLiteral("Version %1").arg(QLatin1String(plotter::ProductVersion)), panel);
    QFont versionFont = version->font();
    versionFont.setBold(true);
    version->setFont(versionFont);
    version->setAlignment(Qt::AlignCenter);
    auto* notice = new QLabel(QLatin1String(plotter::NoticeLine), panel);
    notice->setAlignment(Qt::AlignCenter);

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(name);
    panelLayout->addWidget(picture, 1);
    panelLayout->addWidget(version);
    panelLayout->addWidget(notice);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    if (const QScreen* display = screen())
        move(display->geometry().center() - rect().center());
}
