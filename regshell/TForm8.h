#pragma once

#include "regression/FitOutput.h"
#include "regression/MultipleWizard.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace appkit {
class Interaction;
}
namespace regression {
class RegressionResult;
}

// The Multiple Regression Wizard: the user picks the variable along the graph's X axis, optionally a
// second variable drawn as a family of lines, and constants for the others.
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(appkit::Interaction& interaction, QWidget* parent = nullptr);

    // Help opens help context 8; the host shows it.
    void setHelpHandler(std::function<void()> showHelp) { showHelp_ = std::move(showHelp); }

    // "Draw Multiple": refuses with a message when the project has fewer than 2 variables or fewer than
    // k + 2 complete rows; otherwise fits the points into `result` and shows the wizard. Returns the
    // log lines, the family of lines and the function record to write once OK succeeded; nothing after
    // a refusal or Cancel. A fit that fails throws regression::RegressionError before the wizard shows.
    std::optional<regression::FitOutput> drawMultiple(regression::RegressionResult& result,
                                                      const regression::FitData& data);

    // Shows the wizard for a fitted project: x1..xk named as in `context`, `equation` in its Equation
    // box. OK runs regression::confirmMultipleWizard; a box that is not a number keeps the wizard open
    // with the message.
    std::optional<regression::FitOutput> run(regression::RegressionResult& result,
                                             const regression::LogContext& context,
                                             const std::string& equation);

    // The wizard's choices as they stand.
    regression::WizardSettings settings() const;

    static constexpr int MaxVariables = 5;
    static constexpr int HelpContext = 8;

    QLineEdit* Edit1;                                // equation
    QComboBox* ComboBox1;                            // variable depending on X
    QComboBox* ComboBox2;                            // "none" or the second variable
    std::array<QLineEdit*, MaxVariables> nameBoxes;  // Edit2..Edit6
    std::array<QLabel*, MaxVariables> roleLabels;    // Label6..Label10
    std::array<QLineEdit*, MaxVariables> valueBoxes; // Edit7..Edit11
    QLineEdit* Edit12;                               // second variable step
    QLineEdit* Edit13;                               // number of lines
    QPushButton* helpButton;
    QPushButton* okButton;
    QPushButton* cancelButton;

private:
    void translate();
    void prepare(const std::string& equation);
    void fillSecondVariableList();
    void ComboBox1Change();
    void ComboBox2Change();
    void showRoles();
    void OKClick();

    int variableCount() const;
    int dependingOnX() const;
    std::optional<int> secondVariable() const;

    appkit::Interaction& interaction_;
    std::function<void()> showHelp_;
    regression::RegressionResult* result_ = nullptr; // while the wizard is shown
    regression::LogContext context_;
    std::optional<regression::FitOutput> output_;
    QLabel* equationLabel_;
    QGroupBox* step1_;
    QGroupBox* step2_;
    QGroupBox* step3_;
    QLabel* step1Label_;
    QLabel* step2Label_;
    QLabel* step3Label_;
    QLabel* stepLabel_;
    QLabel* linesLabel_;
};
