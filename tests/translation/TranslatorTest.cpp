#include "translation/Translator.h"

#include "../common/TempFolder.h"

#include <gtest/gtest.h>

using translation::LanguageLoadError;
using translation::Translator;

class TranslatorTest : public ::testing::Test {
protected:
    TempFolder folder;
    Translator translator;
    std::vector<std::string> reports;

    void SetUp() override {
        translator.setLanguageFiles(folder.path(), "qor");
        translator.setMissingKeyHandler([this](const std::string& message) { reports.push_back(message); });
    }
    void load(const std::string& content) {
        TempFolder::write(folder / "qorTest.lng", content);
        translator.LoadLanguage("Test");
    }
};

TEST_F(TranslatorTest, FileNameIsProgramFolderPrefixLanguageAndExtension) {
    EXPECT_EQ(translator.languageFilePath("English"), folder / "qorEnglish.lng");
}

TEST_F(TranslatorTest, KeysEndAtTheFirstEqualsSignAndNothingIsTrimmed) {
    load("Open=&Open...\nTitle=a=b\n Save=blank before\nExit = spaced\nNot calculated=n/a\n=empty key\n");
    EXPECT_EQ(translator.Translate("Open"), "&Open...");
    EXPECT_EQ(translator.Translate("Title"), "a=b");
    EXPECT_EQ(translator.Translate(" Save"), "blank before");
    EXPECT_EQ(translator.Translate("Exit "), " spaced");
    EXPECT_EQ(translator.Translate("Not calculated"), "n/a");
    EXPECT_EQ(translator.Translate(""), "empty key");
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(translator.Translate("Save", "unchanged"), "unchanged");
    EXPECT_EQ(reports, std::vector<std::string>{"Translation not available: Save"});
}

TEST_F(TranslatorTest, CommentsEmptyLinesAndLinesWithoutEqualsAreSkipped) {
    load(";Open=commented\n\njust words\nOpen=real");
    EXPECT_EQ(translator.entryCount(), 1u);
    EXPECT_EQ(translator.Translate("Open"), "real")
        << "a file ending without a line break keeps its last entry";
}

TEST_F(TranslatorTest, LookUpIgnoresCaseAndTheFirstOfDuplicatesWins) {
    load("Open=first\r\nOPEN=second\rF\xC3\x96nster=window\n");
    EXPECT_EQ(translator.Translate("open"), "first");
    EXPECT_EQ(translator.Translate("f\xC3\xB6NSTER"), "window");
}

TEST_F(TranslatorTest, MissingKeyReportsEachTimeAndLeavesTheDestination) {
    load("Open=x\n");
    std::string caption = "&Save";
    EXPECT_FALSE(translator.Translate("Save", caption));
    EXPECT_FALSE(translator.Translate("Save", caption));
    EXPECT_EQ(caption, "&Save");
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(TranslatorTest, AFailedLoadKeepsThePreviousTables) {
    load("Open=kept\n");
    EXPECT_THROW(translator.LoadLanguage("Klingon"), LanguageLoadError);
    EXPECT_EQ(translator.currentLanguage(), "Klingon");
    EXPECT_EQ(translator.Translate("Open"), "kept");
    std::filesystem::create_directory(folder / "qorFolder.lng");
    EXPECT_THROW(translator.LoadLanguage("Folder"), LanguageLoadError);
    EXPECT_EQ(translator.Translate("Open"), "kept");
}

TEST_F(TranslatorTest, SingleByteFilesAreReadAsWindows1252) {
    load("Window=F\xF6nster\n");
    EXPECT_EQ(translator.Translate("Window"), "F\xC3\xB6nster");
}

TEST_F(TranslatorTest, HostileFilesNeitherCrashNorHang) {
    std::string binary;
    for (int i = 0; i < 65536; ++i)
        binary += static_cast<char>(i * 131 % 256);
    load(binary);
    translator.Translate("Open");
    load("Long=" + std::string(10 * 1024 * 1024, 'x'));
    EXPECT_EQ(translator.Translate("long").size(), 10u * 1024 * 1024);
}

TEST(TranslatedTextsWithValues, EachPlaceholderTakesTheNextValueAndValuesStayAsTheyAre) {
    TempFolder folder;
    TempFolder::write(folder / "tsyTest.lng", "Cell=(row %s, column %s)\nOne=only %s\n");
    translation::translator().loadFile((folder / "tsyTest.lng").string());
    EXPECT_EQ(translation::T("Cell", {"3", "2"}), "(row 3, column 2)");
    EXPECT_EQ(translation::T("Cell", {"%s", "2"}), "(row %s, column 2)");
    EXPECT_EQ(translation::T("Cell", {"7"}), "(row 7, column %s)");
    EXPECT_EQ(translation::T("One", {"a", "b"}), "only a");
}
