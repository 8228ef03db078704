#include "projects/ProjectStore.h"

#include "../common/TempFolder.h"
#include "ProjectTestSupport.h"
#include "common/AtomicFile.h"

#include <gtest/gtest.h>

#include <random>

using projects::DataWindowContent;
using projects::ProjectDefaults;
using projects::ProjectFileError;
using projects::ProjectStore;

namespace {

class ProjectStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        useEnglishMessages();
        store.newFile(window, defaults);
    }

    // A new file with one project, loaded as the start wizard leaves it.
    void createAndLoad(const std::string& name, int k, const std::vector<std::string>& xNames,
                       const std::string& yName) {
        store.createProject(name, k, xNames, yName, defaults);
        store.loadProject(name, window);
    }

    void fillRows(int column, const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            window.lists.setCell(column, static_cast<int>(i) + 1, cells[i]);
    }

    std::string saveAndRead(const std::string& name = "data.tsy") {
        store.saveFile(folder / name, window);
        return TempFolder::read(folder / name);
    }

    TempFolder folder;
    ProjectDefaults defaults;
    ProjectStore store;
    DataWindowContent window;
};

} // namespace

TEST_F(ProjectStoreTest, NewFileWithOneProjectSavedUnchangedHasFifteenLines) {
    createAndLoad("Project1", 1, {"A"}, "Y");
    EXPECT_EQ(window.lists.header(1), "X1: A");
    EXPECT_EQ(window.lists.header(2), "Y: Y");
    EXPECT_EQ(saveAndRead(),
              crlfText({"1", "Project1", "[Project1", "1", "A=#", "Y=#", "[GrafProject1", "0;12;1;0;10;1;",
                        "[AxelProject1", "X", "Y", "[FunkProject1", "0", "[Log", "EndOfLog"}));
    EXPECT_FALSE(store.modified());
}

TEST_F(ProjectStoreTest, SavingTwiceWritesTheSameFileWithOneLogBlock) {
    createAndLoad("Project1", 1, {"A"}, "Y");
    fillRows(1, {"1", "2"});
    fillRows(2, {"3", "4"});
    window.log = {"LINEAR REGRESSION:", "--------------------------------------"};
    const std::string first = saveAndRead();
    EXPECT_EQ(first, saveAndRead());
    EXPECT_EQ(store.lines().size(), 13u); // the store never keeps the log block
}

TEST_F(ProjectStoreTest, ValuesBelowTheFirstIncompleteRowSurviveSaveAndReload) {
    createAndLoad("Project1", 2, {"A", "B"}, "Y");
    fillRows(1, {"1", "2", "3", "4", "5", "6"});
    fillRows(2, {"7", "", "9"});
    fillRows(3, {"2", "4", "6", "8", "10"});
    window.lists.setCell(3, 45, "far down");
    saveAndRead();
    EXPECT_EQ(store.lines()[4], "A=1;2;3;4;5;6#");
    EXPECT_EQ(store.lines()[5], "B=7;;9#");
    EXPECT_EQ(store.lines()[6], "Y=2;4;6;8;10" + std::string(40, ';') + "far down#");

    ProjectStore reloaded;
    DataWindowContent shown;
    reloaded.loadFile(folder / "data.tsy", shown);
    EXPECT_EQ(shown.lists.cell(1, 6), "6");
    EXPECT_TRUE(shown.lists.isEmpty(2, 2));
    EXPECT_EQ(shown.lists.cell(2, 3), "9");
    EXPECT_EQ(shown.lists.cell(3, 45), "far down");
    EXPECT_EQ(shown.lists.rowCount(), 46);        // every loaded row is shown
    EXPECT_EQ(shown.lists.completeRowCount(), 1); // the fits still stop at the first gap
}

TEST_F(ProjectStoreTest, EmptyListsAreWrittenWithoutValues) {
    createAndLoad("Project1", 1, {"A"}, "Y");
    fillRows(2, {"", "", "3"});
    saveAndRead();
    EXPECT_EQ(store.lines()[4], "A=#");
    EXPECT_EQ(store.lines()[5], "Y=;;3#");
}

