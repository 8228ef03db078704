#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace appkit {
class Interaction;
}
namespace regshell {
class QuorraLauncher;
}

// The Choose Functions dialog: the current project's function label list to pick the equations that
// Quorra plots.
class TForm10 : public QDialog {
    Q_OBJECT
public:
    TForm10(regshell::QuorraLauncher& launcher, appkit::Interaction& interaction, QWidget* parent = nullptr);

    // "Draw Graph in Quorra": shows the labels with nothing selected; OK hands the selected ones
    // over to Quorra with `xName` as the name replaced by x; Exit starts nothing.
    void drawGraphInQuorra(const std::vector<std::string>& functionLabels, const std::string& xName);

    // The selected labels in list order.
    std::vector<std::string> selectedFunctions() const;

    QLabel* Label1;
    QListWidget* ListBox1;
    QPushButton* Button1; // OK
    QPushButton* Button2; // Exit

private:
    void translate();

    regshell::QuorraLauncher& launcher_;
    appkit::Interaction& interaction_;
    std::vector<std::string> labels_;
};
