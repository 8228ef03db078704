#pragma once

#include "graph/GraphHost.h"

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

// The log window: a read-only text box that result lines are appended to.
class TLogWindow : public QWidget, public graph::LogOutput {
    Q_OBJECT
public:
    explicit TLogWindow(QWidget* parent = nullptr);

    void appendLine(const QString& line);
    void appendLogLine(const std::string& line) override;
    void clear();
    QStringList lines() const;
    // Caption from the current language.
    void translate();

private:
    QPlainTextEdit* Memo1;
    int lineCount_ = 0;
};
