#include "regshell/TForm1.h"
#include "appkit/Translated.h"
#include "regshell/ResidualPlot.h"

#include "appkit/Interaction.h"
#include "projects/NameChecks.h"
#include "reggraph/TForm2.h"
#include "regshell/DataFileCommands.h"
#include "regshell/ImportDialog.h"
#include "regshell/ProjectCommands.h"
#include "regshell/QuorraLauncher.h"
#include "regshell/RenameEditor.h"
#include "regshell/TForm10.h"
#include "regshell/TForm13.h"
#include "regshell/TForm3.h"
#include "regshell/TForm4.h"
#include "regshell/TForm5.h"
#include "regshell/TForm6.h"
#include "regshell/TForm7.h"
#include "regshell/TForm8.h"
#include "regshell/TForm9.h"
#include "regshell/TessalyHelp.h"
#include "translation/Translator.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using appkit::toQt;
using appkit::toStd;
using regshell::CommandId;
using regshell::MenuId;

// The toolbar's pictures live in the program's static library, which does not register them itself.
static void loadToolbarPictures() {
    Q_INIT_RESOURCE(toolbar);
}

namespace {

constexpr int ToolAreaHeight = 59;
constexpr int SelectorWidth = 185;

// The Data window's place and width, and the room the graph window leaves to it.
constexpr int DataWindowLeft = 3;
constexpr int DataWindowTop = 3;
constexpr int DataWindowWidth = 242;
constexpr int GraphWindowLeft = 248;
constexpr int GraphWidthReduction = 255;
constexpr int ChildHeightReduction = 90;

} // namespace

TForm1::TForm1(common::IniFile& settings, appkit::Interaction& interaction, appkit::Desktop& desktop,
               appkit::NumberSeparators separators, const QString& programFolder, QWidget* parent)
    : QMainWindow(parent), settings_(settings), interaction_(interaction), separators_(separators),
      mdiArea_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("Form1"));
    setCentralWidget(mdiArea_);
    loadToolbarPictures();
    commands_ = std::make_unique<regshell::CommandTable>(*this, commandRows());
    commands_->buildMenus(*menuBar(), menuLayout());
    buildToolArea();

    statusText_ = new QLabel(this);
    statusText_->setObjectName(QStringLiteral("StatusText"));
    QFont statusFont = statusText_->font();
    statusFont.setBold(true);
    statusFont.setPixelSize(13);
    statusText_->setFont(statusFont);
    statusBar()->addWidget(statusText_, 1);

    action(CommandId::Scatter).setChecked(true);
    action(CommandId::ShowAxis).setChecked(settings_.showAxis());
    action(CommandId::ShowGrid).setChecked(settings_.showGrid());
    action(CommandId::ShowScaleText).setChecked(settings_.showScaleText());
    action(CommandId::ShowFunctionNames).setChecked(settings_.showFunctionNames());
    action(CommandId::ShowWizard).setChecked(settings_.startupWizard());
    action(CommandId::CoefficientStatistics).setChecked(settings_.coefficientStatistics());
    action(CommandId::Bands).setChecked(settings_.bands());
    QToolButton& bandsButton = button(CommandId::Bands);
    bandsButton.setCheckable(true);
    bandsButton.setChecked(settings_.bands());
    connect(&action(CommandId::Bands), &QAction::toggled, &bandsButton, &QToolButton::setChecked);
    // Escape leaves the residual plot; enabled only while it is shown, so the grid's editors keep it.
    residualEscape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    residualEscape_->setEnabled(false);
    connect(residualEscape_, &QShortcut::activated, this, [this] { leaveResidualPlot(); });
    action(CommandId::Paste).setEnabled(false);
    action(CommandId::UndoPaste).setEnabled(false);

    const regshell::TessalySettings::FontSettings font = settings_.font();
    graphWindow_ = new TForm2(
        *this, reggraph::makeGraphFont(font.name, font.size, font.bold, font.italic, font.underline));
    graphSubWindow_ = mdiArea_->addSubWindow(graphWindow_);
    dataWindow_ = new TForm3(*this, settings_);
    dataSubWindow_ = mdiArea_->addSubWindow(dataWindow_);
    graphWindow_->resetUndoRange(dataWindow_->rangeTexts());
    connect(dataWindow_, &TForm3::editCommandsChanged, this, [this] {
        action(CommandId::Paste).setEnabled(dataWindow_->canPaste());
        action(CommandId::UndoPaste).setEnabled(dataWindow_->canUndoPaste());
    });
    startWizard_ = new TForm4(this);
    deleteDialog_ = new TForm5(this);
    projectCommands_ = std::make_unique<regshell::ProjectCommands>(
        store_, dataWindow_->content(), settings_, interaction_, *this, *startWizard_, *deleteDialog_);
    importDialog_ = new regshell::ImportDialog(this);
    dataFiles_ = std::make_unique<regshell::DataFileCommands>(
        store_, dataWindow_->content(), settings_, interaction_, *this, *importDialog_, separators_.decimal);
    action(CommandId::UndoImport).setEnabled(false);
    setAcceptDrops(true);
    multipleWizard_ = new TForm8(interaction_, this);
    bestCurveDialog_ = new TForm9(settings_, interaction_, this);
    aboutBox_ = new TForm6(this);
    languageDialog_ = new TForm7(settings_, interaction_, this);
    quorra_ = std::make_unique<regshell::QuorraLauncher>(desktop, interaction_, programFolder);
    chooseFunctions_ = new TForm10(*quorra_, interaction_, this);
    informationBox_ = new TForm13(this);
    help_ = std::make_unique<regshell::TessalyHelp>(programFolder, settings_.language(), this);
    multipleWizard_->setHelpHandler(
        [this] { help_->showContext(regshell::MultipleRegressionWizardContext); });
    for (QMdiSubWindow* window : {graphSubWindow_, dataSubWindow_})
        window->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);

    setWindowTitle(toQt(store_.windowTitle()));
    setMainWindowEnabled(false);
}

