#pragma once

#include "engine/AngleUnit.h"
#include "graph/PlotOptions.h"

#include <functional>

class QWidget;
class TdlgAxisText;
class TdlgZoomFactor;

namespace appkit {
class Interaction;
}
namespace common {
class IniFile;
}

namespace plotter {

class CommandTable;

// The plotting options that the Options menu changes: their check marks on the menu's actions,
// the zoom factor, axis text and axis font dialogs, and the settings block that keeps them.
class OptionCommands {
public:
    // Changes `options`, which the graph reads, and calls `redraw` after a change the graph shows.
    // The dialogs belong to `parent`.
    OptionCommands(graph::PlotOptions& options, const CommandTable& commands, std::function<void()> redraw,
                   appkit::Interaction& interaction, char decimalSeparator, QWidget& parent);

    // The settings block with the menu check marks; a zoom factor that is not a number throws
    // common::ConversionError, with what was read before it in effect.
    void readSettings(const common::IniFile& file);
    // Write errors end the writing silently.
    void writeSettings(common::IniFile& file) const;

    void setAngleUnit(engine::AngleUnit unit);
    void setLineStyle(bool bold, bool dotted);
    // Shows or hides one part of the graph (axes, grid, scale texts, function names).
    void setShown(bool graph::PlotOptions::*shown, bool checked);
    void editZoomFactors();
    void editAxisTexts();
    void chooseAxisFont();

private:
    void updateCheckMarks();

    graph::PlotOptions& options_;
    const CommandTable& commands_;
    std::function<void()> redraw_;
    appkit::Interaction& interaction_;
    char decimalSeparator_;
    TdlgZoomFactor* zoomFactorDialog_;
    TdlgAxisText* axisTextDialog_;
};

} // namespace plotter
