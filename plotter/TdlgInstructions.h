#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QDialogButtonBox;
class QLabel;

// The instructions shown when an empty text is plotted: the syntax of the mode's texts, examples
// and a check box that stops the dialog from being shown again.
class TdlgInstructions : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Function, Integral };
    TdlgInstructions(Mode mode, QWidget* parent = nullptr);

    bool neverShowAgain() const;
    void setNeverShowAgain(bool checked);
    void translate();
    // What the Help button does; the dialog stays open.
    void setHelpHandler(std::function<void()> handler) { helpHandler_ = std::move(handler); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    Mode mode_;
    QLabel* syntaxLabel_;
    QLabel* examplesLabel_;
    QCheckBox* chkboxNeverShowMessage;
    QDialogButtonBox* buttons_;
    std::function<void()> helpHandler_;
};
