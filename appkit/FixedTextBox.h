#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace appkit {

// A box that shows a fixed, untranslated text in a read-only text field, with an OK button.
class FixedTextBox : public QDialog {
    Q_OBJECT
public:
    FixedTextBox(const QString& caption, const QString& text, QWidget* parent = nullptr);

    QString text() const;

protected:
    QPlainTextEdit* memo() const { return Memo1; }

private:
    QPlainTextEdit* Memo1;
};

} // namespace appkit
