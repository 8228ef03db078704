// An opened Tessaly project file: loaded, each of its first projects fitted and its records drawn,
// then saved; a saved file must load again.
#include "FuzzSupport.h"

#include "projects/ProjectStore.h"
#include "regression/DataListsInput.h"
#include "regression/FitCommands.h"
#include "regression/RegressionError.h"

#include <string>

namespace {

void fitCurrentProject(projects::ProjectStore& store, projects::DataWindowContent& window) {
    regression::RegressionResult result;
    try {
        const regression::FitData data = regression::readFitData(window.lists, store.currentProject(), '.');
        if (data.variableCount() == 1) {
            regression::fitSimpleModel(result, regression::ModelKind::Linear, data);
            regression::fitSimpleModel(result, regression::ModelKind::Power, data);
            regression::fitPolynomial(result, 3, data);
            (void)result.Evaluate(2.5L);
            (void)result.Inverse(2.5L);
        } else {
            regression::logMultiple(result, data);
        }
    } catch (const regression::RegressionError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = [] {
        fuzzing::loadMessages("tsyEnglish.lng");
        return true;
    }();
    (void)started;
    static const std::filesystem::path opened = fuzzing::scratchFile("opened.tsy");
    static const std::filesystem::path saved = fuzzing::scratchFile("saved.tsy");
    fuzzing::writeScratchFile(opened, data, size);

    projects::ProjectStore store;
    projects::DataWindowContent window;
    try {
        store.loadFile(opened, window);
    } catch (const std::runtime_error&) {
        return 0;
    }
    int visited = 0;
    for (const std::string& name : store.projectNames()) {
        if (++visited > 4)
            break;
        store.switchProject(name, window);
        fitCurrentProject(store, window);
        (void)store.redrawRecords('.');
    }
    try {
        store.saveFile(saved, window);
    } catch (const projects::ProjectFileError&) {
        return 0;
    }
    projects::ProjectStore reloaded;
    projects::DataWindowContent reloadedWindow;
    reloaded.loadFile(saved, reloadedWindow);
    FUZZ_CHECK(reloaded.projectNames() == store.projectNames());
    return 0;
}
