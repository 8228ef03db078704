#pragma once

#include "graph/GraphHost.h"
#include "plotter/CommandId.h"

#include <QString>
#include <QWidget>

class QAction;
class QKeyEvent;
class QPushButton;
class QTimer;

// What the function pad edits and runs: the frame's entry text and some of its commands.
class FunctionPadHost {
public:
    virtual ~FunctionPadHost() = default;
    virtual QString entryText() const = 0;
    virtual void setEntryText(const QString& text) = 0;
    // Plots the entry text as the toolbar's plot button does.
    virtual void plotEntryText() = 0;
    // The action of the frame's command (Derivative, Tangent, Normal) that a pad button runs; the
    // button is enabled with it.
    virtual QAction& commandAction(plotter::CommandId command) = 0;
};

// The function pad: calculator-like buttons that append to the entry text, and key handling
// that types into it while the pad (or the graph) has the focus.
class TFunctionPadWindow : public QWidget, public graph::FunctionPadKeys {
    Q_OBJECT
public:
    explicit TFunctionPadWindow(FunctionPadHost& host, char decimalSeparator, QWidget* parent = nullptr);

    // The pad's own key handling: sets the keyboard flag, then Backspace removes the last
    // character, Enter plots, and any other character is appended.
    void functionPadKeyPress(QKeyEvent& event) override;
    // The client size that ends just right of and below the divide button.
    QSize designClientSize() const;
    // Caption, captions and hints from the current language; the decimal separator button.
    void translate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* addButton(const char* name, const QString& caption, int left, int top, int width,
                           int height = 20);
    void addAppendButton(const char* name, const QString& caption, const QString& insertion, int left,
                         int top, int width);
    void addCommandButton(const char* name, const QString& caption, plotter::CommandId command, int left,
                          int top);
    // Shows `caption` on `button` whole, in a smaller letter where the pad's is too wide for it.
    void setCaption(QPushButton& button, const QString& caption);
    void append(const QString& text);
    void removeLastCharacter();

    FunctionPadHost& host_;
    char decimalSeparator_;
    bool keyboardFlag_ = false;
    QTimer* TimerDeleteButton;
    QPushButton* Button30 = nullptr;
    QPushButton* btnDivide = nullptr;
    QPushButton* spdbtnBack = nullptr;
};
