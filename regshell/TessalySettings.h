#pragma once

#include "common/GraphRange.h"
#include "projects/DataWindowContent.h"
#include "reggraph/StandardRanges.h"
#include "regression/BestCurveSearch.h"

#include <array>
#include <filesystem>
#include <string>

namespace common {
class IniFile;
}

namespace regshell {

// Every option Tessaly keeps between runs, typed and with its default. Each read goes to the
// settings file as it is on disk, each write reaches the file at once. A write that cannot reach
// the file is dropped: the program keeps working with the value in hand.
class TessalySettings {
public:
    explicit TessalySettings(common::IniFile& file);

    const std::filesystem::path& fileName() const;

    // "Options": what the graph shows; changed only by editing the file.
    bool showAxis() const;
    bool showGrid() const;
    bool showScaleText() const;
    bool showFunctionNames() const;

    // "Options" / "Language": the language loaded at start and the help file's language. Choosing
    // a language is the user's explicit request, so its write says whether it reached the file.
    std::string language() const;
    bool setLanguage(const std::string& language);

    // "StartWizard" / "StartupWizard": whether the Start Wizard opens at launch.
    bool startupWizard() const;
    void setStartupWizard(bool show);

    static constexpr int MaxWizardVariables = 5;

    // The Start Wizard's fields as last used.
    struct WizardFields {
        std::string projectName = "Project1";
        int variableCount = 1;
        std::string yName = "Y";
        std::array<std::string, MaxWizardVariables> xNames{"A", "", "", "", ""};
        bool operator==(const WizardFields&) const = default;
    };
    WizardFields wizardFields() const;
    void setWizardFields(const WizardFields& fields);

    // "Prog" / "FirstTime": the language dialog is shown once at the first start.
    bool firstTime() const;
    void clearFirstTime();

    // "Font": the graph's font.
    struct FontSettings {
        std::string name = "MS Sans Serif";
        int size = 8;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool operator==(const FontSettings&) const = default;
    };
    FontSettings font() const;

    // "Range1" / "Range2": the standard ranges as texts.
    common::RangeTexts standardRange(reggraph::StandardRange which) const;

    // "AxisText": the axis names of a new project.
    std::string xAxisText() const;
    std::string yAxisText() const;

    // What a new project and a new file start with: the first standard range and the axis names.
    projects::ProjectDefaults projectDefaults() const;

    // "ZoomFactor": the zoom factors of a new project, as texts.
    std::string xZoomFactor() const;
    std::string yZoomFactor() const;

    // "Statistics" / "CoefficientStatistics": the statistics block after every fit's log block;
    // "Statistics" / "Bands": the confidence and prediction bands around the drawn fits. Both off
    // when the file does not say.
    bool coefficientStatistics() const;
    void setCoefficientStatistics(bool on);
    bool bands() const;
    void setBands(bool on);

    // "TestModels": which models the best-curve search tries, in the candidates' order.
    regression::BestCurveSetup testModels() const;
    void setTestModels(const regression::BestCurveSetup& setup);

private:
    common::IniFile& file_;
};

} // namespace regshell
