#include "appkit/THelpWindow.h"

#include "appkit/Translated.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)), close_(new QPushButton(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(title);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* back = new QPushButton(QStringLiteral("<"), this);
    auto* forward = new QPushButton(QStringLiteral(">"), this);
    auto* home = new QPushButton(QStringLiteral("\u2302"), this);
    for (QPushButton* button : {back, forward, home}) {
        button->setFixedWidth(36);
        button->setFocusPolicy(Qt::NoFocus);
    }
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, browser_, &QTextBrowser::home);
    close_->setObjectName(QStringLiteral("btnClose"));
    close_->setFocusPolicy(Qt::NoFocus);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        if (!browser_->documentTitle().isEmpty())
            setWindowTitle(browser_->documentTitle());
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    resize(720, 640);
}

bool THelpWindow::showTopic(const QString& file, const QString& topic) {
    if (!QFileInfo(file).isFile())
        return false;
    QUrl address = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    if (browser_->source().adjusted(QUrl::RemoveFragment) != address)
        browser_->clearHistory();
    if (!topic.isEmpty())
        address.setFragment(topic);
    // Asked for from a modal dialog, the window must take input too, so it joins the modal chain.
    const Qt::WindowModality modality =
        QApplication::activeModalWidget() && QApplication::activeModalWidget() != this ? Qt::ApplicationModal
                                                                                       : Qt::NonModal;
    if (windowModality() != modality) {
        hide();
        setWindowModality(modality);
    }
    close_->setText(appkit::translated("Close"));
    browser_->setSource(address);
    if (topic.isEmpty())
        browser_->verticalScrollBar()->setValue(0);
    if (!placed_ && parentWidget()) {
        // The first time it appears, the help stands in the middle of the program's window.
        placed_ = true;
        move(parentWidget()->geometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    return true;
}

void THelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
