#include "regshell/CommandLineFit.h"

#include "regression/BestCurveSearch.h"
#include "regression/FitCommands.h"
#include "regression/Preconditions.h"
#include "regression/RegressionError.h"
#include "regression/RegressionResult.h"
#include "regshell/CommandLineOptions.h"
#include "translation/Translator.h"

namespace regshell {

namespace {

using regression::ModelKind;
using translation::T;

// No fit is drawn from the command line, so the drawn-function limit never refuses.
constexpr int NoDrawnFunctions = 0;

void refuseIf(const std::optional<std::string>& refusal) {
    if (refusal)
        throw CommandLineError(*refusal);
}

void requireOneVariable(const regression::FitData& data) {
    if (data.variableCount() != 1)
        throw CommandLineError(T("CmdOneVariableModel") + " " + std::to_string(data.variableCount()));
}

// The fits return nothing only for conditions checked before they run; never dereference blindly.
std::vector<std::string> logLinesOf(const std::optional<regression::FitOutput>& output) {
    if (!output)
        throw CommandLineError(T("CmdNoPoints"));
    return output->logLines;
}

std::vector<std::string> runFit(std::optional<ModelKind> model, const regression::FitData& data) {
    regression::RegressionResult result;
    if (!model) {
        requireOneVariable(data);
        refuseIf(regression::findBestRefusal(NoDrawnFunctions));
        const auto best = regression::findBestCurve(result, regression::defaultBestCurveSetup(), data);
        if (!best)
            throw CommandLineError(T("CmdNoPoints"));
        std::vector<std::string> lines = best->rankingLogLines;
        if (best->winner)
            lines.insert(lines.end(), best->winner->logLines.begin(), best->winner->logLines.end());
        return lines;
    }
    if (*model == ModelKind::Multiple) {
        refuseIf(regression::logMultipleRefusal(data.variableCount()));
        return logLinesOf(regression::logMultiple(result, data));
    }
    requireOneVariable(data);
    if (regression::isPolynomialModel(*model)) {
        const int degree = regression::polynomialDegree(*model);
        refuseIf(regression::polynomialFitRefusal(degree, data.pointCount(), NoDrawnFunctions));
        return logLinesOf(regression::fitPolynomial(result, degree, data));
    }
    refuseIf(regression::simpleFitRefusal(*model, data.x.front(), data.y, NoDrawnFunctions));
    return logLinesOf(regression::fitSimpleModel(result, *model, data));
}

} // namespace

std::vector<std::string> fitLogLines(std::optional<ModelKind> model, regression::FitData data,
                                     FitFigures figures) {
    data.context.coefficientStatistics = figures.statistics;
    data.context.figureDigits = figures.digits;
    if (data.pointCount() == 0)
        throw CommandLineError(T("CmdNoPoints"));
    try {
        return runFit(model, data);
    } catch (const regression::RegressionError& failure) {
        throw CommandLineError(failure.what());
    }
}

} // namespace regshell
