#include "projects/ProjectStore.h"

#include "common/AtomicFile.h"
#include "common/NumberParse.h"
#include "common/TextCase.h"

#include <algorithm>

namespace projects {

namespace {

std::string_view beforeEquals(std::string_view dataLine) {
    const auto equals = dataLine.find('=');
    return equals == std::string_view::npos ? std::string_view() : dataLine.substr(0, equals);
}

// The values of a data line: after the first "=", up to the first "#" (or the end), split at ";".
// "name=#" gives one empty value.
template <typename Visit> void forEachValue(std::string_view dataLine, Visit visit) {
    const auto equals = dataLine.find('=');
    std::string_view rest = equals == std::string_view::npos ? dataLine : dataLine.substr(equals + 1);
    rest = rest.substr(0, rest.find('#'));
    int row = 1;
    while (true) {
        const auto end = rest.find(';');
        visit(row++, rest.substr(0, end));
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
}

std::string dataLine(std::string_view name, const DataLists& lists, int column, int rows) {
    std::string line(name);
    line += '=';
    for (int row = 1; row <= rows; ++row) {
        if (row > 1)
            line += ';';
        line += lists.cell(column, row);
    }
    line += '#';
    return line;
}

// Every list is kept up to its last non-empty cell, empty cells in between included, so nothing
// typed below the first incomplete row is lost; the fits still use the complete rows only.
int lastFilledRow(const DataLists& lists, int column) {
    int row = lists.rowCount() - 1;
    while (row > 0 && lists.isEmpty(column, row))
        --row;
    return row;
}

std::string rangeLine(const common::RangeTexts& range) {
    std::string line;
    for (const std::string& value : range)
        line += value + ";";
    return line;
}

} // namespace

ProjectStore::ProjectStore() : lines_{"0"}, fileName_(kUntitled) {}

std::optional<std::size_t> ProjectStore::findLine(std::string_view line, std::size_t from) const {
    for (std::size_t i = from; i < lines_.size(); ++i)
        if (common::equalsIgnoringCase(lines_[i], line))
            return i;
    return std::nullopt;
}

int ProjectStore::projectCount() const {
    return lines_.empty() ? 0 : common::tryParseInt(lines_[0]).value_or(0);
}

void ProjectStore::setProjectCount(int count) {
    lines_[0] = std::to_string(count);
}

std::vector<std::string> ProjectStore::projectNames() const {
    if (lines_.empty())
        return {};
    const auto count = std::min(static_cast<std::size_t>(projectCount()), lines_.size() - 1);
    return {lines_.begin() + 1, lines_.begin() + 1 + static_cast<std::ptrdiff_t>(count)};
}

std::optional<std::size_t> ProjectStore::findName(std::string_view name) const {
    if (lines_.empty())
        return std::nullopt;
    const auto count = std::min(static_cast<std::size_t>(projectCount()), lines_.size() - 1);
    for (std::size_t i = 1; i <= count; ++i)
        if (common::equalsIgnoringCase(lines_[i], name))
            return i;
    return std::nullopt;
}

std::optional<ProjectStore::ProjectLines> ProjectStore::locate(std::string_view name) const {
    const auto headers = sectionHeaders(name);
    const auto section = findLine(headers[0]);
    const auto graf = findLine(headers[1]);
    const auto axel = findLine(headers[2]);
    const auto funk = findLine(headers[3]);
    if (!section || !graf || !axel || !funk || *section + 1 >= lines_.size() || *graf + 1 >= lines_.size() ||
        *axel + 2 >= lines_.size() || *funk + 1 >= lines_.size())
        return std::nullopt;
    const auto k = common::tryParseInt(lines_[*section + 1]);
    const auto records = common::tryParseInt(lines_[*funk + 1]);
    if (!k || *k < DataLists::kMinVariables || *k > DataLists::kMaxVariables ||
        *section + 2 + static_cast<std::size_t>(*k) >= lines_.size() || !records || *records < 0 ||
        static_cast<std::size_t>(*records) > lines_.size() - (*funk + 2))
        return std::nullopt;
    return ProjectLines{*section, *k, *graf + 1, *axel + 1, *funk, *records};
}

std::string ProjectStore::windowTitle() const {
    return "Tessaly 3.1 - " + fileName_.filename().string();
}

void ProjectStore::newFile(DataWindowContent& window, const ProjectDefaults& defaults) {
    lines_ = {"0"};
    fileName_ = kUntitled;
    currentProject_.clear();
    functionLabels_.clear();
    window.lists.clearColumns();
    window.lists.setRowCount(DataLists::kMinRowCount);
    window.listNames.clear();
    window.log.clear();
    window.range = defaults.range;
    window.xAxisName = defaults.xAxisName;
    window.yAxisName = defaults.yAxisName;
    modified_ = false;
}

void ProjectStore::loadFile(const std::filesystem::path& path, DataWindowContent& window) {
    ProjectFileContent content = readProjectFile(path);
    ProjectStore loaded;
    loaded.lines_ = std::move(content.storeLines);
    loaded.fileName_ = path;
    DataWindowContent shown;
    shown.range = window.range;
    shown.xAxisName = window.xAxisName;
    shown.yAxisName = window.yAxisName;
    if (const auto names = loaded.projectNames(); !names.empty())
        loaded.loadProject(names.front(), shown);
    shown.log = std::move(content.logLines);

    *this = std::move(loaded);
    window = std::move(shown);
}

std::vector<std::pair<std::size_t, std::string>>
ProjectStore::writeBackLines(const DataWindowContent& window) const {
    std::vector<std::pair<std::size_t, std::string>> replaced;
    const auto project = locate(currentProject_);
    if (!project)
        return replaced;
    const DataLists& lists = window.lists;
    for (int column = 1; column <= project->variableCount + 1; ++column) {
        const auto i = static_cast<std::size_t>(column - 1);
        const std::string name =
            i < window.listNames.size() ? window.listNames[i] : std::string(lists.listName(column));
        replaced.emplace_back(project->section + 1 + i + 1,
                              dataLine(name, lists, column, lastFilledRow(lists, column)));
    }
    replaced.emplace_back(project->range, rangeLine(window.range));
    replaced.emplace_back(project->axisNames, window.xAxisName);
    replaced.emplace_back(project->axisNames + 1, window.yAxisName);
    return replaced;
}

void ProjectStore::writeBack(const DataWindowContent& window) {
    for (auto& [index, line] : writeBackLines(window))
        lines_[index] = std::move(line);
}

void ProjectStore::saveFile(const std::filesystem::path& path, const DataWindowContent& window) {
    auto replaced = writeBackLines(window);
    std::vector<std::string> previous;
    previous.reserve(replaced.size());
    for (auto& [index, line] : replaced) {
        previous.push_back(std::move(lines_[index]));
        lines_[index] = std::move(line);
    }
    try {
        common::writeFileAtomically(path, projectFileText(lines_, window.log));
    } catch (...) {
        for (std::size_t i = 0; i < replaced.size(); ++i)
            lines_[replaced[i].first] = std::move(previous[i]);
        throw;
    }
    fileName_ = path;
    modified_ = false;
}

void ProjectStore::loadProject(std::string_view name, DataWindowContent& window) {
    const auto project = locate(name);
    if (!project)
        return;
    DataLists& lists = window.lists;
    window.listNames.clear();
    lists.clearColumns();
    lists.setRowCount(DataLists::kMinRowCount);
    lists.setVariableCount(project->variableCount);
    for (int column = 1; column <= project->variableCount + 1; ++column) {
        const std::string& line = lines_[project->section + 1 + static_cast<std::size_t>(column)];
        const std::string listName(beforeEquals(line));
        lists.setHeader(column, lists.headerFor(column, listName));
        window.listNames.push_back(listName);
        lists.reserveRows(column, static_cast<int>(std::count(line.begin(), line.end(), ';')) + 1);
        forEachValue(
            line, [&lists, column](int row, std::string_view value) { lists.setCell(column, row, value); });
    }
    std::string_view range = lines_[project->range];
    for (std::string& value : window.range) {
        const auto end = range.find(';');
        value = std::string(range.substr(0, end));
        range = end == std::string_view::npos ? std::string_view() : range.substr(end + 1);
    }
    window.xAxisName = lines_[project->axisNames];
    window.yAxisName = lines_[project->axisNames + 1];
    currentProject_ = std::string(name);
}

void ProjectStore::switchProject(std::string_view name, DataWindowContent& window) {
    writeBack(window);
    loadProject(name, window);
}

void ProjectStore::createProject(std::string_view name, int variableCount,
                                 const std::vector<std::string>& xNames, std::string_view yName,
                                 const ProjectDefaults& defaults) {
    const int count = projectCount() + 1;
    setProjectCount(count);
    lines_.insert(lines_.begin() + count, std::string(name));
    const auto headers = sectionHeaders(name);
    lines_.push_back(headers[0]);
    lines_.push_back(std::to_string(variableCount));
    for (int i = 0; i < variableCount; ++i)
        lines_.push_back(
            (static_cast<std::size_t>(i) < xNames.size() ? xNames[static_cast<std::size_t>(i)] : "") + "=#");
    lines_.push_back(std::string(yName) + "=#");
    lines_.push_back(headers[1]);
    lines_.push_back(rangeLine(defaults.range));
    lines_.push_back(headers[2]);
    lines_.push_back(defaults.xAxisName);
    lines_.push_back(defaults.yAxisName);
    lines_.push_back(headers[3]);
    lines_.push_back("0");
}

void ProjectStore::deleteProject(std::string_view name) {
    const auto nameLine = findName(name);
    if (!nameLine)
        return;
    const auto project = locate(name);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*nameLine));
    setProjectCount(projectCount() - 1);
    // Names that differ only in case share one section; it stays while another of them is left.
    if (project && !findName(name)) {
        // The section lies after the name lines, so it moved up by the removed name line.
        const std::size_t section = project->section - (project->section > *nameLine ? 1 : 0);
        const std::size_t length = static_cast<std::size_t>(project->variableCount) + 9;
        const std::size_t end =
            std::min(lines_.size(), section + length + 1 + static_cast<std::size_t>(project->recordCount));
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(section),
                     lines_.begin() + static_cast<std::ptrdiff_t>(end));
    }
    if (common::equalsIgnoringCase(currentProject_, name)) {
        currentProject_.clear();
        functionLabels_.clear();
    }
}

