#include "plotter/TMDIFrame.h"

#include "common/IniFile.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "engine/Engine.h"
#include "graph/TGraphWindow.h"
#include "plotter/CommandTable.h"
#include "plotter/FunctionHistory.h"
#include "plotter/FunctionInsertions.h"
#include "plotter/Icons.h"
#include "plotter/Interaction.h"
#include "plotter/ProductInfo.h"
#include "plotter/TLogWindow.h"
#include "plotter/TdlgInstructions.h"
#include "plotter/TdlgSelectLanguage.h"
#include "plotter/Texts.h"
#include "plotter/TwoFieldDialog.h"
#include "translation/Translator.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <filesystem>

using appkit::toQt;
using plotter::plainText;

namespace {

constexpr int ToolBarRowHeight = 33;
constexpr int EntryRowHeight = 32;
constexpr int SplashTimeMs = 1000;
constexpr int EntryBoxLeft = 40;
constexpr int EntryBoxMargin = 60;

// The translation keys of the armed tools, by index 1 to 8.
constexpr const char* ToolKeys[graph::ToolCount + 1] = {
    "", "Root", "Maximum", "Minimum", "Intersection", "ZoomBox", "XCalc", "YCalc", "YIntersection"};

bool isEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

} // namespace

TMDIFrame::TMDIFrame(common::IniFile& settings, plotter::Interaction& interaction,
                     appkit::NumberSeparators separators, QWidget* parent)
    : QMainWindow(parent), settings_(settings), interaction_(interaction), separators_(separators),
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
    connectCommands();

    try {
        ReadSettings(settings_);
    } catch (const common::ConversionError& error) {
        interaction_.showError(toQt(error.what()));
    }
    loadLanguage();

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(SplashTimeMs);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TMDIFrame::timerTick);
    Timer1->start();
}

TMDIFrame::~TMDIFrame() = default;

void TMDIFrame::buildRows() {
    Panel2 = new QToolBar(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setMovable(false);
    Panel2->setFloatable(false);
    Panel2->setFixedHeight(ToolBarRowHeight);
    Panel2->setIconSize(QSize(22, 22));
    Panel2->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, Panel2);
    commands_ = std::make_unique<plotter::CommandTable>(*this, *menuBar(), *Panel2);
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
    ComboBox1->lineEdit()->installEventFilter(this);
    ComboBox1->installEventFilter(this);
    clientLayout->addWidget(Panel1);
    mdiArea_->setObjectName(QStringLiteral("ClientArea"));
    clientLayout->addWidget(mdiArea_, 1);
    setCentralWidget(client);

    StatusBar1 = new QLabel(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusBar1, 1);
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
    RangeWindow = new TRangeWindow(settings_, interaction_, separators_.decimal);
    RangeWindow->setApplyHandler([this](const TRangeWindow::Range& values) {
        graph::GraphRange range;
        range.Xmin = values[0];
        range.Xmax = values[1];
        range.Xstep = values[2];
        range.Ymin = values[3];
        range.Ymax = values[4];
        range.Ystep = values[5];
        GraphWindow->SetRange(range);
    });
    addChild(RangeWindow, QStringLiteral("RangeWindowFrame"));
    GraphWindow = new graph::TGraphWindow(*this);
    addChild(GraphWindow, QStringLiteral("GraphWindowFrame"));

    dlgZoomFactor = new TdlgZoomFactor(this);
    dlgFunctionInstructions = new TdlgInstructions(TdlgInstructions::Mode::Function, this);
    dlgIntegralInstructions = new TdlgInstructions(TdlgInstructions::Mode::Integral, this);
    dlgAxisText = new TdlgAxisText(this);

    LogWindow = new TLogWindow;
    addChild(LogWindow, QStringLiteral("LogWindowFrame"));
    FunctionPadWindow = new TFunctionPadWindow(*this, separators_.decimal);
    addChild(FunctionPadWindow, QStringLiteral("FunctionPadWindowFrame"));
    dlgSelectLanguage = new TdlgSelectLanguage(this);
}