TEST_F(ProjectStoreTest, SavedFileLoadsBackWithEveryProjectListRangeRecordAndLog) {
    createAndLoad("Growth", 3, {"Age", "Weight", "Längd"}, "Height");
    const std::string longCell(100, '7');
    fillRows(1, {"1", "2", "3"});
    fillRows(2, {"1,5", longCell, "-3E-7"});
    fillRows(3, {"x", "y", "z"});
    fillRows(4, {"10", "20", "30"});
    window.range = {"-1", "5", "0.5", "-2", "2", "1"};
    window.xAxisName = "Time";
    window.yAxisName = "Size";
    store.addFunctionRecord("Multiple;Y = 1 + 2Age;1;2;0;0;0;1;");
    window.log = {"first", "", "  indented"};
    store.writeBack(window);
    createAndLoad("Other", 1, {"A"}, "Y");
    fillRows(1, {"9"});
    fillRows(2, {"8"});
    store.addFunctionRecord("Linear;Y = 1 + 2A;1;2;");
    const std::string saved = saveAndRead();

    ProjectStore reloaded;
    DataWindowContent shown;
    reloaded.loadFile(folder / "data.tsy", shown);
    EXPECT_EQ(reloaded.lines(), store.lines());
    EXPECT_EQ(reloaded.projectNames(), (std::vector<std::string>{"Growth", "Other"}));
    EXPECT_EQ(reloaded.currentProject(), "Growth"); // the first project is shown
    EXPECT_EQ(shown.log, window.log);
    EXPECT_EQ(shown.listNames, (std::vector<std::string>{"Age", "Weight", "Längd", "Height"}));
    EXPECT_EQ(shown.lists.variableCount(), 3);
    EXPECT_EQ(shown.lists.header(3), "X3: Längd");
    EXPECT_EQ(shown.lists.cell(2, 2), longCell);
    EXPECT_EQ(shown.lists.cell(2, 3), "-3E-7");
    EXPECT_EQ(shown.lists.cell(4, 3), "30");
    EXPECT_EQ(shown.range, (common::RangeTexts{"-1", "5", "0.5", "-2", "2", "1"}));
    EXPECT_EQ(shown.xAxisName, "Time");
    EXPECT_EQ(shown.yAxisName, "Size");
    const auto records = reloaded.redrawRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(reloaded.functionLabels(), (std::vector<std::string>{"Y = 1 + 2Age"}));

    reloaded.saveFile(folder / "again.tsy", shown);
    EXPECT_EQ(TempFolder::read(folder / "again.tsy"), saved);
}

TEST_F(ProjectStoreTest, SwitchingProjectsKeepsEachProjectsData) {
    createAndLoad("One", 1, {"A"}, "Y");
    fillRows(1, {"1"});
    fillRows(2, {"2"});
    store.writeBack(window);
    createAndLoad("Two", 2, {"B", "C"}, "Z");
    EXPECT_TRUE(window.lists.isEmpty(1, 1));
    EXPECT_EQ(window.lists.columnCount(), 4);
    fillRows(1, {"5"});
    fillRows(2, {"6"});
    fillRows(3, {"7"});
    store.switchProject("One", window);
    EXPECT_EQ(window.lists.columnCount(), 3);
    EXPECT_EQ(window.lists.cell(2, 1), "2");
    EXPECT_TRUE(window.lists.isEmpty(3, 1)); // nothing of the other project's third list remains
    store.loadProject("two", window);        // names match without regard to case
    EXPECT_EQ(window.lists.cell(3, 1), "7");
}

TEST_F(ProjectStoreTest, LoadingShowsEveryStoredRowOfALongList) {
    createAndLoad("Project1", 1, {"A"}, "Y");
    for (int row = 1; row <= 100; ++row) {
        window.lists.setCell(1, row, std::to_string(row));
        window.lists.setCell(2, row, std::to_string(row));
    }
    store.writeBack(window);
    window.lists.clearAll();
    store.loadProject("Project1", window);
    EXPECT_EQ(window.lists.rowCount(), 101);
    EXPECT_EQ(window.lists.cell(2, 100), "100");
}

TEST_F(ProjectStoreTest, FunctionRecordsAreAddedAndErasedInOrder) {
    createAndLoad("Project1", 1, {"A"}, "Y");
    store.addFunctionRecord("Linear;Y = 1 + 2A;1;2;");
    store.addFunctionRecord("Power;Y = 2A^3;2;3;");
    store.addFunctionRecord("p2reg;Y = 1 + A + A^2;2;1;1;1;");
    EXPECT_EQ(store.lines()[12], "3");
    EXPECT_EQ(store.lines()[13], "Linear;Y = 1 + 2A;1;2;");
    store.deleteFunctionRecord(1);
    EXPECT_EQ(store.functionLabels(), (std::vector<std::string>{"Y = 1 + 2A", "Y = 1 + A + A^2"}));
    const auto records = store.redrawRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].kind, "p2reg");
    store.deleteFunctionRecord(0);
    store.deleteFunctionRecord(0);
    EXPECT_EQ(store.lines().back(), "0");
    EXPECT_EQ(store.lines()[store.lines().size() - 2], "[FunkProject1");
}

