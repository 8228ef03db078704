#include "projects/NameChecks.h"

#include "common/TextCase.h"
#include "projects/ProjectStore.h"

namespace projects {

namespace {

bool containsAny(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}

} // namespace

std::optional<std::string> checkProjectName(const ProjectStore& store, std::string_view name) {
    if (name.empty() || containsAny(name, "\r\n"))
        return "ProjectNameInvalid";
    for (const std::string& header : sectionHeaders(name))
        if (store.findLine(header))
            return "ProjectNameExists";
    for (const std::string& existing : store.projectNames())
        if (common::equalsIgnoringCase(existing, name))
            return "ProjectNameExists";
    return std::nullopt;
}

std::optional<std::string> checkProjectRename(const ProjectStore& store, std::string_view oldName,
                                              std::string_view newName) {
    if (!newName.empty() && common::equalsIgnoringCase(oldName, newName) &&
        newName.find_first_of("\r\n") == std::string_view::npos)
        return std::nullopt;
    return checkProjectName(store, newName);
}

std::optional<std::string> checkListName(std::string_view name) {
    if (containsAny(name, "=;#\r\n"))
        return "ListNameInvalid";
    return std::nullopt;
}

std::optional<std::string> checkCellText(std::string_view text) {
    if (containsAny(text, ";#\r\n"))
        return "CellTextInvalid";
    return std::nullopt;
}

} // namespace projects