QMdiSubWindow* TMDIFrame::subWindowOf(QWidget* child) const {
    return qobject_cast<QMdiSubWindow*>(child->parentWidget());
}

void TMDIFrame::connectCommands() {
    const auto on = [this](const char* name, auto method) {
        connect(command(QLatin1String(name)), &QAction::triggered, this, method);
    };
    on("New1", &TMDIFrame::New1Click);
    on("Exit1", &QWidget::close);
    for (const char* name :
         {"Raised1", "Sqrt1", "Cbrt1", "Sin1", "Cos1", "Tan1", "ArcSin1", "ArcCos1", "ArcTan1", "Ln1", "Log1",
          "N10Exp1", "Random1", "Int1", "Abs1", "e1", "Pi1", "ddx1"}) {
        const QString insertion = plotter::insertionOf(QLatin1String(name));
        connect(command(QLatin1String(name)), &QAction::triggered, this,
                [this, insertion] { setEntryText(entryText() + insertion); });
    }
    command(QStringLiteral("ToggleFrame1"))->setVisible(false);
    on("Zoomin1", &TMDIFrame::zoomIn);
    on("ZoomOut1", &TMDIFrame::zoomOut);
    on("UndoZoom1", &TMDIFrame::undoZoom);
    connect(command(QStringLiteral("ZoomBox1")), &QAction::triggered, this, [this] {
        takeUndoZoomSnapshot();
        armTool(graph::ZoomBoxTool);
    });
    const std::pair<const char*, int> tools[] = {{"Root1", graph::RootTool},
                                                 {"Max1", graph::MaximumTool},
                                                 {"Min1", graph::MinimumTool},
                                                 {"YIntersection1", graph::YIntersectionTool},
                                                 {"Intersection1", graph::IntersectionTool},
                                                 {"YCalc1", graph::YCalcTool},
                                                 {"XCalc1", graph::XCalcTool}};
    for (const auto& [name, tool] : tools)
        connect(command(QLatin1String(name)), &QAction::triggered, this,
                [this, tool = tool] { armTool(tool); });
    on("Language1", &TMDIFrame::chooseLanguage);
    on("Zoomfactor1", &TMDIFrame::editZoomFactors);
    connect(command(QStringLiteral("Degrees1")), &QAction::triggered, this, [this] { setAngleUnit(false); });
    connect(command(QStringLiteral("Radians1")), &QAction::triggered, this, [this] { setAngleUnit(true); });
    on("AxisText1", &TMDIFrame::editAxisTexts);
    on("AxisTextFont1", &TMDIFrame::chooseAxisFont);
    connect(command(QStringLiteral("DottedLines1")), &QAction::triggered, this,
            [this] { setLineStyle(false, true); });
    connect(command(QStringLiteral("NormalLines1")), &QAction::triggered, this,
            [this] { setLineStyle(false, false); });
    connect(command(QStringLiteral("BoldLines1")), &QAction::triggered, this,
            [this] { setLineStyle(true, false); });
    on("EmptyFunctionHistory1", &TMDIFrame::emptyFunctionHistory);
    const std::pair<const char*, bool graph::PlotOptions::*> switches[] = {
        {"Axis1", &graph::PlotOptions::showAxis},
        {"Grid1", &graph::PlotOptions::showGrid},
        {"ScaleText1", &graph::PlotOptions::showScaleText},
        {"FunctionNames1", &graph::PlotOptions::showFunctionNames}};
    for (const auto& [name, member] : switches) {
        connect(command(QLatin1String(name)), &QAction::toggled, this, [this, member = member](bool checked) {
            if (options_.*member == checked)
                return;
            options_.*member = checked;
            redraw();
        });
    }
    on("MakeGraphWindowQuadratic1", &TMDIFrame::makeGraphWindowQuadratic);
    on("DefaultPosition1", &TMDIFrame::defaultLayout);
    on("LoadPosition1", &TMDIFrame::loadPosition);
    on("Sparafnsterposition1", &TMDIFrame::savePosition);
    on("toolbtnFunctionMode", &TMDIFrame::switchToFunctionMode);
    on("toolbtnIntegralMode", &TMDIFrame::switchToIntegralMode);
    on("toolbtnPlotFunction", &TMDIFrame::plotEntry);

    // Commands that arrive with documents, pictures, printing, the solve tools, derived curves, the
    // value table, the companion program and help.
    for (const char* name : {"Root1",
                             "Max1",
                             "Min1",
                             "YIntersection1",
                             "Intersection1",
                             "YCalc1",
                             "XCalc1",
                             "Open1",
                             "Save1",
                             "SaveAs1",
                             "SaveAsBMPPicture1",
                             "SaveAsGIFPicture1",
                             "Print1",
                             "PrintLog1",
                             "PrintSetup1",
                             "CopyGraphAsWMFPicture1",
                             "CopyGraphAsBMPPicture1",
                             "Derivative1",
                             "Tangent1",
                             "Normal1",
                             "ValueTable1",
                             "Start1",
                             "Information1",
                             "Contents1",
                             "IntroductoryLetter1",
                             "Survey1",
                             "OrvaneHomePage1",
                             "QuorraHomePage1",
                             "InterestedintranslatingQuorra1",
                             "About1",
                             "toolbtnEraseFunction",
                             "toolbtnTrace"})
        command(QLatin1String(name))->setEnabled(false);
}

