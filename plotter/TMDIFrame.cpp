#include "plotter/TMDIFrame.h"

#include "appkit/Interaction.h"
#include "appkit/ToolkitTranslation.h"
#include "common/IniFile.h"
#include "common/NumberParse.h"
#include "engine/Engine.h"
#include "graph/TGraphWindow.h"
#include "plotter/AnalysisCommands.h"
#include "plotter/CommandTable.h"
#include "plotter/EntryHistories.h"
#include "plotter/GraphDialogBoxes.h"
#include "plotter/HelpCommands.h"
#include "plotter/Icons.h"
#include "plotter/OptionCommands.h"
#include "plotter/PictureCommands.h"
#include "plotter/ProductInfo.h"
#include "plotter/QuorraCommandLine.h"
#include "plotter/RangeWindowAccess.h"
#include "plotter/StatusBarLine.h"
#include "plotter/TLogWindow.h"
#include "plotter/TSelectGraphWindow.h"
#include "plotter/TdlgSelectLanguage.h"
#include "plotter/Texts.h"
#include "plotter/ZoomCommands.h"
#include "translation/Translator.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

using plotter::CommandId;

using appkit::toQt;
using plotter::plainText;

namespace {

constexpr int ToolBarRowHeight = 33;
constexpr int EntryRowHeight = 32;
constexpr int SplashTimeMs = 1000;

// The translation keys of the armed tools, by index 1 to 8.
constexpr const char* ToolKeys[graph::ToolCount + 1] = {
    "", "Root", "Maximum", "Minimum", "Intersection", "ZoomBox", "XCalc", "YCalc", "YIntersection"};

bool isEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

} // namespace

TMDIFrame::TMDIFrame(common::IniFile& settings, appkit::Interaction& interaction,
                     appkit::NumberSeparators separators, QWidget* parent)
    : QMainWindow(parent), settings_(settings), interaction_(interaction), separators_(separators),
      fileDialogs_(interaction), state_(settings),
      titlePrefix_(QStringLiteral("%1 - ").arg(QLatin1String(plotter::ProductName))),
      mdiArea_(new QMdiArea(this)), Timer1(new QTimer(this)) {
    plotter::loadIcons();
    setObjectName(QStringLiteral("MDIFrame"));
    setWindowTitle(titlePrefix_);
    setWindowIcon(QIcon(QStringLiteral(":/icons/function_mode.svg")));
    translation::translator().setMissingKeyHandler(
        [this](const std::string& message) { interaction_.showMessage(toQt(message)); });
    engine::StartEngine(separators_.decimal, separators_.thousands);

    buildRows();
    createChildWindows();
    pictures_ = std::make_unique<plotter::PictureCommands>(*GraphWindow, *LogWindow, fileDialogs_, settings_,
                                                           interaction_, *this);
    help_ = std::make_unique<plotter::HelpCommands>(interaction_, languageName_, *this);
    analysis_ = new plotter::AnalysisCommands(*GraphWindow, graphHost(), *this, interaction_,
                                              *SelectGraphWindow, *this);

    try {
        ReadSettings(settings_);
    } catch (const common::ConversionError& error) {
        interaction_.showError(toQt(error.what()));
    }
    fileDialogs_.read(settings_);
    loadLanguage();

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(SplashTimeMs);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TMDIFrame::timerTick);
    Timer1->start();
}

TMDIFrame::~TMDIFrame() {
    // The translator outlives the frame; it must not report to an interaction that is gone.
    translation::translator().setMissingKeyHandler(nullptr);
}

