#include "regshell/TForm4.h"

#include "appkit/ProgramSetup.h"
#include "appkit/Translated.h"
#include "translation/Translator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <algorithm>

static void registerWizardPictures() {
    Q_INIT_RESOURCE(wizardpictures);
}

namespace {

using regshell::WizardMode;

constexpr int MaxVariables = regshell::TessalySettings::MaxWizardVariables;
const char* const XDefaults[MaxVariables] = {"A", "B", "C", "D", "E"};
const QColor Silver(192, 192, 192);

// Rows of the left column; the picture strip runs down the right edge.
constexpr int Margin = 8;
constexpr int ColumnWidth = 197;
constexpr int FieldHeight = 22;
constexpr int RowStep = 25;
constexpr int FirstNameRow = 114;
constexpr int ButtonTop = 268;
constexpr int ButtonWidth = 63;
constexpr int ButtonGap = 4;
constexpr int PictureLeft = Margin + ColumnWidth + 8;

QPixmap pictureStrip(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::white);
    QSvgRenderer renderer(QStringLiteral(":/wizard/strip.svg"));
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

} // namespace

namespace regshell {

std::vector<std::string> WizardChoice::xNames() const {
    const int count = std::clamp(fields.variableCount, 1, MaxVariables);
    return {fields.xNames.begin(), fields.xNames.begin() + count};
}

} // namespace regshell

TForm4::TForm4(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), Label1(new QLabel(this)),
      lblProjectName(new QLabel(this)), Edit1(new QLineEdit(this)), lblNumberOfVariables(new QLabel(this)),
      ComboBox1(new QComboBox(this)), lblY(new QLabel(this)), Edit7(new QLineEdit(this)),
      SpeedButton2(new QPushButton(this)), SpeedButton3(new QPushButton(this)),
      BitBtn1(new QPushButton(this)), CheckBox1(new QCheckBox(this)), CheckBox2(new QCheckBox(this)),
      Image1(new QLabel(this)) {
    registerWizardPictures();
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Start Wizard"));
    setModal(true);

    QFont heading = Label1->font();
    heading.setBold(true);
    Label1->setFont(heading);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Margin, 6, ColumnWidth, 18);

    lblProjectName->setGeometry(Margin, 28, ColumnWidth, 16);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(Margin, 44, ColumnWidth, FieldHeight);
    lblProjectName->setBuddy(Edit1);

    lblNumberOfVariables->setGeometry(Margin, 70, ColumnWidth, 16);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(Margin, 86, 60, FieldHeight);
    for (int count = 1; count <= MaxVariables; ++count)
        ComboBox1->addItem(QString::number(count));
    lblNumberOfVariables->setBuddy(ComboBox1);

    for (int i = 0; i < MaxVariables; ++i) {
        auto* label = new QLabel(QStringLiteral("X%1:").arg(i + 1), this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 2));
        const int top = FirstNameRow + i * RowStep;
        label->setGeometry(Margin, top, 30, FieldHeight);
        edit->setGeometry(Margin + 32, top, ColumnWidth - 32, FieldHeight);
        xLabels_.push_back(label);
        xEdits_.push_back(edit);
    }
    lblY->setText(QStringLiteral("  Y:"));
    lblY->setGeometry(Margin, FirstNameRow + MaxVariables * RowStep, 30, FieldHeight);
    Edit7->setObjectName(QStringLiteral("Edit7"));
    Edit7->setGeometry(Margin + 32, FirstNameRow + MaxVariables * RowStep, ColumnWidth - 32, FieldHeight);

    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    const QList<QPushButton*> buttons{SpeedButton2, SpeedButton3, BitBtn1};
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setGeometry(Margin + i * (ButtonWidth + ButtonGap), ButtonTop, ButtonWidth, 25);
        buttons[i]->setAutoDefault(false);
    }
    BitBtn1->setDefault(true);

    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox1->setGeometry(Margin, 298, ClientWidth - 2 * Margin, 18);
    CheckBox2->setGeometry(Margin, 316, ClientWidth - 2 * Margin, 18);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(PictureLeft, Margin, ClientWidth - PictureLeft - Margin, PictureHeight);
    Image1->setFrameShape(QFrame::StyledPanel);
    Image1->setPixmap(pictureStrip(Image1->contentsRect().size()));

    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            [this](int index) { setVariableCount(index + 1); });
    connect(SpeedButton2, &QPushButton::clicked, this, &TForm4::openFile);
    connect(SpeedButton3, &QPushButton::clicked, this, &TForm4::reject);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::accept);

    // Texts are translated when the wizard is prepared or shown, after the language was loaded.
    arrange(WizardMode::Startup, {});
}

