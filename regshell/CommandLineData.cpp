#include "regshell/CommandLineData.h"

#include "common/TextCase.h"
#include "projects/ColumnTextFile.h"
#include "regression/DataListsInput.h"
#include "regression/RegressionError.h"
#include "regshell/CommandLineOptions.h"
#include "translation/Translator.h"

#include <algorithm>
#include <filesystem>

namespace regshell {

namespace {

using translation::T;

[[noreturn]] void failToRead(const std::string& path, const std::exception& reason) {
    throw CommandLineError(T("CmdCouldNotRead") + " " + path + ": " + reason.what());
}

} // namespace

LoadedProject loadProjectFile(const std::string& path, const std::optional<std::string>& project) {
    LoadedProject loaded;
    try {
        loaded.store.loadFile(path, loaded.content);
    } catch (const std::exception& failure) {
        failToRead(path, failure);
    }
    const std::vector<std::string> names = loaded.store.projectNames();
    if (names.empty())
        throw CommandLineError(T("CmdNoProjects") + " " + path);
    if (project) {
        const auto named = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
            return common::equalsIgnoringCase(name, *project);
        });
        if (named == names.end())
            throw CommandLineError(T("CmdUnknownProject") + " " + *project);
        loaded.store.loadProject(*named, loaded.content);
    }
    return loaded;
}

regression::FitData readFitInput(const std::string& path, const std::optional<std::string>& project,
                                 char decimalSeparator) {
    try {
        if (lowerCaseExtension(path) == ".tsy") {
            const LoadedProject loaded = loadProjectFile(path, project);
            return regression::readFitData(loaded.content.lists, loaded.store.currentProject(),
                                           decimalSeparator);
        }
        projects::ColumnTextData columns;
        try {
            columns = projects::readColumnTextFile(path);
        } catch (const std::exception& failure) {
            failToRead(path, failure);
        }
        return regression::readFitData(columns.lists,
                                       project.value_or(std::filesystem::path(path).stem().string()), '.');
    } catch (const regression::RegressionError& failure) {
        throw CommandLineError(failure.what());
    }
}

} // namespace regshell