void TMDIFrame::buildRows() {
    Panel2 = new QToolBar(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setMovable(false);
    Panel2->setFloatable(false);
    Panel2->setFixedHeight(ToolBarRowHeight);
    Panel2->setIconSize(QSize(22, 22));
    Panel2->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, Panel2);
    commands_ = std::make_unique<plotter::CommandTable>(*this, *menuBar(), *Panel2, commandRows());
    command(CommandId::ToggleFrame)->setVisible(false);
    for (QAction* action : Panel2->actions()) {
        if (QWidget* button = Panel2->widgetForAction(action); button && !action->isSeparator())
            button->setFixedSize(28, 28);
    }

    auto* client = new QWidget(this);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    Panel1 = new QWidget(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(EntryRowHeight);
    ImageYofX = QIcon(QStringLiteral(":/icons/function_mode.svg")).pixmap(25, 25);
    ImageIntegral = QIcon(QStringLiteral(":/icons/integral_mode.svg")).pixmap(25, 25);
    ImageMainMode = new QLabel(Panel1);
    ImageMainMode->setObjectName(QStringLiteral("ImageMainMode"));
    ImageMainMode->setGeometry(8, 3, 25, 25);
    ImageMainMode->setPixmap(ImageYofX);
    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCompleter(nullptr);
    ComboBox1->setMaxVisibleItems(20);
    setAcceptDrops(true);
    ComboBox1->lineEdit()->installEventFilter(this);
    ComboBox1->installEventFilter(this);
    histories_ = std::make_unique<plotter::EntryHistories>(*ComboBox1, interaction_);
    clientLayout->addWidget(Panel1);
    mdiArea_->setObjectName(QStringLiteral("ClientArea"));
    clientLayout->addWidget(mdiArea_, 1);
    setCentralWidget(client);

    statusLine_ = std::make_unique<plotter::StatusBarLine>(*statusBar());
    statusBar()->setSizeGripEnabled(true);
    placeEntryBox();
}

void TMDIFrame::createChildWindows() {
    const auto addChild = [this](QWidget* child, const QString& name) {
        QMdiSubWindow* window =
            mdiArea_->addSubWindow(child, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                              Qt::WindowMinMaxButtonsHint);
        window->setObjectName(name);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        // The child windows live as long as the program: closing one is refused.
        window->installEventFilter(this);
        return window;
    };
    RangeWindow = new TRangeWindow(settings_, interaction_, state_.options, separators_.decimal);
    RangeWindow->setApplyHandler([this](const common::GraphRange& range) { GraphWindow->SetRange(range); });
    addChild(RangeWindow, QStringLiteral("RangeWindowFrame"));
    zoom_ = std::make_unique<plotter::ZoomCommands>(*RangeWindow, state_.options,
                                                    [this] { armTool(graph::ZoomBoxTool); });
    rangeAccess_ = std::make_unique<plotter::RangeWindowAccess>(*RangeWindow, *zoom_);
    graphDialogs_ = std::make_unique<plotter::GraphDialogBoxes>(
        interaction_, *this, [this](const QString& topic) { help_->showHelpTopic(topic); });
    LogWindow = new TLogWindow;
    FunctionPadWindow = new TFunctionPadWindow(*this, separators_.decimal);
    GraphWindow = new graph::TGraphWindow(graphHost());
    addChild(GraphWindow, QStringLiteral("GraphWindowFrame"));

    optionCommands_ = std::make_unique<plotter::OptionCommands>(
        state_.options, *commands_, [this] { redraw(); }, interaction_, separators_.decimal, *this);
    SelectGraphWindow = new TSelectGraphWindow(interaction_, this);

    addChild(LogWindow, QStringLiteral("LogWindowFrame"));
    addChild(FunctionPadWindow, QStringLiteral("FunctionPadWindowFrame"));
    dlgSelectLanguage = new TdlgSelectLanguage(this);
}

graph::GraphHost TMDIFrame::graphHost() {
    return {*rangeAccess_, *statusLine_, *graphDialogs_, *LogWindow, state_, *FunctionPadWindow};
}

void TMDIFrame::ReadSettings(const common::IniFile& file) {
    optionCommands_->readSettings(file);
}

QPrinter& TMDIFrame::printer() {
    return pictures_->printer();
}

TProgressForm* TMDIFrame::progressForm() const {
    return &pictures_->progressForm();
}

void TMDIFrame::setProgramFolder(const QString& folder) {
    help_->setProgramFolder(folder);
}

void TMDIFrame::setDesktop(appkit::Desktop& desktop) {
    help_->setDesktop(desktop);
}

const common::RangeTexts& TMDIFrame::undoZoomSnapshot() const {
    return zoom_->undoZoomSnapshot();
}

THelpWindow* TMDIFrame::helpWindow() const {
    return &help_->helpWindow();
}

QMdiSubWindow* TMDIFrame::subWindowOf(QWidget* child) const {
    return qobject_cast<QMdiSubWindow*>(child->parentWidget());
}

QAction* TMDIFrame::command(plotter::CommandId id) const {
    return &commands_->action(id);
}

QMenu* TMDIFrame::menu(plotter::MenuId id) const {
    return &commands_->menu(id);
}

void TMDIFrame::loadLanguage() {
    languageName_ = toQt(settings_.readString("Options", "Language", "English"));
    try {
        translation::translator().LoadLanguage(languageName_.toStdString());
        appkit::installToolkitTranslation(languageName_.toStdString());
    } catch (const translation::LanguageLoadError& error) {
        interaction_.showError(toQt(error.what()));
    }
}

void TMDIFrame::translate() {
    commands_->translate();
    RangeWindow->translate();
    FunctionPadWindow->translate();
    LogWindow->translate();
}

// ---- Start-up and shut-down ----

void TMDIFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        firstShow();
    }
}

