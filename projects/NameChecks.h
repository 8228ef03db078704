#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace projects {

class ProjectStore;

// Checks a window runs before it changes a name or a cell. Each returns the translation key of
// the message to show, or nothing when the text may be used; the project file has no escaping,
// so a text that breaks its layout is refused here rather than damaging the file on save.

// A new project name (also the new name of a rename): not empty, no line break, and none of its
// four section headers may equal a line already in the store (letter case ignored), since the
// first match would then find another project's lines.
std::optional<std::string> checkProjectName(const ProjectStore& store, std::string_view name);

// The new name of a renamed project: as checkProjectName, except that changing only the letter
// case of its own name is allowed.
std::optional<std::string> checkProjectRename(const ProjectStore& store, std::string_view oldName,
                                              std::string_view newName);

// A list name: no "=", ";", "#" or line break.
std::optional<std::string> checkListName(std::string_view name);

// A cell text typed into the lists grid: no ";", "#" or line break.
std::optional<std::string> checkCellText(std::string_view text);

} // namespace projects
