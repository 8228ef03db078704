#include "appkit/FixedTextBox.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace appkit {

FixedTextBox::FixedTextBox(const QString& caption, const QString& text, QWidget* parent)
    : QDialog(parent), Memo1(new QPlainTextEdit(this)) {
    setWindowTitle(caption);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(text);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

QString FixedTextBox::text() const {
    return Memo1->toPlainText();
}

} // namespace appkit