TEST_F(ProjectStoreTest, RecordsGoToTheCurrentProjectOnly) {
    createAndLoad("One", 1, {"A"}, "Y");
    createAndLoad("Two", 1, {"A"}, "Y");
    store.addFunctionRecord("Linear;Y = 1 + 2A;1;2;");
    store.loadProject("One", window);
    EXPECT_TRUE(store.redrawRecords().empty());
    store.loadProject("Two", window);
    EXPECT_EQ(store.redrawRecords().size(), 1u);
}

TEST_F(ProjectStoreTest, DeletingAProjectRemovesItsNameSectionAndRecords) {
    createAndLoad("One", 2, {"A", "B"}, "Y");
    store.addFunctionRecord("Linear;Y = 1 + 2A;1;2;");
    createAndLoad("Two", 1, {"C"}, "Z");
    const std::vector<std::string> twoAlone{
        "1",        "Two", "[Two", "1",        "C=#", "Z=#", "[GrafTwo", "0;12;1;0;10;1;",
        "[AxelTwo", "X",   "Y",    "[FunkTwo", "0"};
    store.deleteProject("One");
    EXPECT_EQ(store.lines(), twoAlone);
    store.deleteProject("Two");
    EXPECT_EQ(store.lines(), (std::vector<std::string>{"0"}));
    EXPECT_EQ(store.currentProject(), "");
}

TEST_F(ProjectStoreTest, DeletingOneOfTwoNamesThatShareASectionKeepsTheOther) {
    createAndLoad("Same", 1, {"A"}, "Y");
    store.createProject("SAME", 1, {"B"}, "Z", defaults);
    store.deleteProject("Same");
    EXPECT_EQ(store.projectNames(), (std::vector<std::string>{"SAME"}));
    store.loadProject("SAME", window);
    EXPECT_EQ(window.listNames, (std::vector<std::string>{"A", "Y"})); // the first section is found
}

TEST_F(ProjectStoreTest, RenamingAProjectRenamesItsSections) {
    createAndLoad("Old", 1, {"A"}, "Y");
    store.renameProject("Old", "New");
    EXPECT_EQ(store.projectNames(), (std::vector<std::string>{"New"}));
    EXPECT_EQ(store.currentProject(), "New");
    EXPECT_TRUE(store.findLine("[New") && store.findLine("[GrafNew") && store.findLine("[AxelNew") &&
                store.findLine("[FunkNew"));
    EXPECT_FALSE(store.findLine("[Old"));
    fillRows(1, {"1"});
    fillRows(2, {"2"});
    store.writeBack(window);
    EXPECT_EQ(store.lines()[4], "A=1#");
}

TEST_F(ProjectStoreTest, RenamingAListKeepsItsValuesAndNeverRenamesAnotherListOfTheSameName) {
    createAndLoad("Project1", 1, {"Same"}, "Same");
    fillRows(1, {"1"});
    fillRows(2, {"2"});
    store.writeBack(window);
    store.renameList(2, "Height", window);
    EXPECT_EQ(store.lines()[4], "Same=1#");
    EXPECT_EQ(store.lines()[5], "Height=2#");
    EXPECT_EQ(window.lists.header(2), "Y: Height");
    EXPECT_EQ(window.listNames, (std::vector<std::string>{"Same", "Height"}));
}

TEST_F(ProjectStoreTest, ReplacingTheListsChangesTheVariableCountAndKeepsTheOtherProjects) {
    createAndLoad("First", 1, {"A"}, "Y");
    store.createProject("Second", 2, {"P", "Q"}, "R", defaults);
    store.addFunctionRecord("Linear;Y = 1 + 2A;1;2;");
    store.replaceLists(3, {"U", "V", "W", "Z"});
    window.lists.setVariableCount(3);
    window.listNames = {"U", "V", "W", "Z"};
    for (int column = 1; column <= 4; ++column)
        fillRows(column, {std::to_string(column)});
    const std::string saved = saveAndRead();
    EXPECT_NE(saved.find("[First\r\n3\r\nU=1#\r\nV=2#\r\nW=3#\r\nZ=4#\r\n[GrafFirst\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[FunkFirst\r\n1\r\nLinear;Y = 1 + 2A;1;2;\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[Second\r\n2\r\nP=#\r\nQ=#\r\nR=#\r\n[GrafSecond\r\n"), std::string::npos);
    store.replaceLists(1, {"A", "Y"});
    store.loadProject("First", window);
    EXPECT_EQ(window.lists.variableCount(), 1);
    EXPECT_EQ(window.listNames, (std::vector<std::string>{"A", "Y"}));
}

