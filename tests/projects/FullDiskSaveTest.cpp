#include "projects/ProjectStore.h"

#include "../common/FullDisk.h"
#include "../common/TempFolder.h"
#include "ProjectTestSupport.h"
#include "common/AtomicFile.h"

#include <gtest/gtest.h>

using projects::DataWindowContent;
using projects::ProjectDefaults;
using projects::ProjectStore;

TEST(FullDiskSave, ProjectFileSavedOnAFullDiskKeepsItsPreviousContentAndTheStore) {
    useEnglishMessages();
    TempFolder folder;
    const auto file = folder / "data.tsy";
    ProjectDefaults defaults;
    ProjectStore store;
    DataWindowContent window;
    store.newFile(window, defaults);
    store.createProject("Project1", 1, {"A"}, "Y", defaults);
    store.loadProject("Project1", window);
    store.saveFile(file, window);
    const std::string saved = TempFolder::read(file);
    const auto linesBefore = store.lines();

    for (int row = 1; row <= 200; ++row) {
        window.lists.setCell(1, row, std::to_string(row));
        window.lists.setCell(2, row, std::to_string(2 * row));
    }
    store.setModified(true);
    {
        FullDisk full(saved.size());
        EXPECT_THROW(store.saveFile(file, window), common::FileWriteError);
    }
    EXPECT_EQ(TempFolder::read(file), saved);
    EXPECT_EQ(store.lines(), linesBefore);
    EXPECT_TRUE(store.modified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}
