#include "projects/NameChecks.h"

#include "projects/ProjectStore.h"

#include <gtest/gtest.h>

using projects::checkCellText;
using projects::checkListName;
using projects::checkProjectName;

TEST(NameChecks, ProjectNamesThatWouldShareSectionsAreRefused) {
    projects::ProjectStore store;
    projects::DataWindowContent window;
    store.createProject("Project1", 1, {"A"}, "Y", {});
    store.createProject("1", 1, {"A"}, "Y", {});
    EXPECT_EQ(checkProjectName(store, "project1"), "ProjectNameExists");
    EXPECT_EQ(checkProjectName(store, "GrafProject1"), "ProjectNameExists"); // "[GrafProject1" is taken
    EXPECT_EQ(checkProjectName(store, "Graf1"), "ProjectNameExists");        // and so is "[Graf1"
    EXPECT_EQ(checkProjectName(store, ""), "ProjectNameInvalid");
    EXPECT_EQ(checkProjectName(store, "a\nb"), "ProjectNameInvalid");
    EXPECT_EQ(checkProjectName(store, "Project2"), std::nullopt);

    EXPECT_EQ(projects::checkProjectRename(store, "Project1", "PROJECT1"), std::nullopt);
    EXPECT_EQ(projects::checkProjectRename(store, "Project1", "1"), "ProjectNameExists");
    EXPECT_EQ(projects::checkProjectRename(store, "Project1", ""), "ProjectNameInvalid");
}

TEST(NameChecks, TextsThatWouldBreakTheFileLayoutAreRefused) {
    EXPECT_EQ(checkListName("Weight"), std::nullopt);
    for (const char* name : {"a=b", "a;b", "a#", "a\rb"})
        EXPECT_EQ(checkListName(name), "ListNameInvalid") << name;
    EXPECT_EQ(checkCellText("1.5E-3"), std::nullopt);
    EXPECT_EQ(checkCellText("1=2"), std::nullopt);
    for (const char* text : {"1;2", "3#", "4\n5"})
        EXPECT_EQ(checkCellText(text), "CellTextInvalid") << text;
}
