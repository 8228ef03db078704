#pragma once

#include "appkit/ProgramSetup.h"
#include "graph/GraphHost.h"
#include "graph/PlotOptions.h"
#include "plotter/CommandTable.h"
#include "plotter/FileDialogs.h"
#include "plotter/TFunctionPadWindow.h"
#include "plotter/TRangeWindow.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QTimer;
class QToolBar;
class TAboutBox;
class TCopy2ClipboardMessage;
class TfrmTYInfo;
class THelpWindow;
class TProgressForm;
class TdlgAxisText;
class TSelectGraphWindow;
class TdlgInstructions;
class TdlgSelectLanguage;
class TdlgZoomFactor;
class TLogWindow;

namespace common {
class IniFile;
}
namespace graph {
class TGraphWindow;
}
namespace plotter {
class AnalysisCommands;
}
namespace appkit {
class Desktop;
class Interaction;
} // namespace appkit

// The main frame of Quorra: menus, toolbar, the entry box with its two histories, the status
// line and the four child windows (graph, function pad, range, log). It keeps the working mode
// and the plotting options, turns every command into a call on the graph, the range grid or a
// dialog, and hosts the graph window.
class TMDIFrame : public QMainWindow, public graph::GraphHost, private FunctionPadHost {
    Q_OBJECT
public:
    // `settings` is the program's settings file; every modal interaction goes to `interaction`.
    TMDIFrame(common::IniFile& settings, appkit::Interaction& interaction,
              appkit::NumberSeparators separators, QWidget* parent = nullptr);
    ~TMDIFrame() override;

    // The start-up window that the frame's one-second timer removes.
    void setSplash(QWidget* splash) { splash_ = splash; }
    // Plots each argument in order in function mode, as if typed and entered; an argument naming an
    // existing ".QOR" file opens that document as Open does.
    void plotCommandLine(const QStringList& arguments);

    // Enter in the entry box and the toolbar's plot button: plots the entry text and, when that
    // succeeds, puts it at the top of the mode's history.
    void plotEntry();
    void switchToFunctionMode();
    void switchToIntegralMode();
    void armTool(int tool);
    void zoomIn();
    void zoomOut();
    void undoZoom();
    void takeUndoZoomSnapshot();
    void defaultLayout();
    void savePosition();
    void loadPosition();
    void chooseLanguage();

    // The settings block with the menu check marks; a zoom factor that is not a number throws
    // common::ConversionError, with what was read before it in effect.
    void ReadSettings(const common::IniFile& file);
    // Write errors end the writing silently.
    void WriteSettings(common::IniFile& file);

    QChar mode() const { return mode_; }
    QStringList entryList() const;
    QStringList storedFunctionHistory() const { return storedFunctionHistory_; }
    QStringList storedIntegralHistory() const { return storedIntegralHistory_; }
    QStringList undoZoomSnapshot() const { return undoZoomSnapshot_; }
    graph::PlotOptions& options() { return options_; }
    QString documentFileName() const { return documentFileName_; }
    const plotter::FileDialogs& fileDialogs() const { return fileDialogs_; }
    QString statusText() const;

    QAction* command(plotter::CommandId id) const;
    QMenu* menu(plotter::MenuId id) const;
    QComboBox* entryBox() const { return ComboBox1; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    graph::TGraphWindow* graphWindow() const { return GraphWindow; }
    TRangeWindow* rangeWindow() const { return RangeWindow; }
    TFunctionPadWindow* functionPad() const { return FunctionPadWindow; }
    TLogWindow* logWindow() const { return LogWindow; }
    QMdiSubWindow* subWindowOf(QWidget* child) const;

    // Graph documents. A document is written in one atomic step: a failure is reported with the
    // system's reason and leaves the old file as it was.
    void openDocument();
    void openDocumentFile(const QString& fileName);
    void saveDocument();
    void saveDocumentAs();
    bool writeDocument(const QString& fileName);
    void readDocument(const QString& fileName);

    // Pictures, clipboard and printing. A picture file that cannot be written is reported and no
    // partial file is left.
    void saveAsBmpPicture();
    void saveAsGifPicture();
    void saveAsPngPicture();
    void saveAsSvgPicture();
    void saveAsPdf();
    void copyGraphAsVectorPicture();
    void copyGraphAsBitmap();
    void printGraph();
    void printLog();
    void printSetup();
    QPrinter& printer();

    // The companion program, help, notes, web pages and information windows; none reports a
    // missing program, file or browser.
    void startTessaly();
    void showTessalyInformation();
    void showHelpTopic(const QString& topic = {});
    void openNoteFile(const QString& name);
    void openMakerPage(const char* path);
    void showAbout();
    // Where the companion program is looked for, and the note files beside it or in its shared
    // folder; the program's folder at start.
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }
    void setDesktop(appkit::Desktop& desktop) { desktop_ = &desktop; }
    TProgressForm* progressForm() const { return ProgressForm; }
    THelpWindow* helpWindow() const { return helpWindow_; }
    TAboutBox* aboutBox() const { return AboutBox; }