QAction* TMDIFrame::command(const QString& name) const {
    return commands_->action(name);
}

void TMDIFrame::loadLanguage() {
    languageName_ = toQt(settings_.readString("Options", "Language", "English"));
    try {
        translation::translator().LoadLanguage(languageName_.toStdString());
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
    setWindowTitle(titlePrefix_ + plainText("Untitled"));
    setEntryList(plotter::readHistory(settings_, "FunctionCombo", "F"));
    storedIntegralHistory_ = plotter::readHistory(settings_, "IntegralCombo", "I");
    storedFunctionHistory_ = entryList();
    defaultLayout();
    // A window manager maximises the frame after it has appeared; the layout then follows once.
    followFirstResize_ = true;
    takeUndoZoomSnapshot();
    RangeWindow->setRedrawEnabled(false);
}

void TMDIFrame::plotCommandLine(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        mode_ = QLatin1Char('F');
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
    if (mode_ == QLatin1Char('I'))
        storedIntegralHistory_ = entryList();
    else if (mode_ == QLatin1Char('F'))
        storedFunctionHistory_ = entryList();
    try {
        settings_.update([this] {
            WriteSettings(settings_);
            plotter::writeHistory(settings_, "FunctionCombo", "F", storedFunctionHistory_);
            plotter::writeHistory(settings_, "IntegralCombo", "I", storedIntegralHistory_);
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
    if ((watched == ComboBox1 || watched == ComboBox1->lineEdit()) && event->type() == QEvent::KeyPress) {
        clearStatus();
        if (isEnter(*static_cast<QKeyEvent*>(event))) {
            plotEntry();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QStringList TMDIFrame::entryList() const {
    QStringList list;
    for (int i = 0; i < ComboBox1->count(); ++i)
        list.append(ComboBox1->itemText(i));
    return list;
}

void TMDIFrame::setEntryList(const QStringList& list) {
    const QString text = ComboBox1->currentText();
    ComboBox1->clear();
    ComboBox1->addItems(list);
    ComboBox1->setEditText(text);
}

void TMDIFrame::enterIntoEntryList(const QString& text) {
    QStringList list = entryList();
    plotter::enterIntoHistory(list, text);
    setEntryList(list);
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

void TMDIFrame::runCommand(const QString& name) {
    QAction* action = command(name);
    if (action && action->isEnabled())
        action->trigger();
}

void TMDIFrame::plotEntry() {
    const QString text = ComboBox1->currentText();
    if (mode_ == QLatin1Char('I'))
        GraphWindow->graph().logIntegralResult = true;
    if (GraphWindow->PlotRequest(text.toStdString()))
        enterIntoEntryList(text);
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
    clearStatus();
    if (mode_ == target)
        return;
    if (mode_ == QLatin1Char('F'))
        storedFunctionHistory_ = entryList();
    else if (mode_ == QLatin1Char('I'))
        storedIntegralHistory_ = entryList();
    const bool functions = target == QLatin1Char('F');
    setEntryList(functions ? storedFunctionHistory_ : storedIntegralHistory_);
    ImageMainMode->setPixmap(functions ? ImageYofX : ImageIntegral);
    mode_ = target;
    newWork();
}

graph::PlotMode TMDIFrame::currentMode() const {
    return mode_ == QLatin1Char('I') ? graph::PlotMode::Integral : graph::PlotMode::Function;
}

void TMDIFrame::New1Click() {
    newWork();
    documentFileName_.clear();
    setWindowTitle(titlePrefix_ + plainText("Untitled"));
    LogWindow->clear();
}

void TMDIFrame::newWork() {
    GraphWindow->NewWorkClick();
}

void TMDIFrame::redraw() {
    GraphWindow->Redraw();
}

// ---- Tools and zooming ----

void TMDIFrame::armTool(int tool) {
    clearStatus();
    GraphWindow->ClearArmedTools();
    showStatus(translation::T("SelectARangeOnTheGraph") + ": " + translation::T(ToolKeys[tool]));
    GraphWindow->armTool(tool);
}

void TMDIFrame::takeUndoZoomSnapshot() {
    undoZoomSnapshot_ = RangeWindow->rangeTexts();
}

void TMDIFrame::zoomIn() {
    zoom(true);
}

void TMDIFrame::zoomOut() {
    zoom(false);
}

void TMDIFrame::zoom(bool in) {
    // All six values are converted before anything changes, so a bad value leaves grid,
    // snapshot and graph as they were.
    const std::optional<TRangeWindow::Range> values = RangeWindow->convertRange();
    if (!values)
        return;
    takeUndoZoomSnapshot();
    for (int row = 0; row < TRangeWindow::RowCount; ++row) {
        const long double factor = row < 3 ? options_.xZoomFactor : options_.yZoomFactor;
        const long double value = in ? (*values)[row] / factor : (*values)[row] * factor;
        RangeWindow->setRangeText(row, toQt(common::formatPlain(value, separators_.decimal)));
    }
    RangeWindow->applyRange();
}

void TMDIFrame::undoZoom() {
    RangeWindow->setRangeTexts(undoZoomSnapshot_);
    RangeWindow->applyRange();
}

// ---- Options ----

void TMDIFrame::ReadSettings(const common::IniFile& file) {
    try {
        graph::readSettingsBlock(file, options_, separators_.decimal);
    } catch (...) {
        updateCheckMarks();
        throw;
    }
    updateCheckMarks();
}

void TMDIFrame::WriteSettings(common::IniFile& file) {
    graph::writeSettingsBlock(file, options_, separators_.decimal);
}

void TMDIFrame::updateCheckMarks() {
    command(QStringLiteral("Degrees1"))->setChecked(!options_.useRadians);
    command(QStringLiteral("Radians1"))->setChecked(options_.useRadians);
    command(QStringLiteral("BoldLines1"))->setChecked(options_.boldLines);
    command(QStringLiteral("DottedLines1"))->setChecked(options_.dottedLines);
    command(QStringLiteral("NormalLines1"))->setChecked(!options_.boldLines && !options_.dottedLines);
    command(QStringLiteral("Axis1"))->setChecked(options_.showAxis);
    command(QStringLiteral("Grid1"))->setChecked(options_.showGrid);
    command(QStringLiteral("ScaleText1"))->setChecked(options_.showScaleText);
    command(QStringLiteral("FunctionNames1"))->setChecked(options_.showFunctionNames);
}

void TMDIFrame::setAngleUnit(bool radians) {
    graph::setAngleUnit(options_, radians);
    updateCheckMarks();
    redraw();
}

void TMDIFrame::setLineStyle(bool bold, bool dotted) {
    options_.boldLines = bold;
    options_.dottedLines = dotted;
    updateCheckMarks();
    redraw();
}

void TMDIFrame::editZoomFactors() {
    dlgZoomFactor->setTexts(toQt(common::formatPlain(options_.xZoomFactor, separators_.decimal)),
                            toQt(common::formatPlain(options_.yZoomFactor, separators_.decimal)));
    if (!interaction_.runDialog(*dlgZoomFactor))
        return;
    // Both texts are converted before either factor changes.
    try {
        const long double x =
            common::parseFloat(dlgZoomFactor->firstText().toStdString(), separators_.decimal);
        const long double y =
            common::parseFloat(dlgZoomFactor->secondText().toStdString(), separators_.decimal);
        options_.xZoomFactor = x;
        options_.yZoomFactor = y;
    } catch (const common::ConversionError& error) {
        interaction_.showError(toQt(error.what()));
    }
}

void TMDIFrame::editAxisTexts() {
    dlgAxisText->setTexts(toQt(options_.xAxisText), toQt(options_.yAxisText));
    if (!interaction_.runDialog(*dlgAxisText))
        return;
    options_.xAxisText = dlgAxisText->firstText().toStdString();
    options_.yAxisText = dlgAxisText->secondText().toStdString();
    redraw();
}

void TMDIFrame::chooseAxisFont() {
    QFont font(toQt(options_.fontName));
    font.setPointSize(options_.fontSize > 0 ? options_.fontSize : graph::DefaultFontSize);
    font.setBold(options_.fontBold);
    font.setItalic(options_.fontItalic);
    font.setUnderline(options_.fontUnderline);
    const std::optional<QFont> chosen = interaction_.chooseFont(font);
    if (!chosen)
        return;
    options_.fontName = chosen->family().toStdString();
    options_.fontSize = chosen->pointSize();
    options_.fontBold = chosen->bold();
    options_.fontItalic = chosen->italic();
    options_.fontUnderline = chosen->underline();
    redraw();
}

void TMDIFrame::emptyFunctionHistory() {
    if (interaction_.askYesNo(plainText("DeleteAllTheFunctions")))
        setEntryList({});
}

QStringList TMDIFrame::availableLanguages() const {
    const std::filesystem::path anyLanguage = translation::translator().languageFilePath("");
    const QString prefix = toQt(anyLanguage.stem().string());
    const QDir folder(toQt(anyLanguage.parent_path().string()));
    QStringList names;
    for (const QString& file : folder.entryList({prefix + QStringLiteral("*.lng")}, QDir::Files)) {
        const QString name = file.mid(prefix.size(), file.size() - prefix.size() - 4);
        if (!name.isEmpty())
            names.append(name);
    }
    names.sort();
    return names;
}

void TMDIFrame::chooseLanguage() {
    dlgSelectLanguage->setLanguages(availableLanguages());
    if (!interaction_.runDialog(*dlgSelectLanguage))
        return;
    const QString chosen = dlgSelectLanguage->selectedLanguage();
    if (chosen.isEmpty()) {
        interaction_.showMessage(plainText("YouDidNotSelectALanguage"));
        return;
    }
    if (chosen == languageName_)
        return;
    try {
        settings_.writeString("Options", "Language", chosen.toStdString());
    } catch (const common::IniWriteError&) {
        // The language stays as it was at the next start.
    }
    interaction_.showMessage(plainText("ChangesMadePleaseRestart"));
}

// ---- Window layout ----

void TMDIFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeEntryBox();
    if (followFirstResize_ && isMaximized()) {
        followFirstResize_ = false;
        defaultLayout();
    }
}

void TMDIFrame::placeEntryBox() {
    ComboBox1->setGeometry(EntryBoxLeft, 4, std::max(frameGeometry().width() - EntryBoxMargin, 60), 24);
}

void TMDIFrame::setClientSize(QMdiSubWindow* window, QSize clientSize) {
    QWidget* client = window->widget();
    if (window->layout())
        window->layout()->activate();
    const QSize border = window->size() - client->size();
    window->resize(clientSize + border);
}

void TMDIFrame::defaultLayout() {
    if (!isMaximized()) {
        if (const QScreen* display = screen())
            setGeometry(display->availableGeometry());
        showMaximized();
    }
    if (centralWidget()->layout())
        centralWidget()->layout()->activate();
    const QSize area = mdiArea_->viewport()->size();

    QMdiSubWindow* pad = subWindowOf(FunctionPadWindow);
    pad->showNormal();
    pad->move(3, 3);
    setClientSize(pad, FunctionPadWindow->designClientSize());

    QMdiSubWindow* graphFrame = subWindowOf(GraphWindow);
    graphFrame->showNormal();
    graphFrame->setGeometry(pad->x() + pad->width() + 10, 3, area.width() - pad->x() - pad->width() - 17,
                            area.height() - 10);

    QMdiSubWindow* range = subWindowOf(RangeWindow);
    range->showNormal();
    const int frameClientHeight = height() - (menuBar()->isVisible() ? menuBar()->height() : 0);
    if (frameClientHeight > 500)
        range->move(pad->x(), pad->y() + pad->height() + 3);
    else
        range->move(pad->x() + 7, pad->y() + 60);
    const QWidget* grid = RangeWindow->grid();
    setClientSize(range, QSize(FunctionPadWindow->width(), grid->y() + grid->height() + 2));

    QMdiSubWindow* log = subWindowOf(LogWindow);
    log->showNormal();
    const int logTop = range->y() + range->height() + 3;
    log->move(pad->x(), logTop);
    setClientSize(log, QSize(FunctionPadWindow->width(), 10));
    log->resize(log->width(), std::max(area.height() - logTop - 7, log->minimumSizeHint().height()));
    placeEntryBox();
}

void TMDIFrame::makeGraphWindowQuadratic() {
    QMdiSubWindow* window = subWindowOf(GraphWindow);
    const QSize client = GraphWindow->size();
    if (client.height() < client.width())
        setClientSize(window, QSize(client.height(), client.height()));
    else
        setClientSize(window, QSize(client.width(), client.width()));
}

namespace {

struct SavedWindow {
    const char* section;
    QWidget* window;
};

} // namespace

void TMDIFrame::savePosition() {
    const SavedWindow windows[] = {{"MDIFrame", this},
                                   {"FunctionPadWindow", subWindowOf(FunctionPadWindow)},
                                   {"RangeWindow", subWindowOf(RangeWindow)},
                                   {"LogWindow", subWindowOf(LogWindow)},
                                   {"GraphWindow", subWindowOf(GraphWindow)}};
    try {
        settings_.update([&] {
            for (const SavedWindow& saved : windows) {
                settings_.writeInteger(saved.section, "Left", saved.window->x());
                settings_.writeInteger(saved.section, "Width", saved.window->width());
                settings_.writeInteger(saved.section, "Top", saved.window->y());
                settings_.writeInteger(saved.section, "Height", saved.window->height());
            }
        });
    } catch (const common::IniWriteError&) {
        // Positions are a convenience; the file keeps the positions saved before.
    }
}

void TMDIFrame::loadPosition() {
    const SavedWindow windows[] = {{"MDIFrame", this},
                                   {"FunctionPadWindow", subWindowOf(FunctionPadWindow)},
                                   {"RangeWindow", subWindowOf(RangeWindow)},
                                   {"LogWindow", subWindowOf(LogWindow)},
                                   {"GraphWindow", subWindowOf(GraphWindow)}};
    for (const SavedWindow& saved : windows) {
        const bool isFrame = saved.window == this;
        saved.window->showNormal();
        const int left = settings_.readInteger(saved.section, "Left", 0);
        const int width = settings_.readInteger(saved.section, "Width", isFrame ? 640 : 0);
        const int top = settings_.readInteger(saved.section, "Top", 0);
        const int height = settings_.readInteger(saved.section, "Height", isFrame ? 480 : 0);
        if (isFrame) {
            move(left, top);
            resize(width, height);
        } else {
            saved.window->setGeometry(left, top, width, height);
        }
    }
}

// ---- graph::GraphHost ----

std::string TMDIFrame::rangeText(graph::RangeRow row) const {
    return RangeWindow->rangeText(static_cast<int>(row)).toStdString();
}

void TMDIFrame::setRangeText(graph::RangeRow row, const std::string& text) {
    RangeWindow->setRangeText(static_cast<int>(row), toQt(text));
}

void TMDIFrame::applyRange() {
    RangeWindow->applyRange();
}

QString TMDIFrame::statusText() const {
    return StatusBar1->text();
}

void TMDIFrame::showStatus(const std::string& text) {
    StatusBar1->setText(toQt(text));
}

void TMDIFrame::clearStatus() {
    StatusBar1->clear();
}

void TMDIFrame::showMessage(const std::string& text) {
    interaction_.showMessage(toQt(text));
}

void TMDIFrame::showError(const std::string& text) {
    interaction_.showError(toQt(text));
}

graph::InstructionsAnswer TMDIFrame::showInstructions(TdlgInstructions& dialog) {
    dialog.setNeverShowAgain(false);
    graph::InstructionsAnswer answer;
    answer.accepted = interaction_.runDialog(dialog);
    answer.neverShowAgain = dialog.neverShowAgain();
    return answer;
}

graph::InstructionsAnswer TMDIFrame::showFunctionInstructions() {
    return showInstructions(*dlgFunctionInstructions);
}

graph::InstructionsAnswer TMDIFrame::showIntegralInstructions() {
    return showInstructions(*dlgIntegralInstructions);
}

std::optional<std::string> TMDIFrame::askText(const std::string& caption, const std::string& prompt) {
    const std::optional<QString> answer = interaction_.askText(toQt(caption), toQt(prompt), QString());
    if (!answer)
        return std::nullopt;
    return answer->toStdString();
}

std::optional<std::string> TMDIFrame::chooseOneFunction(const std::vector<std::string>& candidates) {
    if (candidates.empty()) {
        interaction_.showError(plainText("AtLeastOneFunctionMustBePlotted"));
        return std::nullopt;
    }
    if (candidates.size() == 1)
        return candidates.front();
    QStringList items;
    for (const std::string& candidate : candidates)
        items.append(toQt(candidate));
    const std::optional<int> chosen = interaction_.chooseItem(plainText("SelectFunction"), items);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(candidates.size()))
        return std::nullopt;
    return candidates[*chosen];
}

std::optional<std::pair<std::string, std::string>>
TMDIFrame::chooseTwoFunctions(const std::vector<std::string>& candidates) {
    if (candidates.size() < 2) {
        interaction_.showError(plainText("AtLeastTwoFunctionsMustBePlotted"));
        return std::nullopt;
    }
    if (candidates.size() == 2)
        return std::make_pair(candidates[0], candidates[1]);
    QStringList items;
    for (const std::string& candidate : candidates)
        items.append(toQt(candidate));
    const std::optional<int> first = interaction_.chooseItem(plainText("SelectFunctionOne"), items);
    if (!first || *first < 0 || *first >= static_cast<int>(candidates.size()))
        return std::nullopt;
    const std::optional<int> second = interaction_.chooseItem(plainText("SelectFunctionTwo"), items);
    if (!second || *second < 0 || *second >= static_cast<int>(candidates.size()))
        return std::nullopt;
    if (*first == *second) {
        interaction_.showError(plainText("YouSelectedTheSameFunctionTwice"));
        return std::nullopt;
    }
    return std::make_pair(candidates[*first], candidates[*second]);
}

void TMDIFrame::appendLogLine(const std::string& line) {
    LogWindow->appendLine(toQt(line));
}

void TMDIFrame::functionPadKeyPress(QKeyEvent& event) {
    FunctionPadWindow->handleKey(event);
}