void TMDIFrame::firstShow() {
    translate();
    documentFileName_.clear();
    setWindowTitle(titlePrefix_ + plainText("Untitled", QStringLiteral("Untitled")));
    histories_->read(settings_);
    defaultLayout();
    // A window manager maximises the frame after it has appeared; the layout then follows once.
    followFirstResize_ = true;
    zoom_->takeUndoZoomSnapshot();
    RangeWindow->setRedrawEnabled(false);
    ComboBox1->setFocus();
}

void TMDIFrame::plotCommandLine(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (plotter::namesDocument(argument)) {
            openDocumentFile(QFileInfo(argument).absoluteFilePath());
            continue;
        }
        state_.mode = QLatin1Char('F');
        ComboBox1->setEditText(argument);
        plotEntry();
    }
}

void TMDIFrame::timerTick() {
    Timer1->stop();
    followFirstResize_ = false;
    if (splash_)
        splash_->deleteLater();
    if (settings_.readBool("Prog", "FirstTime", false)) {
        try {
            settings_.writeBool("Prog", "FirstTime", false);
        } catch (const common::IniWriteError&) {
            // The choice is offered again at the next start.
        }
        chooseLanguage();
    }
}

void TMDIFrame::closeEvent(QCloseEvent* event) {
    histories_->keepListAsHistoryOf(state_.mode);
    try {
        settings_.update([this] {
            optionCommands_->writeSettings(settings_);
            histories_->write(settings_);
            fileDialogs_.write(settings_);
        });
    } catch (const common::IniWriteError&) {
        // A settings file that cannot be written must not keep the program from closing.
    }
    event->accept();
}

// ---- Entry box, histories and modes ----

bool TMDIFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && qobject_cast<QMdiSubWindow*>(watched)) {
        event->ignore();
        return true;
    }
    // The menu's shortcuts win over the entry box's editing keys (Ctrl+X is Maximum, Ctrl+C copies the
    // graph); the box's context menu still cuts and copies text.
    if ((watched == ComboBox1 || watched == ComboBox1->lineEdit()) &&
        event->type() == QEvent::ShortcutOverride &&
        commands_->isCommandShortcut(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    if (watched == ComboBox1->lineEdit() && takeEntryDrop(event))
        return true;
    if ((watched == ComboBox1 || watched == ComboBox1->lineEdit()) && event->type() == QEvent::KeyPress) {
        statusLine_->clearStatus();
        if (isEnter(*static_cast<QKeyEvent*>(event))) {
            plotEntry();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QStringList TMDIFrame::entryList() const {
    return histories_->entryList();
}

QString TMDIFrame::entryText() const {
    return ComboBox1->currentText();
}

void TMDIFrame::setEntryText(const QString& text) {
    ComboBox1->setEditText(text);
}

void TMDIFrame::plotEntryText() {
    plotEntry();
}

QAction& TMDIFrame::commandAction(plotter::CommandId id) {
    return *command(id);
}

void TMDIFrame::plotAsTyped(const std::string& text) {
    ComboBox1->setEditText(toQt(text));
    plotEntry();
}

QString TMDIFrame::statusText() const {
    return statusLine_->text();
}

void TMDIFrame::plotEntry() {
    const QString text = ComboBox1->currentText();
    if (state_.mode == QLatin1Char('I'))
        GraphWindow->graph().logIntegralResult = true;
    if (GraphWindow->PlotRequest(text.toStdString()))
        histories_->enterIntoEntryList(text);
}

void TMDIFrame::switchToFunctionMode() {
    switchMode(QLatin1Char('F'));
}

void TMDIFrame::switchToIntegralMode() {
    switchMode(QLatin1Char('I'));
}

void TMDIFrame::switchMode(QChar target) {
    LogWindow->clear();
    ComboBox1->setEditText(QString());
    statusLine_->clearStatus();
    if (state_.mode == target)
        return;
    histories_->keepListAsHistoryOf(state_.mode);
    histories_->listHistoryOf(target);
    ImageMainMode->setPixmap(target == QLatin1Char('F') ? ImageYofX : ImageIntegral);
    state_.mode = target;
    newWork();
}

void TMDIFrame::New1Click() {
    newWork();
    documentFileName_.clear();
    setWindowTitle(titlePrefix_ + plainText("Untitled", QStringLiteral("Untitled")));
    LogWindow->clear();
}

void TMDIFrame::newWork() {
    GraphWindow->NewWorkClick();
}

void TMDIFrame::redraw() {
    GraphWindow->Redraw();
}

// ---- Tools ----

void TMDIFrame::armTool(int tool) {
    statusLine_->clearStatus();
    GraphWindow->ClearArmedTools();
    statusLine_->showStatus(translation::T("SelectARangeOnTheGraph") + ": " + translation::T(ToolKeys[tool]));
    GraphWindow->armTool(tool);
}
