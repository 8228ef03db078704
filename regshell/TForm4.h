#pragma once

#include "regshell/TessalySettings.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace regshell {

// Why the Start Wizard is shown; it decides the caption, the height and which buttons show.
enum class WizardMode {
    Startup,       // at launch: check boxes shown, Open shown, no Cancel
    NewFile,       // after New: Open shown, no Cancel
    NewProject,    // a project added to the open file: Cancel shown, no Open
    NoProjectLeft, // the last project was deleted: Open shown, no Cancel
};

// What the wizard's boxes hold when OK is pressed.
struct WizardChoice {
    TessalySettings::WizardFields fields; // name, number of variables, Y and all five X boxes
    bool dontShowAtStartup = false;
    bool alwaysUseTheseSettings = false;

    // The names of X1..Xk, k being the chosen number of variables.
    std::vector<std::string> xNames() const;
};

} // namespace regshell

// The Start Wizard: names a new project, its number of variables and its lists, or opens a file
// instead. OK asks its accept check first, so a refused name keeps the wizard open; Open... asks
// its open handler to run the main window's open dialog and closes only when a file was opened.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 261;
    static constexpr int StartupHeight = 337;
    static constexpr int ShortHeight = 297;
    static constexpr int PictureHeight = 267;

    explicit TForm4(QWidget* parent = nullptr);

    // Sets the caption, size and buttons of `mode`, runs the number-of-variables rule for the
    // fields' number (clamped to 1..5) and then writes the fields' names into the boxes. The
    // check boxes are cleared.
    void prepare(regshell::WizardMode mode, const regshell::TessalySettings::WizardFields& fields);
    regshell::WizardMode mode() const { return mode_; }

    // The number-of-variables rule, as choosing `count` in the drop-down list runs it: X1 "A",
    // Y "Y", X2..Xk enabled with "B".."E", the other X boxes emptied, disabled and silver.
    void setVariableCount(int count);

    regshell::WizardChoice choice() const;

    // Called by OK with the boxes' contents; returning false keeps the wizard open.
    void setAcceptCheck(std::function<bool(const regshell::WizardChoice&)> check);
    // Called by Open...; returns true when a file was opened, which closes the wizard.
    void setOpenHandler(std::function<bool()> open);
    // Whether the last showing ended by opening a file.
    bool fileOpened() const { return fileOpened_; }
    bool cancelAvailable() const;

    void translate();

    void accept() override;
    // Escape and the window's close do nothing while there is no Cancel button.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void arrange(regshell::WizardMode mode, const regshell::TessalySettings::WizardFields& fields);
    void openFile();

    regshell::WizardMode mode_ = regshell::WizardMode::Startup;
    bool fileOpened_ = false;
    std::function<bool(const regshell::WizardChoice&)> acceptCheck_;
    std::function<bool()> openHandler_;

    QLabel* Label1;
    QLabel* lblProjectName;
    QLineEdit* Edit1;
    QLabel* lblNumberOfVariables;
    QComboBox* ComboBox1;
    std::vector<QLabel*> xLabels_;
    std::vector<QLineEdit*> xEdits_; // Edit2..Edit6
    QLabel* lblY;
    QLineEdit* Edit7;
    QPushButton* SpeedButton2; // Open...
    QPushButton* SpeedButton3; // Cancel
    QPushButton* BitBtn1;      // OK
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QLabel* Image1; // the picture strip
};
