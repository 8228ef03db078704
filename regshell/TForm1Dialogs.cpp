// The main window's dialogs and the hand-over to Quorra.
#include "regshell/TForm1.h"

#include "appkit/Interaction.h"
#include "regression/FitOutput.h"
#include "regshell/QuorraLauncher.h"
#include "regshell/TForm10.h"
#include "regshell/TForm13.h"
#include "regshell/TForm3.h"
#include "regshell/TForm6.h"
#include "regshell/TForm7.h"
#include "regshell/TForm8.h"
#include "regshell/TForm9.h"
#include "regshell/TessalyHelp.h"

void TForm1::SelectLanguage1Click() {
    interaction_.runDialog(*languageDialog_);
}

void TForm1::BestRegressionSetup1Click() {
    bestCurveDialog_->execute();
}

regression::BestCurveSetup TForm1::bestCurveSetup() const {
    return bestCurveDialog_->setup();
}

void TForm1::saveBestCurveSetup() {
    bestCurveDialog_->saveSetup();
}

void TForm1::Start1Click() {
    quorra_->start();
}

void TForm1::Information1Click() {
    interaction_.runDialog(*informationBox_);
}

void TForm1::Contents1Click() {
    help_->showContext(regshell::ContentsContext);
}

void TForm1::About1Click() {
    interaction_.runDialog(*aboutBox_);
}

void TForm1::DrawMultipleClick() {
    try {
        const regression::FitData data = fitData();
        if (const auto output = multipleWizard_->drawMultiple(result_, data)) {
            dataWindow_->showLogPage();
            writeFitOutput(*output);
        }
    } catch (const std::exception& failure) {
        interaction_.showError(appkit::toQt(failure.what()));
    }
}

void TForm1::SpeedButton27Click() {
    chooseFunctions_->drawGraphInQuorra(store_.functionLabels(),
                                        std::string(dataWindow_->lists().listName(1)));
}
