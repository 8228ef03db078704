#pragma once

#include "appkit/ProgramSetup.h"
#include "graph/GraphHost.h"
#include "graph/PlotOptions.h"
#include "plotter/CommandTable.h"
#include "plotter/EntryPlotting.h"
#include "plotter/FileDialogs.h"
#include "plotter/TFunctionPadWindow.h"
#include "plotter/TRangeWindow.h"
#include "plotter/WorkState.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <memory>

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QTimer;
class QToolBar;
class THelpWindow;
class TProgressForm;
class TSelectGraphWindow;
class TdlgSelectLanguage;
class TLogWindow;

namespace common {
class IniFile;
}
namespace graph {
class TGraphWindow;
}
namespace plotter {
class AnalysisCommands;
class EntryHistories;
class GraphDialogBoxes;
class HelpCommands;
class OptionCommands;
class PictureCommands;
class RangeWindowAccess;
class StatusBarLine;
class ZoomCommands;
} // namespace plotter
namespace appkit {
class Desktop;
class Interaction;
} // namespace appkit

// The main frame of Quorra: menus, toolbar, the entry box with its two histories, the status
// line and the four child windows (graph, function pad, range, log). It keeps the working mode
// and the plotting options, turns every command into a call on the graph, the range grid or a
// dialog, and hosts the graph window through small objects, one for each of the graph's roles.
class TMDIFrame : public QMainWindow, private FunctionPadHost, private plotter::EntryPlotting {
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
    // Where the companion program is looked for, and the note files beside it or in its shared
    // folder; the program's folder at start.
    void setProgramFolder(const QString& folder);
    void setDesktop(appkit::Desktop& desktop);

    // Enter in the entry box and the toolbar's plot button: plots the entry text and, when that
    // succeeds, puts it at the top of the mode's history.
    void plotEntry();
    void armTool(int tool);
    // Takes the mode, settings, range values and plotted texts of a graph document; Open does this
    // and also clears the log and names the document in the title.
    void readDocument(const QString& fileName);
    // The settings block with the menu check marks; a zoom factor that is not a number throws
    // common::ConversionError, with what was read before it in effect.
    void ReadSettings(const common::IniFile& file);

    QChar mode() const { return state_.mode; }
    graph::PlotOptions& options() { return state_.options; }
    QStringList entryList() const;
    const common::RangeTexts& undoZoomSnapshot() const;
    QString documentFileName() const { return documentFileName_; }
    QString statusText() const;

    QAction* command(plotter::CommandId id) const;
    QMenu* menu(plotter::MenuId id) const;
    QComboBox* entryBox() const { return ComboBox1; }
    graph::TGraphWindow* graphWindow() const { return GraphWindow; }
    TRangeWindow* rangeWindow() const { return RangeWindow; }
    TFunctionPadWindow* functionPad() const { return FunctionPadWindow; }
    TLogWindow* logWindow() const { return LogWindow; }
    QMdiSubWindow* subWindowOf(QWidget* child) const;
    QPrinter& printer();
    TProgressForm* progressForm() const;
    THelpWindow* helpWindow() const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A graph document dropped onto the frame opens as Open opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // FunctionPadHost
    QString entryText() const override;
    void setEntryText(const QString& text) override;
    void plotEntryText() override;
    QAction& commandAction(plotter::CommandId id) override;
    // plotter::EntryPlotting
    void plotAsTyped(const std::string& text) override;

    void buildRows();
    // Every command's row of the command table, with its handler.
    std::vector<plotter::CommandRow> commandRows();
    void createChildWindows();
    // The roles in which the frame's objects host the graph window.
    graph::GraphHost graphHost();
    void translate();
    void loadLanguage();
    void firstShow();
    void timerTick();

    void switchToFunctionMode();
    void switchToIntegralMode();
    void switchMode(QChar target);
    void newWork();
    void redraw();
    void New1Click();

    // The language choice, which takes effect at the next start.
    QStringList availableLanguages() const;
    void chooseLanguage();

    // Window layout.
    void defaultLayout();
    void savePosition();
    void loadPosition();
    void makeGraphWindowQuadratic();
    void placeEntryBox();
    void setClientSize(QMdiSubWindow* window, QSize clientSize);

    // Graph documents. A document is written in one atomic step: a failure is reported with the
    // system's reason and leaves the old file as it was.
    void openDocument();
    void openDocumentFile(const QString& fileName);
    // A text (not a file) dropped onto the entry box is plotted as if typed; true when the event
    // was such a drop or its drag.
    bool takeEntryDrop(QEvent* event);
    void saveDocument();
    void saveDocumentAs();
    bool writeDocument(const QString& fileName);

    common::IniFile& settings_;
    appkit::Interaction& interaction_;
    appkit::NumberSeparators separators_;
    plotter::FileDialogs fileDialogs_;
    plotter::WorkState state_;
    QString titlePrefix_;
    QString languageName_;
    QString documentFileName_;
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
    std::unique_ptr<plotter::EntryHistories> histories_;
    std::unique_ptr<plotter::StatusBarLine> statusLine_;
    QTimer* Timer1;

    TRangeWindow* RangeWindow;
    std::unique_ptr<plotter::RangeWindowAccess> rangeAccess_;
    std::unique_ptr<plotter::ZoomCommands> zoom_;
    std::unique_ptr<plotter::GraphDialogBoxes> graphDialogs_;
    graph::TGraphWindow* GraphWindow;
    TLogWindow* LogWindow;
    TFunctionPadWindow* FunctionPadWindow;
    std::unique_ptr<plotter::OptionCommands> optionCommands_;
    TdlgSelectLanguage* dlgSelectLanguage;
    TSelectGraphWindow* SelectGraphWindow;
    plotter::AnalysisCommands* analysis_ = nullptr;

    std::unique_ptr<plotter::PictureCommands> pictures_;
    std::unique_ptr<plotter::HelpCommands> help_;
};
