#include "regression/FitCommands.h"

#include "projects/FunctionRecord.h"
#include "regression/LogText.h"
#include "regression/StatisticsBlock.h"
#include "translation/Translator.h"

#include <stdexcept>

namespace regression {

namespace {

using translation::T;

std::string simpleTitle(ModelKind kind) {
    switch (kind) {
    case ModelKind::Linear:
        return T("LLINEARREGRESSION");
    case ModelKind::Logarithmic:
        return T("LLOGARITHMICREGRESSION");
    case ModelKind::Exponential:
        return "EXPONENTIAL REGRESSION:";
    case ModelKind::Power:
        return "POWER REGRESSION:";
    default:
        return T("LRECIPROCALREGRESSION");
    }
}

const std::string& onlyXName(const LogContext& context) {
    if (context.xNames.empty())
        throw std::invalid_argument("the fit needs the name of X");
    return context.xNames.front();
}

std::string polynomialParameterText(const PolynomialFitFigures& fit, char decimalSeparator) {
    std::string text = std::to_string(fit.degree) + ";";
    for (int k = 0; k <= fit.degree; ++k)
        text += g15(fit.c[k], decimalSeparator) + ";";
    return text;
}

std::string recordOf(ModelKind kind, const std::string& equation, const std::string& parameters) {
    return std::string(modelKindText(kind)) + ";" + equation + ";" + parameters;
}

// The straight line a transformed model runs: its response and its term, for the statistics block.
std::pair<std::string, std::string> fittedLineOf(ModelKind kind, const std::string& x, const std::string& y) {
    switch (kind) {
    case ModelKind::Logarithmic:
        return {y, "Ln(" + x + ")"};
    case ModelKind::Exponential:
        return {"Ln(" + y + ")", x};
    case ModelKind::Power:
        return {"Ln(" + y + ")", "Ln(" + x + ")"};
    case ModelKind::Reciprocal:
        return {y, "1/" + x};
    default:
        return {y, x};
    }
}

void appendStatistics(std::vector<std::string>& lines, const LinearFitInference& inference,
                      const StatisticsBlockTerms& terms, const LogContext& context) {
    if (!context.coefficientStatistics)
        return;
    insertStatisticsBlock(lines, statisticsBlockLines(coefficientStatistics(inference), terms,
                                                      context.decimalSeparator, context.figureDigits));
}

} // namespace

std::string simpleEquation(ModelKind kind, const SimpleFitFigures& fit, const LogContext& context) {
    const char separator = context.decimalSeparator;
    const std::string& x = onlyXName(context);
    const std::string head = context.yName + " = " + g3(fit.a, separator);
    const long double b = fit.b;

    if (kind == ModelKind::Exponential) {
        if (fit.base == 0)
            return head;
        if (fit.base == 1)
            return head + " * 1^" + x;
        return head + " * " + g3(fit.base, separator) + "^" + x;
    }
    if (kind == ModelKind::Power) {
        if (b == 0)
            return head;
        if (b == 1)
            return head + " * " + x;
        return head + " * " + x + "^" + g3(b, separator);
    }
    if (b == 0)
        return head;
    const std::string sign = b > 0 ? " + " : " - ";
    const bool unit = b == 1 || b == -1;
    const std::string magnitude = unit ? "" : g3(b < 0 ? -b : b, separator);
    switch (kind) {
    case ModelKind::Linear:
        return head + sign + magnitude + x;
    case ModelKind::Logarithmic:
        return head + sign + magnitude + "Ln(" + x + ")";
    default:
        return unit ? head + sign + "1 /" + x : head + sign + magnitude + " / " + x;
    }
}

std::string polynomialEquation(const PolynomialFitFigures& fit, const LogContext& context) {
    const char separator = context.decimalSeparator;
    const std::string& x = onlyXName(context);
    std::string equation = context.yName + " = " + g3(fit.c[0], separator);
    for (int k = 1; k <= fit.degree; ++k)
        equation += signedTerm(fit.c[k], k >= 2 ? x + "^" + std::to_string(k) : x, separator);
    return equation;
}

std::string multipleEquation(const MultipleFitFigures& fit, const LogContext& context) {
    if (context.xNames.size() < static_cast<std::size_t>(fit.k))
        throw std::invalid_argument("the fit needs the names of every X");
    const char separator = context.decimalSeparator;
    std::string equation = context.yName + " = " + g3(fit.b[0], separator);
    for (int j = 1; j <= fit.k; ++j)
        equation += signedTerm(fit.b[j], context.xNames[j - 1], separator);
    return equation;
}

std::optional<FitOutput> fitSimpleModel(RegressionResult& result, ModelKind kind, const FitData& data) {
    if (!isSimpleModel(kind))
        throw std::invalid_argument("not a two-parameter model");
    result.setModelKind(kind);
    if (data.pointCount() == 0 || data.variableCount() != 1)
        return std::nullopt;
    const SimpleFitFigures fit = computeSimpleFit(kind, data.x.front(), data.y);
    const LogContext& context = data.context;
    const char separator = context.decimalSeparator;

    FitOutput output;
    output.equation = simpleEquation(kind, fit, context);
    auto& lines = output.logLines;
    lines.push_back(context.projectName);
    lines.push_back(simpleTitle(kind));
    lines.push_back(output.equation);
    lines.emplace_back();
    const int digits = context.figureDigits;
    lines.push_back(figureLine(T("Constant"), fit.a, separator, digits));
    if (kind == ModelKind::Exponential) {
        if (fit.base != 0)
            lines.push_back(figureLine(onlyXName(context), fit.base, separator, digits));
    } else if (fit.b != 0) {
        lines.push_back(figureLine(onlyXName(context), fit.b, separator, digits));
    }
    lines.emplace_back();
    if (fit.r)
        appendGoodnessLines(lines, *fit.r, *fit.rSquared, fit.s, "LNotcalculated", fit.n, separator, digits);
    else
        appendPointCountAndEnd(lines, fit.n);
    StatisticsBlockTerms terms;
    const auto line = fittedLineOf(kind, onlyXName(context), context.yName);
    terms.termNames = {line.second};
    if (kind != ModelKind::Linear)
        terms.fittedLine = line;
    terms.backTransformedConstant = kind == ModelKind::Exponential || kind == ModelKind::Power;
    terms.constantOnly = fit.b == 0;
    appendStatistics(lines, fit.line, terms, context);

    Drawing drawing;
    if (fit.b == 0) {
        drawing.shape = Drawing::Shape::ZeroSlopeLine;
        drawing.lines.base = fit.a;
    }
    output.drawing = drawing;
    output.functionRecord =
        projects::simpleModelRecord(modelKindText(kind), output.equation, fit.a, fit.b, separator);

    result.a = fit.a;
    result.b = fit.b;
    if (fit.r)
        result.r = *fit.r;
    if (kind == ModelKind::Exponential)
        result.base = fit.base;
    return output;
}

std::optional<FitOutput> fitPolynomial(RegressionResult& result, int degree, const FitData& data) {
    const ModelKind kind = polynomialKind(degree);
    result.setModelKind(kind);
    if (data.pointCount() == 0 || data.variableCount() != 1)
        return std::nullopt;
    const PolynomialFitFigures fit = computePolynomialFit(degree, data.x.front(), data.y);
    const LogContext& context = data.context;
    const char separator = context.decimalSeparator;
    const std::string& x = onlyXName(context);
    static const char* const kTitleKeys[] = {"B2ndPOLY", "B3rdPOLY", "B4thPOLY", "B5thPOLY"};

    FitOutput output;
    output.equation = polynomialEquation(fit, context);
    auto& lines = output.logLines;
    lines.push_back(context.projectName);
    lines.push_back(T(kTitleKeys[degree - 2]) + " REGRESSION:");
    lines.push_back(output.equation);
    lines.emplace_back();
    const int digits = context.figureDigits;
    StatisticsBlockTerms terms;
    terms.termNames.push_back(x);
    for (int k = 2; k <= degree; ++k)
        terms.termNames.push_back(x + "^" + std::to_string(k));
    lines.push_back(figureLine(T("Constant"), fit.c[0], separator, digits));
    for (int k = 1; k <= degree; ++k)
        lines.push_back(figureLine(terms.termNames[k - 1], fit.c[k], separator, digits));
    lines.emplace_back();
    appendGoodnessLines(lines, fit.r, fit.rSquared, fit.s, "LNotcalculated", fit.n, separator, digits);
    appendStatistics(lines, fit.inference, terms, context);

    const std::string parameters = polynomialParameterText(fit, separator);
    output.drawing = Drawing{};
    output.functionRecord = recordOf(kind, output.equation, parameters);

    for (int k = 0; k <= degree; ++k)
        result.polynomialCoefficients[k] = fit.c[k];
    result.r = fit.r;
    result.polynomialParameterText = parameters;
    return output;
}

namespace {

// The multiple fit shared by both commands; stores the figures and the equation in `result`.
std::optional<MultipleFitFigures> fitMultiple(RegressionResult& result, const FitData& data) {
    result.setModelKind(ModelKind::Multiple);
    if (data.pointCount() == 0 || data.variableCount() < 2)
        return std::nullopt;
    const MultipleFitFigures fit = computeMultipleFit(data.x, data.y);
    const std::string equation = multipleEquation(fit, data.context);
    for (int j = 0; j <= fit.k; ++j)
        result.multipleCoefficients[j] = fit.b[j];
    result.r = fit.r;
    result.multipleEquationText = equation;
    return fit;
}

} // namespace

std::optional<FitOutput> logMultiple(RegressionResult& result, const FitData& data) {
    const auto fit = fitMultiple(result, data);
    if (!fit)
        return std::nullopt;
    const LogContext& context = data.context;
    const char separator = context.decimalSeparator;

    FitOutput output;
    output.equation = result.multipleEquationText;
    auto& lines = output.logLines;
    lines.push_back(context.projectName);
    lines.push_back(T("LMULTIPLEREGRESSION"));
    lines.push_back(output.equation);
    lines.emplace_back();
    const int digits = context.figureDigits;
    lines.push_back(figureLine(T("Constant"), fit->b[0], separator, digits));
    for (int j = 1; j <= fit->k; ++j)
        lines.push_back(figureLine(context.xNames[j - 1], fit->b[j], separator, digits));
    lines.emplace_back();
    appendGoodnessLines(lines, fit->r, fit->rSquared, fit->s, "Not calculated", fit->n, separator, digits);
    StatisticsBlockTerms terms;
    terms.termNames.assign(context.xNames.begin(), context.xNames.begin() + fit->k);
    appendStatistics(lines, fit->inference, terms, context);
    return output;
}

std::optional<std::string> fitMultipleForWizard(RegressionResult& result, const FitData& data) {
    if (!fitMultiple(result, data))
        return std::nullopt;
    return result.multipleEquationText;
}

} // namespace regression
