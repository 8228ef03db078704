#include "regshell/TessalySettings.h"
#include "common/IniFile.h"

#include "tests/common/FullDisk.h"
#include "tests/common/TempFolder.h"

#include <gtest/gtest.h>

using regshell::TessalySettings;

namespace {

struct SettingsFile {
    TempFolder folder;
    std::filesystem::path path = folder / "tessaly.ini";
    common::IniFile file{path};
    TessalySettings settings{file};

    explicit SettingsFile(const std::string& contents = {}) {
        if (!contents.empty())
            TempFolder::write(path, contents);
    }
    std::string onDisk() const { return TempFolder::read(path); }
};

} // namespace

TEST(TessalySettings, AMissingFileGivesEveryDefaultAndIsNotCreatedByReading) {
    SettingsFile file;
    const TessalySettings& s = file.settings;
    EXPECT_TRUE(s.showAxis() && s.showGrid() && s.showScaleText() && s.showFunctionNames());
    EXPECT_EQ(s.language(), "English");
    EXPECT_TRUE(s.startupWizard());
    EXPECT_FALSE(s.firstTime());

    const TessalySettings::WizardFields wizard = s.wizardFields();
    EXPECT_EQ(wizard.projectName, "Project1");
    EXPECT_EQ(wizard.variableCount, 1);
    EXPECT_EQ(wizard.yName, "Y");
    EXPECT_EQ(wizard.xNames, (std::array<std::string, 5>{"A", "", "", "", ""}));

    const TessalySettings::FontSettings font = s.font();
    EXPECT_EQ(font.name, "MS Sans Serif");
    EXPECT_EQ(font.size, 8);
    EXPECT_FALSE(font.bold || font.italic || font.underline);

    EXPECT_EQ(s.standardRange(reggraph::StandardRange::First),
              (common::RangeTexts{"0", "12", "1", "0", "10", "1"}));
    EXPECT_EQ(s.standardRange(reggraph::StandardRange::Second),
              (common::RangeTexts{"-6", "6", "1", "-5", "5", "1"}));
    EXPECT_EQ(s.xAxisText(), "X");
    EXPECT_EQ(s.yAxisText(), "Y");
    EXPECT_EQ(s.xZoomFactor(), "2");
    EXPECT_EQ(s.yZoomFactor(), "2");
    EXPECT_EQ(s.testModels(),
              (regression::BestCurveSetup{true, true, true, true, true, false, false, false, false}));
    EXPECT_FALSE(std::filesystem::exists(file.path));
}

TEST(TessalySettings, BooleansAreAnyIntegerAndAnythingElseGivesTheDefault) {
    SettingsFile file("[Options]\nShowAxis=0\nShowGrid=7\nShowScaleText=yes\nShowFunctionNames=\n"
                      "[StartWizard]\nStartupWizard=0\nVariabels=three\n"
                      "[Prog]\nFirstTime=1\n"
                      "[Font]\nSize=12pt\nStyleBold=1\n");
    const TessalySettings& s = file.settings;
    EXPECT_FALSE(s.showAxis());
    EXPECT_TRUE(s.showGrid());
    EXPECT_TRUE(s.showScaleText());
    EXPECT_TRUE(s.showFunctionNames());
    EXPECT_FALSE(s.startupWizard());
    EXPECT_EQ(s.wizardFields().variableCount, 1);
    EXPECT_TRUE(s.firstTime());
    EXPECT_EQ(s.font().size, 8);
    EXPECT_TRUE(s.font().bold);
}

