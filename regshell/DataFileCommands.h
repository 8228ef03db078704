#pragma once

#include "projects/ColumnTextImport.h"
#include "projects/DataWindowContent.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace appkit {
class Interaction;
}
namespace projects {
class ProjectStore;
}

namespace regshell {

class ImportDialog;
class ProjectHost;
class TessalySettings;

// The name of a new project for a file: its name without the extension, made unique in the store
// ("data", "data 2", ...), or "Project" when it cannot be a project name.
std::string newProjectName(const projects::ProjectStore& store, const QString& path);

// Text files of columns in the main window: Import Data (a preview dialog, then the data into the
// current project or a new one, as one step Undo Import takes back) and Export Data (the current
// project's lists as CSV or tab-separated text). A file that cannot be imported is refused with
// its message and changes nothing.
class DataFileCommands {
public:
    DataFileCommands(projects::ProjectStore& store, projects::DataWindowContent& content,
                     TessalySettings& settings, appkit::Interaction& interaction, ProjectHost& host,
                     ImportDialog& dialog, char userDecimal);

    // The file dialog, then importFile.
    void importData();
    // The preview of the file, then the import the user chose; true when data was imported.
    bool importFile(const QString& path);
    // Puts back what the last import replaced: the current project's lists, or the file without
    // the new project and with the project shown before.
    void undoImport();
    bool canUndoImport() const { return undo_.has_value(); }
    // Another project was shown: the import can no longer be taken back.
    void forgetImport() { undo_.reset(); }

    void exportData();

private:
    struct Undo {
        bool newProject = false;
        std::string project;         // the project the data went into
        std::string previousProject; // shown before a new project took the data
        projects::DataLists lists;   // the replaced lists of the current project
        std::vector<std::string> listNames;
    };

    void intoCurrentProject(projects::ImportedLists imported);
    void intoNewProject(projects::ImportedLists imported, const QString& path);
    bool listsAreEmpty();

    projects::ProjectStore& store_;
    projects::DataWindowContent& content_;
    TessalySettings& settings_;
    appkit::Interaction& interaction_;
    ProjectHost& host_;
    ImportDialog& dialog_;
    char userDecimal_;
    std::optional<Undo> undo_;
};

} // namespace regshell
