#pragma once

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;

// Tells the user that the graph is on the clipboard and how to keep the picture sharp, with a
// check box that stops the message from being shown again.
class TCopy2ClipboardMessage : public QDialog {
    Q_OBJECT
public:
    explicit TCopy2ClipboardMessage(QWidget* parent = nullptr);

    bool neverShowAgain() const;
    void setNeverShowAgain(bool checked);
    // Caption, texts and buttons from the current language.
    void translate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Label3;
    QLabel* Label1;
    QLabel* Label2;
    QCheckBox* chkboxNeverShowMessage;
    QDialogButtonBox* buttons_;
};