TEST(TessalySettings, TextsAreReadAsTheyStandFromTheirSections) {
    SettingsFile file(
        "[Options]\nLanguage=Swedish\n"
        "[StartWizard]\nProjectName=Harvest 2023\nVariabels=3\nY=Yield\nX1=Rain\nX2=Sun\nX3=Soil\n"
        "[Font]\nName=Arial\n"
        "[Range2]\nCells[1,0]=-100\nCells[1,5]=0,5\n"
        "[AxisText]\nX=Time\nY=Sales\n"
        "[ZoomFactor]\nX=1.5\nY=3\n");
    const TessalySettings& s = file.settings;
    EXPECT_EQ(s.language(), "Swedish");
    EXPECT_EQ(s.wizardFields().projectName, "Harvest 2023");
    EXPECT_EQ(s.wizardFields().variableCount, 3);
    EXPECT_EQ(s.wizardFields().yName, "Yield");
    EXPECT_EQ(s.wizardFields().xNames, (std::array<std::string, 5>{"Rain", "Sun", "Soil", "", ""}));
    EXPECT_EQ(s.font().name, "Arial");
    EXPECT_EQ(s.standardRange(reggraph::StandardRange::Second),
              (common::RangeTexts{"-100", "6", "1", "-5", "5", "0,5"}));
    EXPECT_EQ(s.xAxisText(), "Time");
    EXPECT_EQ(s.yAxisText(), "Sales");
    EXPECT_EQ(s.xZoomFactor(), "1.5");
    EXPECT_EQ(s.yZoomFactor(), "3");
}

TEST(TessalySettings, EachWriteReachesTheFileAtOnceInItsSectionAndKey) {
    SettingsFile file;
    TessalySettings& s = file.settings;
    EXPECT_TRUE(s.setLanguage("Swedish"));
    EXPECT_EQ(file.onDisk(), "[Options]\nLanguage=Swedish\n");

    s.setStartupWizard(false);
    s.clearFirstTime();
    common::IniFile reader(file.path);
    EXPECT_EQ(reader.readString("StartWizard", "StartupWizard", ""), "0");
    EXPECT_EQ(reader.readString("Prog", "FirstTime", ""), "0");

    s.setWizardFields({"Fuel", 2, "Litres", {"Speed", "Load", "", "", ""}});
    EXPECT_EQ(reader.readString("StartWizard", "ProjectName", ""), "Fuel");
    EXPECT_EQ(reader.readString("StartWizard", "Variabels", ""), "2");
    EXPECT_EQ(reader.readString("StartWizard", "Y", ""), "Litres");
    EXPECT_EQ(reader.readString("StartWizard", "X2", ""), "Load");
    EXPECT_TRUE(reader.valueExists("StartWizard", "X5"));

    // Another settings object over the same file sees every value written.
    common::IniFile again(file.path);
    TessalySettings other(again);
    EXPECT_EQ(other.language(), "Swedish");
    EXPECT_FALSE(other.startupWizard());
    EXPECT_EQ(other.wizardFields(),
              (TessalySettings::WizardFields{"Fuel", 2, "Litres", {"Speed", "Load", "", "", ""}}));
}

TEST(TessalySettings, TestModelsAreWrittenUnderTheirKeysInTheCandidatesOrder) {
    SettingsFile file;
    const regression::BestCurveSetup setup{false, true, false, true, false, true, false, true, true};
    file.settings.setTestModels(setup);
    EXPECT_EQ(file.onDisk(), "[TestModels]\nLinear=0\nLogarithmic=1\nExponential=0\nPower=1\nReciprocal=0\n"
                             "p2reg=1\np3reg=0\np4reg=1\np5reg=1\n");
    EXPECT_EQ(file.settings.testModels(), setup);
}

TEST(TessalySettings, AWriteThatCannotReachTheFileIsDroppedAndTheFileKept) {
    SettingsFile file("[Options]\nLanguage=English\n");
    {
        FullDisk full(8);
        EXPECT_FALSE(file.settings.setLanguage("Swedish"));
        file.settings.setTestModels({});
    }
    EXPECT_EQ(file.onDisk(), "[Options]\nLanguage=English\n");
    EXPECT_EQ(file.settings.language(), "English");
}

TEST(TessalySettings, StatisticsSwitchesAreOffByDefaultAndKeptInTheirOwnSection) {
    SettingsFile file("[Options]\nShowAxis=1\n");
    EXPECT_FALSE(file.settings.coefficientStatistics());
    EXPECT_FALSE(file.settings.bands());
    file.settings.setCoefficientStatistics(true);
    file.settings.setBands(true);
    EXPECT_TRUE(file.settings.coefficientStatistics());
    EXPECT_TRUE(file.settings.bands());
    EXPECT_EQ(file.onDisk(), "[Options]\nShowAxis=1\n\n[Statistics]\nCoefficientStatistics=1\nBands=1\n");
    file.settings.setBands(false);
    EXPECT_FALSE(file.settings.bands());
    EXPECT_TRUE(file.settings.coefficientStatistics());
}
