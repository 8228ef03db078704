#include "regression/MultipleWizard.h"

#include "common/NumberParse.h"
#include "projects/FunctionRecord.h"
#include "regression/CheckedArithmetic.h"
#include "regression/LogText.h"
#include "regression/RegressionError.h"
#include "translation/Translator.h"

#include <stdexcept>

namespace regression {

using translation::T;

std::vector<WizardRole> wizardRoles(int variableCount, int dependingOnX, std::optional<int> secondVariable) {
    std::vector<WizardRole> roles(static_cast<std::size_t>(std::max(variableCount, 0)), WizardRole::Constant);
    if (dependingOnX >= 0 && dependingOnX < variableCount)
        roles[dependingOnX] = WizardRole::DependingOnX;
    if (secondVariable && *secondVariable >= 0 && *secondVariable < variableCount &&
        *secondVariable != dependingOnX)
        roles[*secondVariable] = WizardRole::SecondVariable;
    return roles;
}

std::string wizardRoleLabel(WizardRole role) {
    switch (role) {
    case WizardRole::DependingOnX:
        return T("VariabledependingonX");
    case WizardRole::SecondVariable:
        return T("2ndVariable");
    default:
        return T("Constant");
    }
}

FitOutput confirmMultipleWizard(RegressionResult& result, const WizardSettings& settings,
                                const LogContext& context) {
    const std::size_t k = settings.roles.size();
    if (settings.valueTexts.size() != k || context.xNames.size() < k || k > 5)
        throw std::invalid_argument("the wizard needs a role, a value and a name for each variable");
    const char separator = context.decimalSeparator;
    const auto& b = result.multipleCoefficients;

    LineFamily family;
    family.base = b[0];
    bool hasSecondVariable = false;
    try {
        for (std::size_t j = 0; j < k; ++j) {
            switch (settings.roles[j]) {
            case WizardRole::Constant:
                family.base = requireFinite(family.base +
                                            common::parseFloat(settings.valueTexts[j], separator) * b[j + 1]);
                break;
            case WizardRole::DependingOnX:
                family.slope = b[j + 1];
                break;
            case WizardRole::SecondVariable:
                hasSecondVariable = true;
                family.coef2 = b[j + 1];
                family.start = common::parseFloat(settings.valueTexts[j], separator);
                break;
            }
        }
        if (hasSecondVariable) {
            family.count = common::parseInt(settings.linesText);
            family.step = common::parseFloat(settings.stepText, separator);
        }
    } catch (const common::ConversionError& error) {
        throw RegressionError(error.what());
    }
    // Every redraw of the graph draws the lines again; a huge count would stall it for minutes.
    if (family.count > projects::kMaxFamilyLines) {
        std::string message = T("WizardTooManyLines");
        if (const auto marker = message.find("%s"); marker != std::string::npos)
            message.replace(marker, 2, std::to_string(projects::kMaxFamilyLines));
        throw RegressionError(message);
    }

    FitOutput output;
    output.equation = result.multipleEquationText;
    output.drawing = Drawing{Drawing::Shape::StraightLines, family};

    std::string parameters = g15(family.base, separator) + ";" + g15(family.slope, separator) + ";";
    if (hasSecondVariable)
        parameters += g15(family.coef2, separator) + ";" + g15(family.start, separator) + ";" +
                      settings.stepText + ";" + settings.linesText + ";";
    else
        parameters += "0;0;0;1;";
    output.functionRecord =
        std::string(modelKindText(ModelKind::Multiple)) + ";" + output.equation + ";" + parameters;

    auto& lines = output.logLines;
    lines.push_back(context.projectName);
    lines.push_back(T("MULTIPLEREGRESSIONDRAW"));
    lines.push_back(output.equation);
    lines.emplace_back();
    for (std::size_t j = 0; j < k; ++j) {
        std::string line = context.xNames[j] + " = " + wizardRoleLabel(settings.roles[j]);
        if (settings.roles[j] == WizardRole::Constant)
            line += " = " + settings.valueTexts[j];
        lines.push_back(line);
    }
    if (hasSecondVariable) {
        std::size_t second = 0;
        while (settings.roles[second] != WizardRole::SecondVariable)
            ++second;
        lines.emplace_back();
        lines.push_back(T("2ndVARIABLESETTINGS"));
        lines.push_back(T("Startvalue") + " = " + settings.valueTexts[second]);
        lines.push_back(T("Step") + " = " + settings.stepText);
        lines.push_back(T("NumberofLines") + " = " + settings.linesText);
    }
    lines.emplace_back(kBlockEndLine);

    result.setModelKind(ModelKind::Multiple);
    result.drawParameterText = parameters;
    result.b = family.slope;
    result.a = family.intercept(family.count > 0 ? family.count - 1 : 0);
    return output;
}

} // namespace regression
