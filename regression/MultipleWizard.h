#pragma once

#include "regression/FitOutput.h"
#include "regression/RegressionResult.h"

#include <optional>
#include <string>
#include <vector>

namespace regression {

// What a variable stands for in the Multiple Regression Wizard.
enum class WizardRole {
    DependingOnX,   // runs along the graph's X axis
    SecondVariable, // one line per value start, start + step, ...
    Constant,       // held at the value typed for it
};

// Roles of x1..xk for the Step 1 choice (0-based) and the optional Step 2 choice.
std::vector<WizardRole> wizardRoles(int variableCount, int dependingOnX, std::optional<int> secondVariable);

// Translated role label shown beside a variable and written to the log.
std::string wizardRoleLabel(WizardRole role);

// The wizard's boxes when OK is pressed: the role and value text of each of x1..xk, and the texts
// of the step and number-of-lines boxes (read only with a second variable).
struct WizardSettings {
    std::vector<WizardRole> roles;
    std::vector<std::string> valueTexts;
    std::string stepText;
    std::string linesText;
};

// OK of the wizard after fitMultipleForWizard: the straight lines to draw, the log block, the draw
// parameter text and the "Multiple" function record. A value, step or lines text that is not a
// number, or more lines than a function record may hold, throws RegressionError with the message;
// nothing is written then and the wizard stays open. On success the draw parameter text, slope and last
// intercept are stored in `result`.
FitOutput confirmMultipleWizard(RegressionResult& result, const WizardSettings& settings,
                                const LogContext& context);

} // namespace regression
