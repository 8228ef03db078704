#include "regshell/TessalySettings.h"

#include "common/IniFile.h"

#include <functional>

namespace regshell {

namespace {

constexpr const char* OptionsSection = "Options";
constexpr const char* WizardSection = "StartWizard";
constexpr const char* TestModelsSection = "TestModels";
constexpr const char* StatisticsSection = "Statistics";

// A failed write leaves the file as it was; the options are a convenience, so the run goes on.
bool writeIgnoringFailure(common::IniFile& file, const std::function<void()>& writes) {
    try {
        file.update(writes);
        return true;
    } catch (const common::IniWriteError&) {
        return false;
    }
}

std::string xNameKey(int index) {
    return "X" + std::to_string(index + 1);
}

} // namespace

TessalySettings::TessalySettings(common::IniFile& file) : file_(file) {}

const std::filesystem::path& TessalySettings::fileName() const {
    return file_.fileName();
}

bool TessalySettings::showAxis() const {
    return file_.readBool(OptionsSection, "ShowAxis", true);
}

bool TessalySettings::showGrid() const {
    return file_.readBool(OptionsSection, "ShowGrid", true);
}

bool TessalySettings::showScaleText() const {
    return file_.readBool(OptionsSection, "ShowScaleText", true);
}

bool TessalySettings::showFunctionNames() const {
    return file_.readBool(OptionsSection, "ShowFunctionNames", true);
}

std::string TessalySettings::language() const {
    return file_.readString(OptionsSection, "Language", "English");
}

bool TessalySettings::setLanguage(const std::string& language) {
    return writeIgnoringFailure(file_, [&] { file_.writeString(OptionsSection, "Language", language); });
}

bool TessalySettings::startupWizard() const {
    return file_.readBool(WizardSection, "StartupWizard", true);
}

void TessalySettings::setStartupWizard(bool show) {
    writeIgnoringFailure(file_, [&] { file_.writeBool(WizardSection, "StartupWizard", show); });
}

bool TessalySettings::coefficientStatistics() const {
    return file_.readBool(StatisticsSection, "CoefficientStatistics", false);
}

void TessalySettings::setCoefficientStatistics(bool on) {
    writeIgnoringFailure(file_, [&] { file_.writeBool(StatisticsSection, "CoefficientStatistics", on); });
}

bool TessalySettings::bands() const {
    return file_.readBool(StatisticsSection, "Bands", false);
}

void TessalySettings::setBands(bool on) {
    writeIgnoringFailure(file_, [&] { file_.writeBool(StatisticsSection, "Bands", on); });
}

TessalySettings::WizardFields TessalySettings::wizardFields() const {
    const WizardFields defaults;
    WizardFields fields;
    fields.projectName = file_.readString(WizardSection, "ProjectName", defaults.projectName);
    fields.variableCount = file_.readInteger(WizardSection, "Variabels", defaults.variableCount);
    fields.yName = file_.readString(WizardSection, "Y", defaults.yName);
    for (int i = 0; i < MaxWizardVariables; ++i)
        fields.xNames[i] = file_.readString(WizardSection, xNameKey(i), defaults.xNames[i]);
    return fields;
}

void TessalySettings::setWizardFields(const WizardFields& fields) {
    writeIgnoringFailure(file_, [&] {
        file_.writeString(WizardSection, "ProjectName", fields.projectName);
        file_.writeInteger(WizardSection, "Variabels", fields.variableCount);
        file_.writeString(WizardSection, "Y", fields.yName);
        for (int i = 0; i < MaxWizardVariables; ++i)
            file_.writeString(WizardSection, xNameKey(i), fields.xNames[i]);
    });
}

bool TessalySettings::firstTime() const {
    return file_.readBool("Prog", "FirstTime", false);
}

void TessalySettings::clearFirstTime() {
    writeIgnoringFailure(file_, [&] { file_.writeBool("Prog", "FirstTime", false); });
}

TessalySettings::FontSettings TessalySettings::font() const {
    const FontSettings defaults;
    FontSettings font;
    font.name = file_.readString("Font", "Name", defaults.name);
    font.size = file_.readInteger("Font", "Size", defaults.size);
    font.bold = file_.readBool("Font", "StyleBold", defaults.bold);
    font.italic = file_.readBool("Font", "StyleItalic", defaults.italic);
    font.underline = file_.readBool("Font", "StyleUnderline", defaults.underline);
    return font;
}

common::RangeTexts TessalySettings::standardRange(reggraph::StandardRange which) const {
    return reggraph::readStandardRange(file_, which);
}

projects::ProjectDefaults TessalySettings::projectDefaults() const {
    return {standardRange(reggraph::StandardRange::First), xAxisText(), yAxisText()};
}

std::string TessalySettings::xAxisText() const {
    return file_.readString("AxisText", "X", "X");
}

std::string TessalySettings::yAxisText() const {
    return file_.readString("AxisText", "Y", "Y");
}

std::string TessalySettings::xZoomFactor() const {
    return file_.readString("ZoomFactor", "X", "2");
}

std::string TessalySettings::yZoomFactor() const {
    return file_.readString("ZoomFactor", "Y", "2");
}

regression::BestCurveSetup TessalySettings::testModels() const {
    regression::BestCurveSetup setup{};
    for (std::size_t i = 0; i < setup.size(); ++i) {
        const auto& candidate = regression::kBestCurveCandidates[i];
        setup[i] = file_.readBool(TestModelsSection, candidate.settingsKey, candidate.includedByDefault);
    }
    return setup;
}

void TessalySettings::setTestModels(const regression::BestCurveSetup& setup) {
    writeIgnoringFailure(file_, [&] {
        for (std::size_t i = 0; i < setup.size(); ++i)
            file_.writeBool(TestModelsSection, regression::kBestCurveCandidates[i].settingsKey, setup[i]);
    });
}

} // namespace regshell
