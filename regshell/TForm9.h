#pragma once

#include "regression/BestCurveSearch.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace appkit {
class Interaction;
}
namespace regshell {
class TessalySettings;
}

// The Find the Best Curve Setup dialog: which models "Find Best" tries. The check boxes are read
// from the settings when the dialog is created and written back by saveSetup at program exit.
class TForm9 : public QDialog {
    Q_OBJECT
public:
    TForm9(regshell::TessalySettings& settings, appkit::Interaction& interaction, QWidget* parent = nullptr);

    // "&Find the Best Curve Setup": shows the dialog modally.
    void execute();

    regression::BestCurveSetup setup() const;
    void setSetup(const regression::BestCurveSetup& setup);

    // Writes the check boxes to section "TestModels".
    void saveSetup();

    // One check box per candidate, in the candidates' order (Linear ... 5th Poly).
    std::array<QCheckBox*, 9> modelBoxes;

private:
    void translate();

    regshell::TessalySettings& settings_;
    appkit::Interaction& interaction_;
    std::array<QLabel*, 4> textLines_;
    QGroupBox* models_;
    QPushButton* ok_;
};
