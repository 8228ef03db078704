// The main window's regression commands, list statistics and list transforms.
#include "regshell/TForm1.h"

#include "appkit/Interaction.h"
#include "reggraph/TForm2.h"
#include "regression/BestCurveSearch.h"
#include "regression/DataListsInput.h"
#include "regression/FitCommands.h"
#include "regression/ListStatistics.h"
#include "regression/Preconditions.h"
#include "regshell/TForm3.h"
#include "translation/Translator.h"

#include <QAction>
#include <QComboBox>

using appkit::toQt;
using appkit::toStd;
using regression::ListStatistic;
using regression::ModelKind;
using regshell::CommandId;

namespace {

// Runs a command that reads the lists; a cell that is not a number or an arithmetic fault ends it
// with an error box before anything of its output was written.
template <typename Command> void reportingFaults(appkit::Interaction& interaction, Command command) {
    try {
        command();
    } catch (const std::exception& failure) {
        interaction.showError(toQt(failure.what()));
    }
}

} // namespace

regression::FitData TForm1::fitData() {
    regression::FitData data =
        regression::readFitData(dataWindow_->content().lists, store_.currentProject(), separators_.decimal);
    data.context.coefficientStatistics = action(CommandId::CoefficientStatistics).isChecked();
    return data;
}

bool TForm1::refused(const std::optional<std::string>& message) {
    if (!message)
        return false;
    interaction_.showMessage(toQt(*message));
    return true;
}

void TForm1::writeFitOutput(const regression::FitOutput& output) {
    leaveResidualPlot(); // the fit is drawn on the project's graph
    dataWindow_->appendLogLines(output.logLines);
    if (output.functionRecord)
        store_.addFunctionRecord(*output.functionRecord);
    if (output.drawing)
        graphWindow_->drawFit(*output.drawing, output.equation);
    setModified();
}

void TForm1::runSimpleFit(ModelKind kind) {
    reportingFaults(interaction_, [&] {
        const regression::FitData data = fitData();
        if (data.pointCount() > 0 && data.variableCount() == 1 &&
            refused(regression::simpleFitRefusal(kind, data.x[0], data.y, graphWindow_->drawnFunctions())))
            return;
        dataWindow_->showLogPage();
        if (const auto output = regression::fitSimpleModel(result_, kind, data))
            writeFitOutput(*output);
    });
}

void TForm1::runPolynomialFit(int degree) {
    reportingFaults(interaction_, [&] {
        const regression::FitData data = fitData();
        // The point minimum comes first, also when no row is complete.
        if (data.variableCount() == 1 && refused(regression::polynomialFitRefusal(
                                             degree, data.pointCount(), graphWindow_->drawnFunctions())))
            return;
        dataWindow_->showLogPage();
        if (const auto output = regression::fitPolynomial(result_, degree, data))
            writeFitOutput(*output);
    });
}

void TForm1::LinearClick() {
    runSimpleFit(ModelKind::Linear);
}
void TForm1::LogarithmicClick() {
    runSimpleFit(ModelKind::Logarithmic);
}
void TForm1::ExponentialClick() {
    runSimpleFit(ModelKind::Exponential);
}
void TForm1::PowerClick() {
    runSimpleFit(ModelKind::Power);
}
void TForm1::ReciprocalClick() {
    runSimpleFit(ModelKind::Reciprocal);
}
void TForm1::Poly2Click() {
    runPolynomialFit(2);
}
void TForm1::Poly3Click() {
    runPolynomialFit(3);
}
void TForm1::Poly4Click() {
    runPolynomialFit(4);
}
void TForm1::Poly5Click() {
    runPolynomialFit(5);
}

void TForm1::LogMultipleClick() {
    reportingFaults(interaction_, [&] {
        const regression::FitData data = fitData();
        if (refused(regression::logMultipleRefusal(data.variableCount())))
            return;
        dataWindow_->showLogPage();
        if (const auto output = regression::logMultiple(result_, data))
            writeFitOutput(*output);
    });
}

