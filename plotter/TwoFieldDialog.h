#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace plotter {

// A dialog with two labelled text fields and OK and Cancel, translated each time it is shown.
class TwoFieldDialog : public QDialog {
    Q_OBJECT
public:
    struct Design {
        const char* dialogName;
        const char* defaultCaption;
        const char* captionKey;
        const char* firstField;
        const char* firstLabelKey;
        const char* firstLabel;
        const char* secondField;
        const char* secondLabelKey;
        const char* secondLabel;
    };

    TwoFieldDialog(const Design& design, QWidget* parent);

    QString firstText() const;
    QString secondText() const;
    void setTexts(const QString& first, const QString& second);
    void translate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Design design_;
    QLabel* firstLabel_;
    QLabel* secondLabel_;
    QLineEdit* firstEdit_;
    QLineEdit* secondEdit_;
    QDialogButtonBox* buttons_;
};

} // namespace plotter

// The zoom factor dialog: the X and Y zoom factors as texts.
class TdlgZoomFactor : public plotter::TwoFieldDialog {
    Q_OBJECT
public:
    explicit TdlgZoomFactor(QWidget* parent = nullptr);
};

// The axis text dialog: the texts written at the x and y axes.
class TdlgAxisText : public plotter::TwoFieldDialog {
    Q_OBJECT
public:
    explicit TdlgAxisText(QWidget* parent = nullptr);
};
