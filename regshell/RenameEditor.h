#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace regshell {

// The editor that lies behind a selector of the toolbar area: a text box of the selector's size with
// a cancel and an accept button at its right end. While it shows, the selector is hidden and a
// hidden push button is the default button, so Enter only closes the editor.
class RenameEditor : public QWidget {
    Q_OBJECT
public:
    RenameEditor(QComboBox& selector, const char* editName, const char* cancelName, const char* acceptName,
                 const char* enterName, QWidget* parent);

    // Shows the editor with `text` in place of the selector and gives it the focus.
    void open(const QString& text);
    // Hides the editor and shows the selector again.
    void close();
    bool isOpen() const { return isVisible(); }

    QLineEdit& edit() const { return *edit_; }
    QToolButton& acceptButton() const { return *accept_; }
    QToolButton& cancelButton() const { return *cancel_; }

signals:
    // The accept button was pressed with this text; the receiver closes the editor when it took it.
    void accepted(const QString& text);

private:
    QComboBox& selector_;
    QLineEdit* edit_;
    QToolButton* cancel_;
    QToolButton* accept_;
    QPushButton* enter_;
};

} // namespace regshell
