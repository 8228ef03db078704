#pragma once

#include <QFont>

namespace appkit {
class Interaction;
}

namespace regshell {

// The main window's unsaved-changes flag, set by every edit in the Data window.
class ModifiedFlag {
public:
    virtual ~ModifiedFlag() = default;
    virtual void setModified() = 0;
};

// The graph window as the Data window drives it.
class GraphRedraw {
public:
    virtual ~GraphRedraw() = default;
    // Resets the picture, reads the range, draws axes and grid, the current project's function
    // records and the switched-on data series.
    virtual void redrawGraph() = 0;
    // The same after a cell selection in the lists grid: a row with a cell that is not a number is
    // left out of the series and named in the status line, without a box that would interrupt
    // typing.
    virtual void redrawGraphLeavingOutBadRows() = 0;
    // The font of every text on the graph, and a new one chosen in the font dialog (the caller
    // redraws afterwards).
    virtual QFont graphFont() const = 0;
    virtual void applyGraphFont(const QFont& font) = 0;
};

// Where the graph window sits beside the Data window in the main window's client area.
class GraphPlacement {
public:
    virtual ~GraphPlacement() = default;
    virtual int mainClientWidth() const = 0;
    // Moves the graph window's left edge to `left` and makes it `width` wide; its top and height
    // stay.
    virtual void placeGraphWindow(int left, int width) = 0;
};

// The main window's list selector.
class ListSelection {
public:
    virtual ~ListSelection() = default;
    // 1 + the position of the selected list in the list selector: the grid column it shows.
    virtual int selectedListColumn() const = 0;
};

// Every modal box and dialog of the program.
class InteractionAccess {
public:
    virtual ~InteractionAccess() = default;
    virtual appkit::Interaction& interaction() = 0;
};

// Everything the Data window needs from the main window that hosts it.
class DataWindowHost : public ModifiedFlag,
                       public GraphRedraw,
                       public GraphPlacement,
                       public ListSelection,
                       public InteractionAccess {};

} // namespace regshell