TEST_F(ProjectStoreTest, DamagedFileLeavesTheStoreAndTheDataWindowAsTheyWere) {
    createAndLoad("Project1", 1, {"A"}, "Y");
    fillRows(1, {"1", "2"});
    fillRows(2, {"3", "4"});
    window.log = {"kept"};
    const auto linesBefore = store.lines();
    const std::string bad = (folder / "bad.tsy").string();

    const std::vector<std::string> damaged{
        "one\r\n",
        "2000000000\r\nP\r\n",
        crlfText({"1", "P", "[P", "1", "A=#", "Y=#", "[GrafP", "0;12;1;0;10;1;", "[AxelP", "X", "Y", "[FunkP",
                  "1", "Linear;Y = 1 + 2A"}),
        crlfText({"1", "P", "[P", "1", "A=#", "Y=#", "[GrafP", "0;12;1;0;10;1;"}),
    };
    for (const auto& text : damaged) {
        TempFolder::write(bad, text);
        EXPECT_THROW(store.loadFile(bad, window), ProjectFileError) << text.substr(0, 40);
        EXPECT_EQ(store.lines(), linesBefore);
        EXPECT_EQ(store.fileName(), ProjectStore::kUntitled);
        EXPECT_EQ(store.currentProject(), "Project1");
        EXPECT_EQ(window.lists.cell(2, 2), "4");
        EXPECT_EQ(window.listNames, (std::vector<std::string>{"A", "Y"}));
        EXPECT_EQ(window.log, (std::vector<std::string>{"kept"}));
    }
    EXPECT_THROW(store.loadFile(folder / "missing.tsy", window), std::runtime_error);
    EXPECT_EQ(store.lines(), linesBefore);
}

TEST_F(ProjectStoreTest, HundredMegabyteLineIsRefusedQuickly) {
    createAndLoad("Project1", 1, {"A"}, "Y");
    const auto huge = folder / "huge.tsy";
    TempFolder::write(huge, "1\r\nP\r\n[P\r\n1\r\nA=");
    // The file system fills the grown file with zero bytes without writing them.
    std::filesystem::resize_file(huge, std::filesystem::file_size(huge) + (100u << 20));
    try {
        store.loadFile(huge, window);
        FAIL() << "a 100 MB line was loaded";
    } catch (const ProjectFileError& error) {
        EXPECT_STREQ(error.what(), "Line 5 of the project file is too long.");
    }
    EXPECT_EQ(store.currentProject(), "Project1");
}

TEST_F(ProjectStoreTest, TooManyValuesInAListAreRefused) {
    std::string text = "1\r\nP\r\n[P\r\n1\r\nA=";
    text.append(projects::DataLists::kMaxRowCount, ';');
    text += "#\r\nY=#\r\n[GrafP\r\n;;;;;;\r\n[AxelP\r\nX\r\nY\r\n[FunkP\r\n0\r\n";
    TempFolder::write(folder / "many.tsy", text);
    EXPECT_THROW(store.loadFile(folder / "many.tsy", window), ProjectFileError);
}

TEST_F(ProjectStoreTest, FailedSaveKeepsTheStoreAndItsFileName) {
    createAndLoad("Project1", 1, {"A"}, "Y");
    const auto linesBefore = store.lines();
    fillRows(1, {"1"});
    fillRows(2, {"2"});
    store.setModified(true);
    EXPECT_THROW(store.saveFile(folder / "no such folder" / "data.tsy", window), common::FileWriteError);
    EXPECT_EQ(store.lines(), linesBefore);
    EXPECT_EQ(store.fileName(), ProjectStore::kUntitled);
    EXPECT_TRUE(store.modified());
}

TEST_F(ProjectStoreTest, FileThatCouldNotBeLoadedAgainIsNotSaved) {
    createAndLoad("Project1", 1, {"A"}, "Y");
    const std::string before = saveAndRead();
    window.log = {"short", std::string(projects::kMaxProjectFileLineLength + 1, 'x')};
    try {
        store.saveFile(folder / "data.tsy", window);
        FAIL() << "an unreadable file was saved";
    } catch (const ProjectFileError& error) {
        EXPECT_STREQ(error.what(), "The project file cannot be saved: line 16 would be too long.");
    }
    EXPECT_EQ(TempFolder::read(folder / "data.tsy"), before);
}

