#include "regshell/TForm8.h"

#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "regression/FitCommands.h"
#include "regression/Preconditions.h"
#include "regression/RegressionError.h"
#include "regshell/SilverBox.h"
#include "translation/Translator.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using appkit::toQt;
using regression::WizardRole;
using translation::T;

namespace {

constexpr int DialogWidth = 532;
constexpr int DialogHeight = 421;

// The first entry of the Step 2 list: no second variable.
constexpr int NoSecondVariable = -1;

QLabel* newLabel(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QLatin1String(text), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* newBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

} // namespace

TForm8::TForm8(appkit::Interaction& interaction, QWidget* parent)
    : QDialog(parent), interaction_(interaction) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Multiple Regression Wizard"));
    setFixedSize(DialogWidth, DialogHeight);

    equationLabel_ = newLabel("Label1", "Equation:", this);
    Edit1 = newBox(QStringLiteral("Edit1"), this);
    Edit1->setReadOnly(true);
    equationLabel_->setBuddy(Edit1);
    auto* equationRow = new QHBoxLayout;
    equationRow->addWidget(equationLabel_);
    equationRow->addWidget(Edit1, 1);

    step1_ = new QGroupBox(QStringLiteral("Step 1"), this);
    step1Label_ = newLabel("Label2", "Select Variable depending on X:", step1_);
    ComboBox1 = new QComboBox(step1_);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    step1Label_->setBuddy(ComboBox1);
    auto* step1Layout = new QVBoxLayout(step1_);
    step1Layout->addWidget(step1Label_);
    step1Layout->addWidget(ComboBox1);
    step1Layout->addStretch();

    step2_ = new QGroupBox(QStringLiteral("Step 2"), this);
    step2Label_ = newLabel("Label3", "Select 2nd Variable if you want:", step2_);
    ComboBox2 = new QComboBox(step2_);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    step2Label_->setBuddy(ComboBox2);
    stepLabel_ = newLabel("Label11", "2nd Variable Step:", step2_);
    Edit12 = newBox(QStringLiteral("Edit12"), step2_);
    stepLabel_->setBuddy(Edit12);
    linesLabel_ = newLabel("Label12", "Number of Lines:", step2_);
    Edit13 = newBox(QStringLiteral("Edit13"), step2_);
    linesLabel_->setBuddy(Edit13);
    auto* step2Layout = new QVBoxLayout(step2_);
    step2Layout->addWidget(step2Label_);
    step2Layout->addWidget(ComboBox2);
    auto* secondVariableFields = new QFormLayout;
    secondVariableFields->addRow(stepLabel_, Edit12);
    secondVariableFields->addRow(linesLabel_, Edit13);
    step2Layout->addLayout(secondVariableFields);

    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(step1_, 1);
    stepRow->addWidget(step2_, 1);

    step3_ = new QGroupBox(QStringLiteral("Step 3"), this);
    step3Label_ =
        newLabel("Label5", "Define constants for the rest of the variables if there are some left.", step3_);
    step3Label_->setWordWrap(true);
    auto* rows = new QGridLayout;
    for (int row = 0; row < MaxVariables; ++row) {
        const auto j = static_cast<std::size_t>(row);
        nameBoxes[j] = newBox(QStringLiteral("Edit%1").arg(row + 2), step3_);
        nameBoxes[j]->setReadOnly(true);
        roleLabels[j] = new QLabel(step3_);
        roleLabels[j]->setObjectName(QStringLiteral("Label%1").arg(row + 6));
        valueBoxes[j] = newBox(QStringLiteral("Edit%1").arg(row + 7), step3_);
        rows->addWidget(nameBoxes[j], row, 0);
        rows->addWidget(roleLabels[j], row, 1);
        rows->addWidget(valueBoxes[j], row, 2);
    }
    rows->setColumnStretch(0, 2);
    rows->setColumnStretch(1, 3);
    rows->setColumnStretch(2, 2);
    auto* step3Layout = new QVBoxLayout(step3_);
    step3Layout->addWidget(step3Label_);
    step3Layout->addLayout(rows);