TForm1::~TForm1() = default;

void TForm1::buildToolArea() {
    auto* toolBar = addToolBar(QStringLiteral("Tools"));
    toolBar->setObjectName(QStringLiteral("ToolArea"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->toggleViewAction()->setVisible(false);
    toolArea_ = new QWidget(toolBar);
    toolArea_->setFixedHeight(ToolAreaHeight);
    toolArea_->setMinimumWidth(354 + 443 + 4);
    toolBar->addWidget(toolArea_);

    projectSelector_ = new QComboBox(toolArea_);
    projectSelector_->setObjectName(QStringLiteral("ComboBox1"));
    projectSelector_->setGeometry(32, 9 - 2, SelectorWidth, 22);
    projectSelector_->setToolTip(QStringLiteral("Current Project"));
    listSelector_ = new QComboBox(toolArea_);
    listSelector_->setObjectName(QStringLiteral("ComboBox2"));
    listSelector_->setGeometry(32, 34 - 1, SelectorWidth, 22);
    listSelector_->setToolTip(QStringLiteral("Selected list"));
    projectRename_ = new regshell::RenameEditor(*projectSelector_, "Edit1", "SpeedButton4", "SpeedButton5",
                                                "Button1", toolArea_);
    listRename_ = new regshell::RenameEditor(*listSelector_, "Edit2", "SpeedButton10", "SpeedButton11",
                                             "Button2", toolArea_);
    connect(projectSelector_, &QComboBox::activated, this, &TForm1::projectSelected);
    connect(listSelector_, &QComboBox::currentIndexChanged, this, &TForm1::listSelected);
    connect(projectRename_, &regshell::RenameEditor::accepted, this, [this](const QString& name) {
        if (projectCommands_->renameProject(toStd(name)))
            projectRename_->close();
    });
    connect(listRename_, &regshell::RenameEditor::accepted, this, [this](const QString& name) {
        if (projectCommands_->renameList(selectedListColumn(), toStd(name)))
            listRename_->close();
    });

    commands_->buildButtons(*toolArea_, toolAreaButtons());

    regressionTabs_ = new QTabWidget(toolArea_);
    regressionTabs_->setObjectName(QStringLiteral("TabControl1"));
    regressionTabs_->setGeometry(354, 1, 443 + 2, 56 + 2);
    QFont tabFont = regressionTabs_->font();
    tabFont.setPointSizeF(tabFont.pointSizeF() * 0.85);
    regressionTabs_->tabBar()->setFont(tabFont);
    regressionTabs_->tabBar()->setExpanding(false);
    const std::pair<const char*, std::vector<regshell::ButtonLine>> pages[] = {
        {"Simple Regression", simpleRegressionButtons()},
        {"Polynomial Regression", polynomialRegressionButtons()},
        {"Multiple Regression", multipleRegressionButtons()},
        {"Draw", drawButtons()},
    };
    for (const auto& [caption, buttons] : pages) {
        auto* page = new QWidget;
        commands_->buildButtons(*page, buttons);
        regressionTabs_->addTab(page, QString::fromUtf8(caption));
    }
}

void TForm1::translateTexts() {
    commands_->translate();
    const char* const tabKeys[] = {"SimpleRegression", "PolynomialRegression", "MultipleRegression", "BDraw"};
    for (int page = 0; page < regressionTabs_->count(); ++page)
        regressionTabs_->setTabText(page, appkit::translated(tabKeys[page]));
    projectSelector_->setToolTip(appkit::translated("CurrentProject"));
    listSelector_->setToolTip(appkit::translated("Selectedlist"));
    rebuildStatisticsCaptions();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    placeChildWindows(true);
    translateTexts();
    QTimer::singleShot(50, this, &TForm1::startUp);
}

void TForm1::placeChildWindows(bool dataWindowToo) {
    const QSize client = mdiArea_->viewport()->size();
    const int height = std::max(client.height() - ChildHeightReduction, 60);
    if (dataWindowToo)
        dataSubWindow_->setGeometry(DataWindowLeft, DataWindowTop, DataWindowWidth, height);
    else
        dataSubWindow_->resize(dataSubWindow_->width(), height);
    graphSubWindow_->setGeometry(GraphWindowLeft, DataWindowTop,
                                 std::max(client.width() - GraphWidthReduction, 60), height);
}

// --- Projects and lists ---

void TForm1::startUp() {
    if (settings_.firstTime()) {
        SelectLanguage1Click();
        settings_.clearFirstTime();
    }
    if (startData_) {
        startWithData();
        return;
    }
    if (!startFile_.isEmpty() && loadProjectFile(startFile_)) {
        setMainWindowEnabled(true);
        return;
    }
    projectCommands_->startUp();
}

void TForm1::collectContent() {
    dataWindow_->content();
}

void TForm1::fillProjectSelector() {
    const QSignalBlocker blocker(projectSelector_);
    projectSelector_->clear();
    for (const std::string& name : store_.projectNames())
        projectSelector_->addItem(toQt(name));
    projectSelector_->model()->sort(0);
    projectSelector_->setCurrentIndex(projectSelector_->findText(toQt(store_.currentProject())));
}

void TForm1::fillListSelector(int selected) {
    const QSignalBlocker blocker(listSelector_);
    listSelector_->clear();
    for (const std::string& name : dataWindow_->content().listNames)
        listSelector_->addItem(toQt(name));
    listSelector_->setCurrentIndex(std::clamp(selected, 0, listSelector_->count() - 1));
    rebuildStatisticsCaptions();
}

void TForm1::showCurrentProject() {
    dataFiles_->forgetImport();
    showUndoImport();
    fillProjectSelector();
    dataWindow_->showContent();
    fillListSelector(0);
    enableSingleVariableCommands(dataWindow_->lists().variableCount() < 2);
    setWindowTitle(toQt(store_.windowTitle()));
    redrawGraph();
}

void TForm1::showEmptyFile() {
    dataFiles_->forgetImport();
    showUndoImport();
    projectSelector_->clear();
    listSelector_->clear();
    dataWindow_->showContent();
    dataWindow_->showStoredZoomFactors();
    setWindowTitle(toQt(store_.windowTitle()));
    graphWindow_->resetUndoRange(dataWindow_->rangeTexts());
    redrawGraph();
}

void TForm1::showProjectNames() {
    fillProjectSelector();
}

void TForm1::showListNames() {
    fillListSelector(listSelector_->currentIndex());
    dataWindow_->listsChanged();
}

void TForm1::moveToFirstCell() {
    dataWindow_->setCurrentCell(1, 1);
}

void TForm1::setModified(bool modified) {
    store_.setModified(modified);
}

// The window's own widgets are disabled rather than the window, so the dialogs it owns, the Start
// Wizard first, stay usable while no project exists.
void TForm1::setMainWindowEnabled(bool enabled) {
    menuBar()->setEnabled(enabled);
    toolArea_->setEnabled(enabled);
    mdiArea_->setEnabled(enabled);
}

bool TForm1::isMainWindowEnabled() const {
    return mdiArea_->isEnabled();
}

void TForm1::setShowWizardChecked(bool checked) {
    action(CommandId::ShowWizard).setChecked(checked);
}

void TForm1::enableSingleVariableCommands(bool enabled) {
    for (CommandId id :
         {CommandId::Linear, CommandId::Logarithmic, CommandId::Exponential, CommandId::Power,
          CommandId::Reciprocal, CommandId::Polynomial2, CommandId::Polynomial3, CommandId::Polynomial4,
          CommandId::Polynomial5, CommandId::Scatter, CommandId::Histogram, CommandId::XYLine,
          CommandId::FindBest, CommandId::DrawInQuorra, CommandId::ProductSum})
        action(id).setEnabled(enabled);
    for (MenuId id : {MenuId::Simple, MenuId::Polynomial, MenuId::Draw})
        menu(id).setEnabled(enabled);
}

void TForm1::projectSelected(int index) {
    const std::string name = toStd(projectSelector_->itemText(index));
    if (name == store_.currentProject())
        return;
    projectCommands_->switchProject(name);
}

void TForm1::listSelected(int) {
    rebuildStatisticsCaptions();
}

int TForm1::selectedListColumn() const {
    return 1 + std::max(listSelector_->currentIndex(), 0);
}

void TForm1::ChangeProjectName1Click() {
    projectRename_->open(toQt(store_.currentProject()));
}

void TForm1::ChangeYName1Click() {
    listRename_->open(listSelector_->currentText());
}

void TForm1::SpeedButton1Click() {
    projectCommands_->newProject();
}

void TForm1::SpeedButton3Click() {
    projectCommands_->deleteProjects();
}

void TForm1::SpeedButton25Click() {
    projectCommands_->eraseFunctions();
}

// --- Edit: the Data window's commands; it says when Paste and Undo Paste can run ---

void TForm1::CopyColumn1Click() {
    dataWindow_->copyColumn();
}

void TForm1::CopyRow1Click() {
    dataWindow_->copyRow();
}

void TForm1::Paste1Click() {
    dataWindow_->paste();
}

void TForm1::UndoPaste1Click() {
    dataWindow_->undoPaste();
}

void TForm1::ClearLog1Click() {
    dataWindow_->clearLog();
}

// --- Host roles ---

void TForm1::setModified() {
    store_.setModified(true);
}

int TForm1::mainClientWidth() const {
    return mdiArea_->viewport()->width();
}

void TForm1::placeGraphWindow(int left, int width) {
    graphSubWindow_->setGeometry(left, graphSubWindow_->y(), width, graphSubWindow_->height());
}

// --- Closing ---

void TForm1::closeEvent(QCloseEvent* event) {
    if (store_.modified() && !askToSaveChanges()) {
        event->ignore();
        return;
    }
    saveBestCurveSetup();
    event->accept();
}
