#pragma once

namespace regshell {

// What the project flows need from the main window: showing what the project store and the Data
// window's content now hold, the graph, enabling and the File menu's Open command.
class ProjectHost {
public:
    virtual ~ProjectHost() = default;

    // Before the current project is written back into the store: bring the Data window's content
    // up to date with what its boxes show.
    virtual void collectContent() = 0;
    // The store's current project was loaded into the Data window's content: refill the project
    // selector from the store and select the current project, refill the list selector and select
    // its first list, show the grid, caption, status and statistics captions, apply the
    // single-variable enabling rule, reset the graph and draw the project's records.
    virtual void showCurrentProject() = 0;
    // The store was emptied for a new file: empty both selectors, show the emptied grid and log,
    // the range and axis names of the content, the zoom factors of the settings; reset the graph.
    virtual void showEmptyFile() = 0;
    // Project names were added, deleted or renamed while no other project was loaded: refill the
    // project selector from the store and select the current project when there is one.
    virtual void showProjectNames() = 0;
    // A list of the current project was renamed: refill the list selector (keeping the selected
    // list), the grid header and the statistics captions.
    virtual void showListNames() = 0;
    // Function records were erased: reset the graph, set the drawn-function count to 0 and draw
    // the current project's records again.
    virtual void redrawGraph() = 0;
    // The lists grid's current cell becomes column 1, row 1.
    virtual void moveToFirstCell() = 0;

    virtual void setModified(bool modified) = 0;
    virtual void setMainWindowEnabled(bool enabled) = 0;
    // The check mark of "Show Start Wizard at launch".
    virtual void setShowWizardChecked(bool checked) = 0;

    // The File menu's Open: the open dialog, loading the file and showing its first project;
    // true when a file was loaded, false when the dialog was cancelled or the file refused.
    virtual bool openProjectFile() = 0;
};

} // namespace regshell
