#include "plotter/TUrlLabel.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

TUrlLabel::TUrlLabel(QWidget* parent) : QLabel(parent), popupMenu_(new QMenu(this)) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setFontColor(normalColor());
    setCursor(Qt::PointingHandCursor);
    QAction* copy = popupMenu_->addAction(QStringLiteral("Copy"));
    copy->setObjectName(QStringLiteral("Copy"));
    connect(copy, &QAction::triggered, this, [this] { QApplication::clipboard()->setText(text()); });
}

QString TUrlLabel::target() const {
    const QString url = url_.trimmed();
    return url.isEmpty() ? text().trimmed() : url;
}

QColor TUrlLabel::fontColor() const {
    return palette().color(QPalette::WindowText);
}

void TUrlLabel::setFontColor(const QColor& color) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}

void TUrlLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        rememberedColor_ = fontColor();
        pressed_ = true;
        setFontColor(activeColor());
    }
    QLabel::mousePressEvent(event);
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    setFontColor(rememberedColor_);
    if (rect().contains(event->position().toPoint()) && !target().isEmpty())
        emit openRequested(target());
}

void TUrlLabel::contextMenuEvent(QContextMenuEvent* event) {
    popupMenu_->exec(event->globalPos());
}