    // graph::GraphHost
    std::string rangeText(graph::RangeRow row) const override;
    void setRangeText(graph::RangeRow row, const std::string& text) override;
    void applyRange() override;
    void showStatus(const std::string& text) override;
    void clearStatus() override;
    void showMessage(const std::string& text) override;
    void showError(const std::string& text) override;
    graph::InstructionsAnswer showFunctionInstructions() override;
    graph::InstructionsAnswer showIntegralInstructions() override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt) override;
    std::optional<std::string> chooseOneFunction(const std::vector<std::string>& candidates) override;
    std::optional<std::pair<std::string, std::string>>
    chooseTwoFunctions(const std::vector<std::string>& candidates) override;
    void appendLogLine(const std::string& line) override;
    graph::PlotMode currentMode() const override;
    const graph::PlotOptions& plotOptions() const override { return options_; }
    common::IniFile& settingsFile() override { return settings_; }
    void functionPadKeyPress(QKeyEvent& event) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // FunctionPadHost
    QString entryText() const override;
    void setEntryText(const QString& text) override;
    void plotEntryText() override;
    void runCommand(plotter::CommandId id) override;

    void buildRows();
    // Every command's row of the command table, with its handler.
    std::vector<plotter::CommandRow> commandRows();
    void createChildWindows();
    // The function pad's derivative, tangent and normal buttons are enabled with their commands.
    void followPadCommands();
    void translate();
    void loadLanguage();
    void firstShow();
    void timerTick();

    void setEntryList(const QStringList& list);
    void enterIntoEntryList(const QString& text);
    void switchMode(QChar target);
    void zoom(bool in);
    void newWork();
    void redraw();
    void New1Click();
    void setLineStyle(bool bold, bool dotted);
    void setAngleUnit(bool radians);
    void armZoomBox();
    // Shows or hides one part of the graph (axes, grid, scale texts, function names) and redraws.
    void setShown(bool graph::PlotOptions::*shown, bool checked);
    void updateCheckMarks();
    void editZoomFactors();
    void editAxisTexts();
    void chooseAxisFont();
    void emptyFunctionHistory();
    void makeGraphWindowQuadratic();
    void placeEntryBox();
    void setClientSize(QMdiSubWindow* window, QSize clientSize);
    QStringList availableLanguages() const;
    graph::InstructionsAnswer showInstructions(TdlgInstructions& dialog);
    void createOutputWindows();
    // The save dialog for a picture; the chosen name with its extension replaced, or empty.
    QString choosePictureFile(const char* captionKey, const QString& filter, const QString& suffix,
                              const QString& extension);
    void savePicture(const char* captionKey, const QString& filter, const QString& suffix,
                     const QString& extension, const std::function<QByteArray()>& encode);
    bool writePictureFile(const QString& fileName, const QByteArray& bytes);
    void showCopyMessage();
    // A job that could not start is reported; the printer is renewed with the same choices.
    void printingFailed();

    common::IniFile& settings_;
    appkit::Interaction& interaction_;
    appkit::NumberSeparators separators_;
    plotter::FileDialogs fileDialogs_;
    graph::PlotOptions options_;
    QString titlePrefix_;
    QString languageName_;
    QString documentFileName_;
    QChar mode_ = QLatin1Char('F');
    QStringList storedFunctionHistory_;
    QStringList storedIntegralHistory_;
    QStringList undoZoomSnapshot_;
    QPointer<QWidget> splash_;
    bool shownBefore_ = false;
    bool followFirstResize_ = false;

    std::unique_ptr<plotter::CommandTable> commands_;
    QMdiArea* mdiArea_;
    QToolBar* Panel2;
    QWidget* Panel1;
    QLabel* ImageMainMode;
    QPixmap ImageYofX;
    QPixmap ImageIntegral;
    QComboBox* ComboBox1;
    QLabel* StatusBar1;
    QTimer* Timer1;

    TRangeWindow* RangeWindow;
    graph::TGraphWindow* GraphWindow;
    TLogWindow* LogWindow;
    TFunctionPadWindow* FunctionPadWindow;
    TdlgZoomFactor* dlgZoomFactor;
    TdlgInstructions* dlgFunctionInstructions;
    TdlgInstructions* dlgIntegralInstructions;
    TdlgAxisText* dlgAxisText;
    TdlgSelectLanguage* dlgSelectLanguage;
    TSelectGraphWindow* SelectGraphWindow;
    plotter::AnalysisCommands* analysis_ = nullptr;

    appkit::Desktop* desktop_ = nullptr;
    std::unique_ptr<appkit::Desktop> ownDesktop_;
    std::unique_ptr<QPrinter> printer_;
    QString programFolder_;
    TProgressForm* ProgressForm = nullptr;
    TCopy2ClipboardMessage* Copy2ClipboardMessage = nullptr;
    TfrmTYInfo* frmTYInfo = nullptr;
    TAboutBox* AboutBox = nullptr;
    THelpWindow* helpWindow_ = nullptr;
};
