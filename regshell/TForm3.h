#pragma once

#include "common/GraphRange.h"
#include "projects/ClipboardTable.h"
#include "projects/DataWindowContent.h"
#include "projects/ListCopyPaste.h"
#include "reggraph/StandardRanges.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QScrollBar;
class QTabWidget;
class QTableWidget;
class QTextDocument;
class QToolButton;

namespace regshell {
class DataWindowHost;
class TessalySettings;
class ListsGrid;
class ListsModel;
} // namespace regshell

// The Data window: the lists grid every computation reads, the log every computation writes,
// and the graph's range, axis names, zoom factors and font. The lists grid shows the content's
// data lists directly; the other parts live in their widgets and are copied into the content
// by content().
class TForm3 : public QWidget {
    Q_OBJECT
public:
    static constexpr int WidthPositions = 5; // the up-down control's positions 0..4

    // Reads the range, axis names and zoom factors from the settings.
    TForm3(regshell::DataWindowHost& host, const regshell::TessalySettings& settings,
           QWidget* parent = nullptr);
    ~TForm3() override;

    // --- Content shared with the project store ---
    // The whole content with the range, axis names and log as the widgets show them now; hand it
    // to writing back and saving.
    projects::DataWindowContent& content();
    // Shows what the project store put into content(): lists, variable count, range, axis names
    // and log. The current cell becomes column 1, row 1.
    void showContent();
    // The lists as the grid shows them, with the text being typed stored; call listsChanged()
    // after changing them.
    projects::DataLists& lists();
    void listsChanged();
    // Stores the text of the open cell editor in the lists.
    void commitEdit();

    // --- Range, axis names, zoom factors ---
    common::RangeTexts rangeTexts() const;
    void setRangeTexts(const common::RangeTexts& texts);
    std::string rangeText(common::RangeRow row) const;
    void setRangeText(common::RangeRow row, const std::string& text);
    std::string xAxisName() const;
    std::string yAxisName() const;
    // The zoom factors of the settings, as a new file starts with them.
    void showStoredZoomFactors();
    std::string xZoomFactor() const;
    std::string yZoomFactor() const;
    bool isRedrawEnabled() const;

    // --- Log ---
    void appendLogLine(const std::string& line);
    void appendLogLines(const std::vector<std::string>& lines);
    void clearLog();
    // Brings the log's tab to the front, where a command is about to write.
    void showLogPage();
    std::vector<std::string> logLines() const;
    // The log's text for printing.
    QTextDocument* logDocument() const;

    // --- Lists grid commands (toolbar, pop-up menu and the main window's Edit menu) ---
    void insertRow();
    void deleteRow();
    void sortSelectedList();
    // Asks for confirmation first.
    void clearAll();
    void updateGraph();
    void copyColumn();
    void copyRow();
    void paste();
    void undoPaste();
    bool canPaste() const;
    bool canUndoPaste() const;
    // Tab- and line-separated text from the clipboard into the grid from the current cell on.
    void pasteFromClipboard();
    // The selected cells to the clipboard as tab-separated lines.
    void copySelectedCells();

    // Current cell of the lists grid: list column 1..k+1, data row 1..
    int currentColumn() const;
    int currentRow() const;
    void setCurrentCell(int column, int row);

    // --- Graph and Range tab commands ---
    void saveRangeValues();
    void openSavedRangeValues();
    void loadStandardRange(reggraph::StandardRange which);
    void redrawWithNewRange();
    void chooseGraphFont();

    // The up-down control: widens the window and moves the graph window beside it.
    int widthPosition() const;
    void setWidthPosition(int position);

    // Every caption and hint in the current language.
    void translate();

    // For tests: the widgets a user works with.
    regshell::ListsGrid* listsGrid() const { return StringGrid1; }
    QTableWidget* rangeGrid() const { return StringGrid2; }
    QPlainTextEdit* logEditor() const { return RichEdit1; }
    QLineEdit* xAxisEdit() const { return Edit1; }
    QLineEdit* yAxisEdit() const { return Edit2; }
    QLabel* variablesLabel() const { return Label1; }
    QTabWidget* pages() const { return PageControl1; }
    QMenu* popupMenu() const { return PopupMenu1; }

signals:
    // Paste or Undo Paste changed whether it can run.
    void editCommandsChanged();

private:
    void buildListsPage();
    void buildLogPage();
    void buildRangePage();
    void keyTypedInGrid(int key);
    void keyTypedInRangeField();
    void showVariableCount();
    void setRedrawEnabled(bool enabled);
    void cellSelected();
    // Runs `change` without the redraws of the cell selections it causes, then redraws once, as the
    // cell selection that ends it does, whether or not the current cell moved.
    void redrawOnceAfter(const std::function<void()>& change);
    void dataEdited();
    void pastedEdited();
    void refuse(const std::string& key);

    regshell::DataWindowHost& host_;
    const regshell::TessalySettings& settings_;
    projects::DataWindowContent content_;
    projects::ListCopyPaste copyPaste_;
    projects::TablePaste tablePaste_;
    bool lastPasteFromClipboard_ = false;
    // Off while the window itself moves the current cell, so only the user's selections redraw.
    bool redrawOnSelection_ = true;
    common::RangeTexts savedRange_;

    QTabWidget* PageControl1;
    QScrollBar* UpDown1;
    // Lists tab
    QWidget* TabSheet1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton6;
    QToolButton* SpeedButton7;
    QLabel* Label1;
    regshell::ListsGrid* StringGrid1;
    regshell::ListsModel* listsModel_;
    QMenu* PopupMenu1;
    QAction* CopyColumn1;
    QAction* CopyRow1;
    QAction* Paste1;
    QAction* UndoPaste1;
    QAction* PasteFromClipboard1;
    // Log tab
    QWidget* TabSheet2;
    QPlainTextEdit* RichEdit1;
    // Graph and Range tab
    QWidget* TabSheet3;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton8;
    QToolButton* SpeedButton9;
    QToolButton* SpeedButton10;
    QTableWidget* StringGrid2;
    QGroupBox* GroupBox1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QToolButton* Button1;
    QGroupBox* GroupBox2;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
};