    helpButton = new QPushButton(QStringLiteral("&Help"), this);
    helpButton->setObjectName(QStringLiteral("BitBtn3"));
    helpButton->setAutoDefault(false);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("BitBtn1"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("BitBtn2"));
    cancelButton->setAutoDefault(false);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(helpButton);
    buttonRow->addWidget(okButton);
    buttonRow->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(equationRow);
    layout->addLayout(stepRow);
    layout->addWidget(step3_, 1);
    layout->addLayout(buttonRow);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this] { ComboBox2Change(); });
    connect(helpButton, &QPushButton::clicked, this, [this] {
        if (showHelp_)
            showHelp_();
    });
    connect(okButton, &QPushButton::clicked, this, [this] { OKClick(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm8::translate() {
    setWindowTitle(toQt(T("MultipleRegressionWizard")));
    equationLabel_->setText(toQt(T("Equation")));
    step1_->setTitle(toQt(T("Step1")));
    step2_->setTitle(toQt(T("Step2")));
    step3_->setTitle(toQt(T("Step3")));
    step1Label_->setText(toQt(T("SelectVariabledependingonX")));
    step2Label_->setText(toQt(T("Select2ndVariableifyouwant")));
    step3Label_->setText(toQt(T("Defineconstants")));
    stepLabel_->setText(toQt(T("2ndVariableStep")));
    linesLabel_->setText(toQt(T("NumberofLines")));
    helpButton->setText(toQt(T("Help")));
    okButton->setText(toQt(T("OK")));
    cancelButton->setText(toQt(T("Cancel")));
}

std::optional<regression::FitOutput> TForm8::drawMultiple(regression::RegressionResult& result,
                                                          const regression::FitData& data) {
    if (const auto refusal = regression::drawMultipleRefusal(data.variableCount(), data.pointCount())) {
        interaction_.showMessage(toQt(*refusal));
        return std::nullopt;
    }
    const std::optional<std::string> equation = regression::fitMultipleForWizard(result, data);
    if (!equation)
        return std::nullopt;
    return run(result, data.context, *equation);
}

std::optional<regression::FitOutput> TForm8::run(regression::RegressionResult& result,
                                                 const regression::LogContext& context,
                                                 const std::string& equation) {
    result_ = &result;
    context_ = context;
    output_.reset();
    setResult(QDialog::Rejected);
    prepare(equation);
    const bool accepted = interaction_.runDialog(*this);
    result_ = nullptr;
    if (!accepted)
        output_.reset();
    return std::move(output_);
}

void TForm8::prepare(const std::string& equation) {
    translate();
    const QSignalBlocker blockFirst(ComboBox1);
    const QSignalBlocker blockSecond(ComboBox2);
    ComboBox1->clear();
    ComboBox2->clear();
    Edit1->setText(toQt(equation));
    Edit12->clear();
    Edit13->clear();
    const int k = variableCount();
    for (int row = 0; row < MaxVariables; ++row) {
        const auto j = static_cast<std::size_t>(row);
        nameBoxes[j]->setText(row < k ? toQt(context_.xNames[j]) : QString());
        valueBoxes[j]->clear();
    }
    for (int variable = 0; variable < k; ++variable)
        ComboBox1->addItem(toQt(context_.xNames[static_cast<std::size_t>(variable)]), variable);
    ComboBox1->setCurrentIndex(0);
    fillSecondVariableList();
    showRoles();
}

int TForm8::variableCount() const {
    return std::min(static_cast<int>(context_.xNames.size()), MaxVariables);
}

void TForm8::fillSecondVariableList() {
    const QSignalBlocker blocker(ComboBox2);
    ComboBox2->clear();
    ComboBox2->addItem(QStringLiteral("none"), NoSecondVariable);
    for (int variable = 0; variable < variableCount(); ++variable)
        if (variable != dependingOnX())
            ComboBox2->addItem(toQt(context_.xNames[static_cast<std::size_t>(variable)]), variable);
    ComboBox2->setCurrentIndex(0);
}

void TForm8::ComboBox1Change() {
    fillSecondVariableList();
    showRoles();
}

void TForm8::ComboBox2Change() {
    showRoles();
}

int TForm8::dependingOnX() const {
    return ComboBox1->currentIndex() < 0 ? 0 : ComboBox1->currentData().toInt();
}

std::optional<int> TForm8::secondVariable() const {
    const int variable = ComboBox2->currentIndex() < 0 ? NoSecondVariable : ComboBox2->currentData().toInt();
    if (variable == NoSecondVariable)
        return std::nullopt;
    return variable;
}

void TForm8::showRoles() {
    const int k = variableCount();
    const std::vector<WizardRole> roles = regression::wizardRoles(k, dependingOnX(), secondVariable());
    for (int row = 0; row < MaxVariables; ++row) {
        const auto j = static_cast<std::size_t>(row);
        if (row >= k) {
            roleLabels[j]->clear();
            regshell::setBoxEnabled(*valueBoxes[j], false);
            continue;
        }
        roleLabels[j]->setText(toQt(regression::wizardRoleLabel(roles[j])));
        const bool takesValue = roles[j] != WizardRole::DependingOnX;
        if (!takesValue)
            valueBoxes[j]->clear();
        regshell::setBoxEnabled(*valueBoxes[j], takesValue);
    }
    const bool linesWanted = secondVariable().has_value();
    regshell::setBoxEnabled(*Edit12, linesWanted);
    regshell::setBoxEnabled(*Edit13, linesWanted);
}

regression::WizardSettings TForm8::settings() const {
    regression::WizardSettings settings;
    settings.roles = regression::wizardRoles(variableCount(), dependingOnX(), secondVariable());
    for (int row = 0; row < variableCount(); ++row)
        settings.valueTexts.push_back(appkit::toStd(valueBoxes[static_cast<std::size_t>(row)]->text()));
    settings.stepText = appkit::toStd(Edit12->text());
    settings.linesText = appkit::toStd(Edit13->text());
    return settings;
}

void TForm8::OKClick() {
    if (!result_)
        return;
    try {
        output_ = regression::confirmMultipleWizard(*result_, settings(), context_);
    } catch (const regression::RegressionError& error) {
        // The wizard stays open so the box can be corrected.
        interaction_.showError(toQt(error.what()));
        return;
    }
    accept();
}
