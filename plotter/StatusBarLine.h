#pragma once

#include "graph/GraphHost.h"

#include <QString>

class QLabel;
class QStatusBar;

namespace plotter {

// The frame's status line: one label across the status bar, written by the graph, the tools and
// the entry box.
class StatusBarLine : public graph::StatusLine {
public:
    // The label (object name "StatusBar1") is made a child of `statusBar`.
    explicit StatusBarLine(QStatusBar& statusBar);

    void showStatus(const std::string& text) override;
    void clearStatus() override;
    QString text() const;

private:
    QLabel* label_;
};

} // namespace plotter
