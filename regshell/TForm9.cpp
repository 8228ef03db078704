#include "regshell/TForm9.h"

#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "regshell/TessalySettings.h"
#include "translation/Translator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using appkit::toQt;
using regression::kBestCurveCandidates;
using translation::T;

namespace {

// The explanation above the check boxes, one line each.
constexpr std::array<const char*, 4> TextLineKeys = {"Form9textrad1", "Form9textrad2", "Form9textrad3",
                                                     "Form9textrad4"};
constexpr std::array<const char*, 4> TextLines = {
    "\"Find the Best Curve\"-Button examines", "your data and chooses the best fitted model.",
    "Select the Regression Models to include in", "the calculation."};

// Captions of the check boxes before translation, in the candidates' order.
constexpr std::array<const char*, 9> ModelCaptions = {"Linear",   "Logarithmic", "Exponential",
                                                      "Power",    "Reciprocal",  "2nd Poly",
                                                      "3rd Poly", "4th Poly",    "5th Poly"};

// The two-parameter models fill the left column, the polynomials the right one.
constexpr int LeftColumnRows = 5;

} // namespace

TForm9::TForm9(regshell::TessalySettings& settings, appkit::Interaction& interaction, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings), interaction_(interaction),
      models_(new QGroupBox(QStringLiteral("Regression Models"), this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Find the Best Curve Setup"));

    auto* layout = new QVBoxLayout(this);
    for (std::size_t line = 0; line < textLines_.size(); ++line) {
        textLines_[line] = new QLabel(QLatin1String(TextLines[line]), this);
        layout->addWidget(textLines_[line]);
    }
    layout->addSpacing(6);

    auto* columns = new QGridLayout(models_);
    for (std::size_t model = 0; model < modelBoxes.size(); ++model) {
        const auto& candidate = kBestCurveCandidates[model];
        auto* box = new QCheckBox(QLatin1String(ModelCaptions[model]), models_);
        box->setObjectName(toQt(std::string(candidate.settingsKey)));
        const int index = static_cast<int>(model);
        columns->addWidget(box, index % LeftColumnRows, index / LeftColumnRows);
        modelBoxes[model] = box;
    }
    layout->addWidget(models_);

    ok_->setObjectName(QStringLiteral("BitBtn1"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setSetup(settings_.testModels());
}

void TForm9::translate() {
    setWindowTitle(toQt(T("FFindtheBestCurveSetup")));
    for (std::size_t line = 0; line < textLines_.size(); ++line)
        textLines_[line]->setText(toQt(T(TextLineKeys[line])));
    models_->setTitle(toQt(T("RegressionModels")));
    for (std::size_t model = 0; model < modelBoxes.size(); ++model)
        modelBoxes[model]->setText(toQt(T(kBestCurveCandidates[model].checkBoxKey)));
    ok_->setText(toQt(T("OK")));
}

void TForm9::execute() {
    translate();
    interaction_.runDialog(*this);
}

regression::BestCurveSetup TForm9::setup() const {
    regression::BestCurveSetup setup{};
    for (std::size_t model = 0; model < modelBoxes.size(); ++model)
        setup[model] = modelBoxes[model]->isChecked();
    return setup;
}

void TForm9::setSetup(const regression::BestCurveSetup& setup) {
    for (std::size_t model = 0; model < modelBoxes.size(); ++model)
        modelBoxes[model]->setChecked(setup[model]);
}

void TForm9::saveSetup() {
    settings_.setTestModels(setup());
}