TEST_F(ProjectStoreTest, SingleByteFileFromAnOlderSystemLoadsItsNames) {
    TempFolder::write(folder / "old.tsy",
                      crlfText({"1", "P", "[P", "1", "L\xE4ngd=1,5;2#", "Y=3;4#", "[GrafP", "0;12;1;0;10;1;",
                                "[AxelP", "X", "Y", "[FunkP", "0"}));
    store.loadFile(folder / "old.tsy", window);
    EXPECT_EQ(window.listNames[0], "Längd");
    EXPECT_EQ(window.lists.cell(1, 1), "1,5");
    EXPECT_EQ(store.windowTitle(), "Tessaly 3.1 - old.tsy");
}

TEST_F(ProjectStoreTest, DataLinesEndAtTheirMarkOrAtTheLineEnd) {
    TempFolder::write(folder / "marks.tsy",
                      crlfText({"1", "P", "[P", "2", "A=1;2", "B=3;;5#6;7", "Y=x;#", "[GrafP", "0;12;1",
                                "[AxelP", "X", "Y", "[FunkP", "0"}));
    store.loadFile(folder / "marks.tsy", window);
    EXPECT_EQ(window.lists.listLength(1), 2);
    EXPECT_EQ(window.lists.cell(2, 3), "5");
    EXPECT_TRUE(window.lists.isEmpty(2, 2));
    EXPECT_TRUE(window.lists.isEmpty(2, 4)); // nothing after "#" is a value
    EXPECT_EQ(window.lists.cell(3, 1), "x");
    EXPECT_EQ(window.range, (common::RangeTexts{"0", "12", "1", "", "", ""}));
}

TEST_F(ProjectStoreTest, NewFileEmptiesEverything) {
    createAndLoad("Project1", 1, {"A"}, "Y");
    fillRows(1, {"1"});
    window.log = {"x"};
    store.addFunctionRecord("Linear;Y = 1 + 2A;1;2;");
    defaults.range = {"-6", "6", "1", "-5", "5", "1"};
    store.newFile(window, defaults);
    EXPECT_EQ(store.lines(), (std::vector<std::string>{"0"}));
    EXPECT_EQ(store.fileName(), "Untitled");
    EXPECT_TRUE(store.functionLabels().empty());
    EXPECT_TRUE(window.lists.isEmpty(1, 1));
    EXPECT_TRUE(window.log.empty());
    EXPECT_EQ(window.range[0], "-6");
}

TEST_F(ProjectStoreTest, DamagedCopiesOfAFileEitherLoadWhollyOrAreRefused) {
    createAndLoad("One", 2, {"A", "B"}, "Y");
    fillRows(1, {"1", "2"});
    fillRows(2, {"3", "4"});
    fillRows(3, {"5", "6"});
    store.addFunctionRecord("Multiple;Y = 1 + 2A + 3B;1;2;3;0;5;3;");
    store.writeBack(window);
    createAndLoad("Two", 1, {"C"}, "Z");
    store.addFunctionRecord("p2reg;Z = 1 + C + C^2;2;1;1;1;");
    window.log = {"entry"};
    saveAndRead();
    const std::vector<std::string> original = store.lines();

    int refused = 0;
    std::mt19937 random(3);
    const std::vector<std::string> replacements{
        "",         "0",    "-1",       "7",   "2000000000", "[One",
        "[FunkTwo", "[Log", "EndOfLog", "A=#", "p5reg;Y;9;", "Multiple;Y;1;2;3;0;5;99999;"};
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<std::string> lines = original;
        for (int change = 0; change < 1 + trial % 3; ++change) {
            const std::size_t at = random() % lines.size();
            switch (random() % 3) {
            case 0:
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            case 1:
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at),
                             replacements[random() % replacements.size()]);
                break;
            default:
                lines[at] = replacements[random() % replacements.size()];
            }
        }
        TempFolder::write(folder / "damaged.tsy", crlfText(lines));
        ProjectStore loaded;
        DataWindowContent shown;
        try {
            loaded.loadFile(folder / "damaged.tsy", shown);
        } catch (const ProjectFileError&) {
            EXPECT_EQ(loaded.lines(), (std::vector<std::string>{"0"}));
            ++refused;
            continue;
        }
        // Whatever loads must stand every operation.
        for (const std::string& name : loaded.projectNames()) {
            loaded.switchProject(name, shown);
            loaded.redrawRecords();
            loaded.addFunctionRecord("Linear;Y = 1;1;0;");
            loaded.deleteFunctionRecord(0);
        }
        loaded.saveFile(folder / "resaved.tsy", shown);
        for (const std::string& name : loaded.projectNames())
            loaded.deleteProject(name);
        EXPECT_EQ(loaded.projectNames().size(), 0u);
    }
    EXPECT_GT(refused, 30);
    EXPECT_LT(refused, 290); // and some damage leaves a usable file
}