void TForm1::SpeedButton24Click() {
    reportingFaults(interaction_, [&] {
        if (refused(regression::findBestRefusal(graphWindow_->drawnFunctions())))
            return;
        const regression::FitData data = fitData();
        if (data.pointCount() == 0)
            return;
        dataWindow_->showLogPage();
        const auto output = regression::findBestCurve(result_, bestCurveSetup(), data);
        if (!output)
            return;
        dataWindow_->appendLogLines(output->rankingLogLines);
        if (output->winner)
            writeFitOutput(*output->winner);
    });
}

// --- List statistics and transforms ---

void TForm1::writeStatistics(
    const std::function<regression::StatisticsBlock(const regression::StatisticsContext&)>& block) {
    collectContent();
    const int column = selectedListColumn();
    const regression::StatisticsContext context{
        store_.currentProject(), std::string(dataWindow_->lists().listName(column)), separators_.decimal};
    dataWindow_->showLogPage();
    const regression::StatisticsBlock result = block(context);
    dataWindow_->appendLogLines(result.lines);
    if (result.error)
        interaction_.showError(toQt(*result.error));
}

void TForm1::writeListStatistic(ListStatistic statistic) {
    writeStatistics([&](const regression::StatisticsContext& context) {
        return regression::singleStatistic(statistic, context,
                                           regression::listCells(dataWindow_->lists(), selectedListColumn()));
    });
}

void TForm1::N1VarAnalys1Click() {
    writeStatistics([&](const regression::StatisticsContext& context) {
        return regression::oneVariableAnalysis(
            context, regression::listCells(dataWindow_->lists(), selectedListColumn()));
    });
}
void TForm1::MeanValue1Click() {
    writeListStatistic(ListStatistic::Mean);
}
void TForm1::SumofValues1Click() {
    writeListStatistic(ListStatistic::Sum);
}
void TForm1::SumofSquares1Click() {
    writeListStatistic(ListStatistic::SumOfSquares);
}
void TForm1::SSD1Click() {
    writeListStatistic(ListStatistic::SampleStandardDeviation);
}
void TForm1::PSD1Click() {
    writeListStatistic(ListStatistic::PopulationStandardDeviation);
}
void TForm1::NumberofPoints1Click() {
    writeListStatistic(ListStatistic::NumberOfPoints);
}

void TForm1::ProductSumXY1Click() {
    writeStatistics([&](const regression::StatisticsContext& context) {
        const projects::DataLists& lists = dataWindow_->lists();
        return regression::productSum(context, regression::completeRowCells(lists, 1),
                                      regression::completeRowCells(lists, 2));
    });
}

void TForm1::transformSelectedList(regression::ListTransform transform) {
    collectContent();
    reportingFaults(interaction_, [&] {
        regression::applyListTransform(dataWindow_->lists(), selectedListColumn(), transform,
                                       separators_.decimal);
        dataWindow_->listsChanged();
    });
}

void TForm1::Lnlist1Click() {
    transformSelectedList(regression::ListTransform::NaturalLogarithm);
}
void TForm1::elist1Click() {
    transformSelectedList(regression::ListTransform::Exponential);
}

void TForm1::rebuildStatisticsCaptions() {
    const QString name = listSelector_->currentText();
    const std::pair<CommandId, const char*> translated[] = {
        {CommandId::OneVariableAnalysis, "N1VarAnalyze"},
        {CommandId::MeanValue, "MeanValue"},
        {CommandId::SumOfValues, "Sum"},
        {CommandId::SumOfSquares, "SumofSquares"},
        {CommandId::SampleStandardDeviation, "SSD"},
        {CommandId::PopulationStandardDeviation, "PSD"},
        {CommandId::NumberOfPoints, "NumberofPoints"},
    };
    for (const auto& [command, key] : translated)
        action(command).setText(toQt(translation::T(key)) + name + QLatin1Char(']'));
    action(CommandId::LnList).setText(QStringLiteral("&Ln  [") + name + QLatin1Char(']'));
    action(CommandId::ExpList).setText(QStringLiteral("&e^  [") + name + QLatin1Char(']'));
}