void ProjectStore::renameProject(std::string_view oldName, std::string_view newName) {
    const auto nameLine = findName(oldName);
    if (!nameLine)
        return;
    lines_[*nameLine] = std::string(newName);
    const auto oldHeaders = sectionHeaders(oldName);
    const auto newHeaders = sectionHeaders(newName);
    for (std::size_t i = 0; i < oldHeaders.size(); ++i)
        if (const auto line = findLine(oldHeaders[i]))
            lines_[*line] = newHeaders[i];
    if (common::equalsIgnoringCase(currentProject_, oldName))
        currentProject_ = std::string(newName);
}

void ProjectStore::replaceLists(int variableCount, const std::vector<std::string>& listNames) {
    const auto project = locate(currentProject_);
    if (!project || variableCount < DataLists::kMinVariables || variableCount > DataLists::kMaxVariables ||
        listNames.size() != static_cast<std::size_t>(variableCount) + 1)
        return;
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(project->section + 1);
    const auto end = first + 1 + project->variableCount + 1;
    std::vector<std::string> replacement{std::to_string(variableCount)};
    for (const std::string& name : listNames)
        replacement.push_back(name + "=#");
    const auto at = lines_.erase(first, end);
    lines_.insert(at, replacement.begin(), replacement.end());
}

void ProjectStore::renameList(int column, std::string_view newName, DataWindowContent& window) {
    const auto project = locate(currentProject_);
    if (!project || column < 1 || column > project->variableCount + 1)
        return;
    // Data line `column` itself, so two lists of one name never rename each other.
    std::string& line = lines_[project->section + 1 + static_cast<std::size_t>(column)];
    const auto equals = line.find('=');
    line = std::string(newName) + (equals == std::string::npos ? "=" + line : line.substr(equals));
    const auto i = static_cast<std::size_t>(column - 1);
    if (i < window.listNames.size())
        window.listNames[i] = std::string(newName);
    window.lists.setHeader(column, window.lists.headerFor(column, newName));
}

