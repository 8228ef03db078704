#pragma once

#include "projects/DataWindowContent.h"
#include "projects/FunctionRecord.h"
#include "projects/ProjectFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace projects {

// The open project file as a list of text lines (without its log block), the name of the project
// the Data window shows, and that project's function labels. Loading and saving change nothing
// when they fail: a file is checked completely before it replaces the store, and a save writes the
// new file atomically before the written-back lines enter the store.
class ProjectStore {
public:
    static constexpr std::string_view kUntitled = "Untitled";

    ProjectStore();

    // --- Files ---
    // The store of a new file: the single line "0", named "Untitled"; the Data window's lists,
    // list names and log are emptied and the range and axis names get the defaults.
    void newFile(DataWindowContent& window, const ProjectDefaults& defaults);
    // Reads and checks the file, loads its first project into `window` and moves the log block into
    // the window's log. Throws ProjectFileError or std::runtime_error (system reason) and then
    // leaves the store and the window exactly as they were.
    void loadFile(const std::filesystem::path& path, DataWindowContent& window);
    // Writes the current project back and the store with the window's log to the file. Throws
    // common::FileWriteError, or ProjectFileError for a text too large to load again, and then
    // leaves the store and the old file as they were.
    void saveFile(const std::filesystem::path& path, const DataWindowContent& window);

    // --- Projects ---
    // Replaces the current project's data lines (each list up to its last non-empty cell), range
    // line and axis names by what the window shows.
    void writeBack(const DataWindowContent& window);
    // Fills the window from the project's section and makes it the current project. The row count
    // of the lists becomes 41 or enough for the longest list. Unknown names are ignored.
    void loadProject(std::string_view name, DataWindowContent& window);
    // Writes the current project back, then loads `name`.
    void switchProject(std::string_view name, DataWindowContent& window);
    // Adds the project's name and its section with empty lists "name=#"; it is not loaded.
    void createProject(std::string_view name, int variableCount, const std::vector<std::string>& xNames,
                       std::string_view yName, const ProjectDefaults& defaults);
    void deleteProject(std::string_view name);
    void renameProject(std::string_view oldName, std::string_view newName);
    // Gives the current project `variableCount` X lists and a Y list named `listNames` (X1..Xk,
    // then Y), all empty in the store; the window's lists are written back later.
    void replaceLists(int variableCount, const std::vector<std::string>& listNames);
    // Renames list `column` (1..k+1) of the current project in the store, the list names and the
    // grid header.
    void renameList(int column, std::string_view newName, DataWindowContent& window);

    // --- Function records of the current project ---
    // Appends the record after the last one and its equation to the function labels.
    void addFunctionRecord(std::string_view record);
    // Removes record `index` (0-based) and its function label.
    void deleteFunctionRecord(int index);
    // The current project's records for drawing again, oldest first; refills the function labels.
    std::vector<DrawableRecord> redrawRecords(char decimalSeparator = '.');

    // --- State ---
    const std::vector<std::string>& lines() const { return lines_; }
    std::vector<std::string> projectNames() const;
    const std::string& currentProject() const { return currentProject_; }
    const std::filesystem::path& fileName() const { return fileName_; }
    const std::vector<std::string>& functionLabels() const { return functionLabels_; }
    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }
    // Main window title for the open file: "Tessaly 3.1 - " + the file name without its folder.
    std::string windowTitle() const;

    // Index of the first line equal to `line`, letter case ignored.
    std::optional<std::size_t> findLine(std::string_view line, std::size_t from = 0) const;

private:
    struct ProjectLines {
        std::size_t section;   // "[" + name
        int variableCount;     // k
        std::size_t range;     // the range line
        std::size_t axisNames; // the X-axis name; the Y-axis name follows
        std::size_t funk;      // "[Funk" + name; the record count follows
        int recordCount;
    };
    std::optional<ProjectLines> locate(std::string_view name) const;
    std::optional<std::size_t> findName(std::string_view name) const;
    int projectCount() const;
    void setProjectCount(int count);
    // The lines writing back would replace, by index.
    std::vector<std::pair<std::size_t, std::string>> writeBackLines(const DataWindowContent& window) const;

    std::vector<std::string> lines_;
    std::filesystem::path fileName_;
    std::string currentProject_;
    std::vector<std::string> functionLabels_;
    bool modified_ = false;
};

} // namespace projects
