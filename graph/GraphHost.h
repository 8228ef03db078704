#pragma once

#include "common/GraphRange.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QKeyEvent;

namespace common {
class IniFile;
}

namespace graph {

struct PlotOptions;

// The frame's working mode: typed texts are functions or integrals.
enum class PlotMode { Function, Integral };

// The range window as the graph sees it: the texts of its value column and its Redraw button.
class RangeAccess {
public:
    virtual ~RangeAccess() = default;
    virtual common::RangeTexts rangeTexts() const = 0;
    virtual void setRangeTexts(const common::RangeTexts& texts) = 0;
    // Converts the six texts into the graph's range and redraws the graph.
    virtual void applyRange() = 0;
    // Keeps the texts as they are now for Undo Zoom, as every zoom does before it changes them.
    virtual void keepRangeForUndoZoom() = 0;
};

// The frame's status line.
class StatusLine {
public:
    virtual ~StatusLine() = default;
    virtual void showStatus(const std::string& text) = 0;
    virtual void clearStatus() = 0;
};

// How an instructions dialog was closed: OK or not, and its "do not show again" check box.
struct InstructionsAnswer {
    bool accepted = false;
    bool neverShowAgain = false;
};

// Modal boxes and dialogs of the frame; a test answers them.
class GraphDialogs {
public:
    virtual ~GraphDialogs() = default;
    // An information box with an OK button.
    virtual void showMessage(const std::string& text) = 0;
    // An error box with an OK button.
    virtual void showError(const std::string& text) = 0;
    virtual InstructionsAnswer showFunctionInstructions() = 0;
    virtual InstructionsAnswer showIntegralInstructions() = 0;
    // An input box; nothing when the user cancels.
    virtual std::optional<std::string> askText(const std::string& caption, const std::string& prompt) = 0;
};

// The frame's choice among candidate function texts. Nothing means no choice: there was no (or
// no second) candidate and the frame has said so, or the user cancelled.
class FunctionChoice {
public:
    virtual ~FunctionChoice() = default;
    virtual std::optional<std::string> chooseOneFunction(const std::vector<std::string>& candidates) = 0;
    virtual std::optional<std::pair<std::string, std::string>>
    chooseTwoFunctions(const std::vector<std::string>& candidates) = 0;
};

// The log window.
class LogOutput {
public:
    virtual ~LogOutput() = default;
    virtual void appendLogLine(const std::string& line) = 0;
};

// What the frame keeps for the whole process and the graph reads.
class FrameState {
public:
    virtual ~FrameState() = default;
    virtual PlotMode currentMode() const = 0;
    // The plotting options the graph reads each time it draws.
    virtual const PlotOptions& plotOptions() const = 0;
    // The program's settings file (options such as "NeverShowFunctionMessage").
    virtual common::IniFile& settingsFile() = 0;
};

// The function pad's key handling, so typing goes on while the graph has the focus.
class FunctionPadKeys {
public:
    virtual ~FunctionPadKeys() = default;
    virtual void functionPadKeyPress(QKeyEvent& event) = 0;
};

// Everything the graph window needs from the frame that hosts it, one role each, so that each can
// be played by its own small object. The solve tools also take a FunctionChoice.
struct GraphHost {
    RangeAccess& range;
    StatusLine& status;
    GraphDialogs& dialogs;
    LogOutput& log;
    FrameState& state;
    FunctionPadKeys& padKeys;
};

} // namespace graph