void TForm4::prepare(WizardMode mode, const regshell::TessalySettings::WizardFields& fields) {
    arrange(mode, fields);
    translate();
}

void TForm4::arrange(WizardMode mode, const regshell::TessalySettings::WizardFields& fields) {
    mode_ = mode;
    fileOpened_ = false;
    const bool startup = mode == WizardMode::Startup;
    SpeedButton2->setVisible(mode != WizardMode::NewProject);
    SpeedButton3->setVisible(cancelAvailable());
    // The check boxes only matter at launch; the shorter wizard leaves them out.
    CheckBox1->setVisible(startup);
    CheckBox2->setVisible(startup);
    CheckBox1->setChecked(false);
    CheckBox2->setChecked(false);
    setFixedSize(ClientWidth, startup ? StartupHeight : ShortHeight);

    setVariableCount(fields.variableCount);
    Edit1->setText(appkit::toQt(fields.projectName));
    Edit7->setText(appkit::toQt(fields.yName));
    for (int i = 0; i < MaxVariables; ++i)
        xEdits_[static_cast<std::size_t>(i)]->setText(
            appkit::toQt(fields.xNames[static_cast<std::size_t>(i)]));
    Edit1->setFocus();
    Edit1->selectAll();
}

void TForm4::setVariableCount(int count) {
    count = std::clamp(count, 1, MaxVariables);
    {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->setCurrentIndex(count - 1);
    }
    Edit7->setText(QStringLiteral("Y"));
    for (int i = 0; i < MaxVariables; ++i) {
        QLineEdit* edit = xEdits_[static_cast<std::size_t>(i)];
        const bool used = i < count;
        edit->setEnabled(used);
        edit->setText(used ? QString::fromLatin1(XDefaults[i]) : QString());
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base,
                         used ? Edit1->palette().color(QPalette::Active, QPalette::Base) : Silver);
        edit->setPalette(palette);
    }
}

regshell::WizardChoice TForm4::choice() const {
    regshell::WizardChoice choice;
    choice.fields.projectName = appkit::toStd(Edit1->text());
    choice.fields.variableCount = ComboBox1->currentIndex() + 1;
    choice.fields.yName = appkit::toStd(Edit7->text());
    for (int i = 0; i < MaxVariables; ++i)
        choice.fields.xNames[static_cast<std::size_t>(i)] =
            appkit::toStd(xEdits_[static_cast<std::size_t>(i)]->text());
    choice.dontShowAtStartup = CheckBox1->isChecked();
    choice.alwaysUseTheseSettings = CheckBox2->isChecked();
    return choice;
}

void TForm4::setAcceptCheck(std::function<bool(const regshell::WizardChoice&)> check) {
    acceptCheck_ = std::move(check);
}

void TForm4::setOpenHandler(std::function<bool()> open) {
    openHandler_ = std::move(open);
}

bool TForm4::cancelAvailable() const {
    return mode_ == WizardMode::NewProject;
}

void TForm4::translate() {
    switch (mode_) {
    case WizardMode::Startup:
        setWindowTitle(appkit::translated("FStartWizard"));
        break;
    case WizardMode::NewFile:
        setWindowTitle(appkit::translated("NewFile"));
        break;
    case WizardMode::NewProject:
    case WizardMode::NoProjectLeft:
        setWindowTitle(appkit::translated("NewProject"));
        break;
    }
    Label1->setText(appkit::translated("NewProject"));
    lblProjectName->setText(appkit::translated("ProjectName"));
    lblNumberOfVariables->setText(appkit::translated("NumberofVariabels"));
    SpeedButton2->setText(appkit::translated("Open"));
    SpeedButton3->setText(appkit::translated("Cancel"));
    BitBtn1->setText(appkit::translated("OK"));
    CheckBox1->setText(appkit::translated("Dontshowthiswizard"));
    CheckBox2->setText(appkit::translated("Alwaysusethesesettings"));
}

void TForm4::accept() {
    if (acceptCheck_ && !acceptCheck_(choice()))
        return;
    QDialog::accept();
}

void TForm4::reject() {
    if (cancelAvailable())
        QDialog::reject();
}

void TForm4::openFile() {
    if (!openHandler_ || !openHandler_())
        return;
    fileOpened_ = true;
    done(QDialog::Rejected);
}

void TForm4::showEvent(QShowEvent* event) {
    translate();
    QDialog::showEvent(event);
}
