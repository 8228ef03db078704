#pragma once

#include "projects/DataWindowContent.h"
#include "projects/ProjectStore.h"
#include "regression/FitOutput.h"

#include <optional>
#include <string>

namespace regshell {

// A project file with one of its projects loaded, as the Data window would show it.
struct LoadedProject {
    projects::ProjectStore store;
    projects::DataWindowContent content;
};

// Reads the project file and loads the named project (letter case ignored), or the first one.
// A file that cannot be read or is damaged, a file without projects and an unknown name throw
// CommandLineError.
LoadedProject loadProjectFile(const std::string& path, const std::optional<std::string>& project);

// The points of a fit: from a project file (extension ".tsy"; cells read with `decimalSeparator`,
// the separator the file's numbers were typed with) or from a plain text file of columns (named in
// the log after `project`, or the file name without its extension). Failures throw
// CommandLineError.
regression::FitData readFitInput(const std::string& path, const std::optional<std::string>& project,
                                 char decimalSeparator);

} // namespace regshell
