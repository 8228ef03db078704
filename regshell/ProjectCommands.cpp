#include "regshell/ProjectCommands.h"

#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "common/TextCase.h"
#include "projects/NameChecks.h"
#include "projects/ProjectStore.h"
#include "regshell/ProjectHost.h"
#include "regshell/TessalySettings.h"
#include "translation/Translator.h"

#include <algorithm>

namespace regshell {

namespace {

// The project selector's order: letter case ignored.
std::vector<std::string> sortedLikeTheSelector(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return common::foldCase(a) < common::foldCase(b);
    });
    return names;
}

// A name line that begins with "[" can equal another project's section header, which the first
// match would then find in the name lines.
std::optional<std::string> checkNameLine(std::string_view name) {
    if (!name.empty() && name.front() == '[')
        return "ProjectNameBracket";
    return std::nullopt;
}

} // namespace

ProjectCommands::ProjectCommands(projects::ProjectStore& store, projects::DataWindowContent& content,
                                 TessalySettings& settings, appkit::Interaction& interaction,
                                 ProjectHost& host, TForm4& wizard, TForm5& deleteDialog)
    : store_(store), content_(content), settings_(settings), interaction_(interaction), host_(host),
      wizard_(wizard), deleteDialog_(deleteDialog) {
    wizard_.setAcceptCheck([this](const WizardChoice& choice) { return acceptWizard(choice); });
    wizard_.setOpenHandler([this] { return host_.openProjectFile(); });
}

bool ProjectCommands::refuse(const std::optional<std::string>& messageKey) {
    if (!messageKey)
        return false;
    interaction_.showError(appkit::toQt(translation::T(*messageKey)));
    return true;
}

bool ProjectCommands::acceptWizard(const WizardChoice& choice) {
    const std::string& name = choice.fields.projectName;
    if (refuse(projects::checkProjectName(store_, name)) || refuse(checkNameLine(name)))
        return false;
    for (const std::string& listName : choice.xNames())
        if (refuse(projects::checkListName(listName)))
            return false;
    return !refuse(projects::checkListName(choice.fields.yName));
}

void ProjectCommands::createProject(const WizardChoice& choice) {
    host_.setMainWindowEnabled(true);
    const std::string& name = choice.fields.projectName;
    store_.createProject(name, choice.fields.variableCount, choice.xNames(), choice.fields.yName,
                         settings_.projectDefaults());
    store_.loadProject(name, content_);
    host_.showCurrentProject();
    host_.moveToFirstCell();
}

bool ProjectCommands::runWizard(WizardMode mode, const TessalySettings::WizardFields& fields) {
    wizard_.prepare(mode, fields);
    while (true) {
        if (interaction_.runDialog(wizard_)) {
            // OK checks the choice before closing; checking again keeps a refused choice out
            // however the wizard was closed.
            const WizardChoice choice = wizard_.choice();
            if (!acceptWizard(choice))
                continue;
            if (mode == WizardMode::Startup) {
                settings_.setStartupWizard(!choice.dontShowAtStartup);
                host_.setShowWizardChecked(!choice.dontShowAtStartup);
                if (choice.alwaysUseTheseSettings)
                    settings_.setWizardFields(choice.fields);
            }
            createProject(choice);
            return true;
        }
        if (wizard_.fileOpened()) {
            host_.setMainWindowEnabled(true);
            return true;
        }
        return false;
    }
}

void ProjectCommands::startUp() {
    const TessalySettings::WizardFields fields = settings_.wizardFields();
    if (!settings_.startupWizard()) {
        wizard_.prepare(WizardMode::Startup, fields);
        const WizardChoice choice = wizard_.choice();
        // Settings naming a project the file cannot hold open the wizard after the message.
        if (acceptWizard(choice)) {
            createProject(choice);
            return;
        }
    }
    runWizard(WizardMode::Startup, fields);
}

void ProjectCommands::newFile() {
    store_.newFile(content_, settings_.projectDefaults());
    host_.showEmptyFile();
    projectCounter_ = 1;
    runWizard(WizardMode::NewFile, TessalySettings::WizardFields{});
    host_.setModified(false);
}

void ProjectCommands::newProject() {
    host_.collectContent();
    store_.writeBack(content_);
    ++projectCounter_;
    TessalySettings::WizardFields fields;
    fields.projectName = "Project" + std::to_string(projectCounter_);
    if (runWizard(WizardMode::NewProject, fields))
        host_.setModified(true);
    else
        --projectCounter_;
}

void ProjectCommands::switchProject(const std::string& name) {
    host_.collectContent();
    store_.switchProject(name, content_);
    host_.showCurrentProject();
}

void ProjectCommands::deleteProjects() {
    noProjectLeft_ = false;
    deleteDialog_.prepare(DeleteMode::Projects, sortedLikeTheSelector(store_.projectNames()));
    deleteDialog_.setDeleteHandler([this](const std::vector<int>& rows) { deleteProjectRows(rows); });
    interaction_.runDialog(deleteDialog_);
    if (noProjectLeft_)
        runWizard(WizardMode::NoProjectLeft, TessalySettings::WizardFields{});
}

void ProjectCommands::deleteProjectRows(const std::vector<int>& rows) {
    const std::vector<std::string> entries = deleteDialog_.entries();
    std::vector<std::string> names;
    for (const int row : rows)
        names.push_back(entries[static_cast<std::size_t>(row)]);
    // The project shown keeps its unsaved grid edits when it is not among those deleted.
    const bool currentSurvives = std::none_of(names.begin(), names.end(), [this](const std::string& name) {
        return common::equalsIgnoringCase(name, store_.currentProject());
    });
    if (currentSurvives) {
        host_.collectContent();
        store_.writeBack(content_);
    }
    for (const std::string& name : names)
        store_.deleteProject(name);
    deleteDialog_.removeRows(rows);

    const std::vector<std::string> remaining = deleteDialog_.entries();
    if (remaining.empty()) {
        noProjectLeft_ = true;
        host_.showProjectNames();
        deleteDialog_.accept();
    } else {
        store_.loadProject(remaining.front(), content_);
        host_.showCurrentProject();
    }
    host_.moveToFirstCell();
    host_.setModified(true);
}

void ProjectCommands::eraseFunctions() {
    deleteDialog_.prepare(DeleteMode::Functions, store_.functionLabels());
    deleteDialog_.setDeleteHandler([this](const std::vector<int>& rows) { eraseFunctionRows(rows); });
    interaction_.runDialog(deleteDialog_);
}

void ProjectCommands::eraseFunctionRows(const std::vector<int>& rows) {
    // From the last selected up, so the rows still name the records chosen.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        store_.deleteFunctionRecord(*row);
    deleteDialog_.removeRows(rows);
    host_.redrawGraph();
    host_.moveToFirstCell();
    host_.setModified(true);
}

bool ProjectCommands::renameProject(const std::string& newName) {
    const std::string oldName = store_.currentProject();
    if (oldName.empty() || refuse(projects::checkProjectRename(store_, oldName, newName)) ||
        refuse(checkNameLine(newName)))
        return false;
    store_.renameProject(oldName, newName);
    host_.showProjectNames();
    host_.setModified(true);
    return true;
}

bool ProjectCommands::renameList(int column, const std::string& newName) {
    if (refuse(projects::checkListName(newName)))
        return false;
    store_.renameList(column, newName, content_);
    host_.showListNames();
    host_.setModified(true);
    return true;
}

} // namespace regshell
