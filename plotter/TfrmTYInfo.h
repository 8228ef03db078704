#pragma once

#include <QDialog>

class QPlainTextEdit;

// What the companion program Tessaly does, in English.
class TfrmTYInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTYInfo(QWidget* parent = nullptr);

    QString text() const;

private:
    QPlainTextEdit* Memo1;
};