void ProjectStore::addFunctionRecord(std::string_view record) {
    const auto project = locate(currentProject_);
    if (!project)
        return;
    const std::size_t countLine = project->funk + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(
                                       countLine + 1 + static_cast<std::size_t>(project->recordCount)),
                  std::string(record));
    lines_[countLine] = std::to_string(project->recordCount + 1);
    const auto fields = splitRecordFields(record);
    functionLabels_.emplace_back(fields.size() > 1 ? fields[1] : std::string_view());
}

void ProjectStore::deleteFunctionRecord(int index) {
    const auto project = locate(currentProject_);
    if (!project || index < 0 || index >= project->recordCount)
        return;
    const std::size_t countLine = project->funk + 1;
    lines_.erase(lines_.begin() +
                 static_cast<std::ptrdiff_t>(countLine + 1 + static_cast<std::size_t>(index)));
    lines_[countLine] = std::to_string(project->recordCount - 1);
    if (static_cast<std::size_t>(index) < functionLabels_.size())
        functionLabels_.erase(functionLabels_.begin() + index);
}

std::vector<DrawableRecord> ProjectStore::redrawRecords(char decimalSeparator) {
    std::vector<DrawableRecord> records;
    const auto project = locate(currentProject_);
    if (!project)
        return records;
    functionLabels_.clear();
    for (int r = 0; r < project->recordCount; ++r) {
        records.push_back(
            parseRecord(lines_[project->funk + 2 + static_cast<std::size_t>(r)], decimalSeparator));
        functionLabels_.push_back(records.back().equation);
    }
    return records;
}

} // namespace projects
