#pragma once

#include "projects/DataWindowContent.h"
#include "regshell/TForm4.h"
#include "regshell/TForm5.h"

#include <string>

namespace appkit {
class Interaction;
}
namespace projects {
class ProjectStore;
}

namespace regshell {

class ProjectHost;
class TessalySettings;

// The project flows of the main window: start-up, New, New Project, switching, renaming and
// deleting projects, and erasing fitted functions. They run the Start Wizard and the delete
// dialog through the interaction interface and change the project store and the Data window's
// content; the main window shows the result when the host is called.
class ProjectCommands {
public:
    ProjectCommands(projects::ProjectStore& store, projects::DataWindowContent& content,
                    TessalySettings& settings, appkit::Interaction& interaction, ProjectHost& host,
                    TForm4& wizard, TForm5& deleteDialog);

    // Once after the main window is shown: the wizard filled from the settings, shown when
    // "StartupWizard" says so; otherwise a project is created from the settings at once (the
    // wizard opens instead when the settings hold a name that cannot be used).
    void startUp();
    // New, after the main window asked about unsaved changes: an empty untitled file, project
    // counter 1, and the wizard in new-file mode; the modified flag is cleared afterwards.
    void newFile();
    // New Project: the current project is written back and the wizard proposes "Project" + the
    // next counter value; cancelling it gives the number back.
    void newProject();
    // The project selector chose `name`: the current project is written back, `name` is loaded.
    void switchProject(const std::string& name);
    // The delete dialog in project mode. Deleting the last project opens the wizard without Cancel.
    void deleteProjects();
    // The delete dialog in function mode over the current project's equations.
    void eraseFunctions();
    // The rename editors' accept buttons. A refused name is reported and false returned, so the
    // editor can stay open; true when the name was changed.
    bool renameProject(const std::string& newName);
    bool renameList(int column, const std::string& newName);

    int projectCounter() const { return projectCounter_; }

private:
    // Shows the wizard in `mode` until it is closed; true when a project was created or a file
    // opened.
    bool runWizard(WizardMode mode, const TessalySettings::WizardFields& fields);
    // OK of the wizard: a refusal is reported and keeps it open.
    bool acceptWizard(const WizardChoice& choice);
    bool refuse(const std::optional<std::string>& messageKey);
    void createProject(const WizardChoice& choice);
    void deleteProjectRows(const std::vector<int>& rows);
    void eraseFunctionRows(const std::vector<int>& rows);

    projects::ProjectStore& store_;
    projects::DataWindowContent& content_;
    TessalySettings& settings_;
    appkit::Interaction& interaction_;
    ProjectHost& host_;
    TForm4& wizard_;
    TForm5& deleteDialog_;
    int projectCounter_ = 1;
    bool noProjectLeft_ = false;
};

} // namespace regshell
