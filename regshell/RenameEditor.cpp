#include "regshell/RenameEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace regshell {

namespace {

constexpr int ButtonWidth = 15;
constexpr int ButtonHeight = 17;

} // namespace

RenameEditor::RenameEditor(QComboBox& selector, const char* editName, const char* cancelName,
                           const char* acceptName, const char* enterName, QWidget* parent)
    : QWidget(parent), selector_(selector), edit_(new QLineEdit(this)), cancel_(new QToolButton(this)),
      accept_(new QToolButton(this)), enter_(new QPushButton(this)) {
    setGeometry(selector.geometry());
    const int width = selector.width();
    const int height = selector.height();
    edit_->setObjectName(QString::fromLatin1(editName));
    edit_->setGeometry(0, 0, width - 2 * ButtonWidth, height);
    const int buttonTop = (height - ButtonHeight) / 2;
    cancel_->setObjectName(QString::fromLatin1(cancelName));
    cancel_->setGeometry(width - 2 * ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    cancel_->setText(QStringLiteral("✕"));
    accept_->setObjectName(QString::fromLatin1(acceptName));
    accept_->setGeometry(width - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    accept_->setText(QStringLiteral("✓"));
    // The default button lies under the text box: Enter presses it and only closes the editor.
    enter_->setObjectName(QString::fromLatin1(enterName));
    enter_->setGeometry(0, 0, 1, 1);
    enter_->lower();
    enter_->setFocusPolicy(Qt::NoFocus);
    connect(edit_, &QLineEdit::returnPressed, enter_, &QPushButton::click);
    connect(enter_, &QPushButton::clicked, this, &RenameEditor::close);
    connect(cancel_, &QToolButton::clicked, this, &RenameEditor::close);
    connect(accept_, &QToolButton::clicked, this, [this] { emit accepted(edit_->text()); });
    hide();
}

void RenameEditor::open(const QString& text) {
    edit_->setText(text);
    edit_->selectAll();
    selector_.hide();
    show();
    raise();
    edit_->setFocus();
}

void RenameEditor::close() {
    hide();
    selector_.show();
}

} // namespace regshell
