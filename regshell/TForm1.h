#pragma once

#include "appkit/ProgramSetup.h"
#include "projects/ColumnTextImport.h"
#include "projects/ProjectStore.h"
#include "reggraph/GraphScene.h"
#include "reggraph/GraphWindowHost.h"
#include "reggraph/SeriesPointsCache.h"
#include "regression/BestCurveSearch.h"
#include "regression/ModelKind.h"
#include "regression/RegressionResult.h"
#include "regshell/CommandTable.h"
#include "regshell/DataWindowHost.h"
#include "regshell/ProjectHost.h"
#include "regshell/TessalySettings.h"

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QShortcut;
class QTabWidget;
class TForm2;
class TForm3;

namespace appkit {
class Desktop;
class Interaction;
} // namespace appkit
namespace regression {
struct FitData;
struct FitOutput;
struct StatisticsBlock;
struct StatisticsContext;
enum class ListStatistic;
enum class ListTransform;
} // namespace regression

namespace regshell {
class DataFileCommands;
class ImportDialog;
class ProjectCommands;
class QuorraLauncher;
class ResidualPlot;
class RenameEditor;
class TessalyHelp;
} // namespace regshell
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm13;

// The main window of Tessaly: holds the Data window at the left and the graph window at the right
// and carries every command of the program.
class TForm1 : public QMainWindow,
               public regshell::DataWindowHost,
               public regshell::ProjectHost,
               public reggraph::GraphWindowHost {
    Q_OBJECT
public:
    // `programFolder` holds the help files and Quorra.
    TForm1(common::IniFile& settings, appkit::Interaction& interaction, appkit::Desktop& desktop,
           appkit::NumberSeparators separators, const QString& programFolder, QWidget* parent = nullptr);
    ~TForm1() override;

    QMdiArea* mdiArea() const { return mdiArea_; }
    TForm2& graphWindow() const { return *graphWindow_; }
    TForm3& dataWindow() const { return *dataWindow_; }
    QAction& action(regshell::CommandId id) const { return commands_->action(id); }
    QMenu& menu(regshell::MenuId id) const { return commands_->menu(id); }
    QToolButton& button(regshell::CommandId id) const { return commands_->button(id); }
    QComboBox& projectSelector() const { return *projectSelector_; }
    QComboBox& listSelector() const { return *listSelector_; }
    regshell::RenameEditor& projectRenameEditor() const { return *projectRename_; }
    regshell::RenameEditor& listRenameEditor() const { return *listRename_; }
    const projects::ProjectStore& store() const { return store_; }
    QPrinter& printer();

    // Starts the program's flow once the window has appeared: the language dialog at the first
    // start, then the project file given by setStartFile, or the Start Wizard or straight into a
    // project when there is none or it cannot be opened.
    void startUp();
    // A project file named on the command line, opened at start as Open opens it.
    void setStartFile(const QString& path) { startFile_ = path; }
    // Data read from a text file named on the command line: the program starts with a new untitled
    // file whose one project, named `projectName`, holds it.
    void setStartData(projects::ImportedLists data, const std::string& projectName);

    // Opens a file dropped onto the window: a text file of columns is imported through the
    // preview, a project file opened as Open opens it after asking to save changes. False for a
    // file of another kind.
    bool openDroppedFile(const QString& path);
    regshell::DataFileCommands& dataFileCommands() const { return *dataFiles_; }
    regshell::ImportDialog& importDialog() const { return *importDialog_; }

    // --- DataWindowHost ---
    void setModified() override;
    QFont graphFont() const override;
    void applyGraphFont(const QFont& font) override;
    void redrawGraphLeavingOutBadRows() override;
    int mainClientWidth() const override;
    void placeGraphWindow(int left, int width) override;
    int selectedListColumn() const override;
    appkit::Interaction& interaction() override { return interaction_; }

    // --- ProjectHost ---
    void collectContent() override;
    void showCurrentProject() override;
    void showEmptyFile() override;
    void showProjectNames() override;
    void showListNames() override;
    void redrawGraph() override;
    void moveToFirstCell() override;
    void setModified(bool modified) override;
    void setMainWindowEnabled(bool enabled) override;
    bool isMainWindowEnabled() const;
    void setShowWizardChecked(bool checked) override;
    bool openProjectFile() override;

    // --- GraphWindowHost ---
    common::RangeTexts rangeTexts() const override;
    void setRangeTexts(const common::RangeTexts& texts) override;
    char decimalSeparator() const override { return separators_.decimal; }
    std::string xFactorText() const override;
    std::string yFactorText() const override;
    reggraph::GraphScene graphScene() override;
    regression::RegressionResult& regressionResult() override { return result_; }
    void showStatus(const std::string& text) override;
    void clearStatus() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Command table (TForm1Commands.cpp).
    std::vector<regshell::CommandRow> commandRows();
    static std::vector<regshell::MenuLine> menuLayout();
    static std::vector<regshell::ButtonLine> toolAreaButtons();
    static std::vector<regshell::ButtonLine> simpleRegressionButtons();
    static std::vector<regshell::ButtonLine> polynomialRegressionButtons();
    static std::vector<regshell::ButtonLine> multipleRegressionButtons();
    static std::vector<regshell::ButtonLine> drawButtons();

    void buildToolArea();
    void translateTexts();
    void placeChildWindows(bool dataWindowToo);

    // File (TForm1Files.cpp).
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void PrintGraph1Click();
    void PrintLog1Click();
    void PrintSetup1Click();
    void printingFailed();
    void Exit1Click();
    void ImportData1Click();
    void ExportData1Click();
    void UndoImport1Click();
    void showUndoImport();
    void startWithData();
    void CopyGraphWMFClick();
    void CopyGraphBMPClick();
    // Saves when the user wants to; false when a wanted save did not happen.
    bool askToSaveChanges();
    bool loadProjectFile(const QString& path);
    bool writeProjectFile(const std::filesystem::path& path);

    // Edit (TForm1.cpp).
    void CopyColumn1Click();
    void CopyRow1Click();
    void Paste1Click();
    void UndoPaste1Click();
    void ChangeProjectName1Click();
    void ChangeYName1Click();
    void ClearLog1Click();

    // Regression and statistics (TForm1Fits.cpp).
    void LinearClick();
    void LogarithmicClick();
    void ExponentialClick();
    void PowerClick();
    void ReciprocalClick();
    void Poly2Click();
    void Poly3Click();
    void Poly4Click();
    void Poly5Click();
    void DrawMultipleClick();
    void LogMultipleClick();
    void SpeedButton24Click();
    void N1VarAnalys1Click();
    void MeanValue1Click();
    void SumofValues1Click();
    void SumofSquares1Click();
    void SSD1Click();
    void PSD1Click();
    void ProductSumXY1Click();
    void NumberofPoints1Click();
    void Lnlist1Click();
    void elist1Click();
    regression::FitData fitData();
    // Shows the refusal's message; true when there was one.
    bool refused(const std::optional<std::string>& message);
    void runSimpleFit(regression::ModelKind kind);
    void runPolynomialFit(int degree);
    // Writes a successful fit: log block, function record, curve on top, modified flag.
    void writeFitOutput(const regression::FitOutput& output);
    void writeStatistics(
        const std::function<regression::StatisticsBlock(const regression::StatisticsContext&)>& block);
    void writeListStatistic(regression::ListStatistic statistic);
    void transformSelectedList(regression::ListTransform transform);
    void rebuildStatisticsCaptions();

    // Graph, draw switches, options and windows (TForm1Graph.cpp).
    void switchSeries(regshell::CommandId command, reggraph::Series series, const char* onKey,
                      const char* offKey);
    void ScatterClick();
    void HistogramClick();
    void XYLineClick();
    void ZoomIn1Click();
    void ZoomOut1Click();
    void ZoomBox1Click();
    void UndoZoom1Click();
    void Bands1Click();
    void Residuals1Click();
    // Back from the residual plot to the project's graph; false when it was not shown.
    bool leaveResidualPlot();
    void ShowWizard1Click();
    void CoefficientStatistics1Click();
    void MakeGraph1Click();
    void DefaultPosition1Click();

    // Dialogs and the other program (TForm1Dialogs.cpp).
    void SelectLanguage1Click();
    void BestRegressionSetup1Click();
    void Start1Click();
    void Information1Click();
    void Contents1Click();
    void About1Click();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton27Click();
    void SpeedButton25Click();

    regression::BestCurveSetup bestCurveSetup() const;
    void saveBestCurveSetup();

    // Projects (TForm1.cpp).
    void projectSelected(int index);
    void listSelected(int index);
    void fillProjectSelector();
    void fillListSelector(int selected);
    void enableSingleVariableCommands(bool enabled);

    regshell::TessalySettings settings_;
    appkit::Interaction& interaction_;
    appkit::NumberSeparators separators_;
    projects::ProjectStore store_;
    regression::RegressionResult result_;
    std::unique_ptr<regshell::ResidualPlot> residualPlot_; // shown in place of the graph while set
    reggraph::SeriesPointsCache seriesPointsCache_;        // the scatter points between redraws
    QShortcut* residualEscape_ = nullptr;

    QMdiArea* mdiArea_;
    TForm2* graphWindow_ = nullptr;
    TForm3* dataWindow_ = nullptr;
    QMdiSubWindow* graphSubWindow_ = nullptr;
    QMdiSubWindow* dataSubWindow_ = nullptr;
    std::unique_ptr<regshell::CommandTable> commands_;
    QWidget* toolArea_ = nullptr;
    QComboBox* projectSelector_ = nullptr;
    QComboBox* listSelector_ = nullptr;
    regshell::RenameEditor* projectRename_ = nullptr;
    regshell::RenameEditor* listRename_ = nullptr;
    QTabWidget* regressionTabs_ = nullptr;
    QLabel* statusText_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    TForm4* startWizard_ = nullptr;
    TForm5* deleteDialog_ = nullptr;
    std::unique_ptr<regshell::ProjectCommands> projectCommands_;
    regshell::ImportDialog* importDialog_ = nullptr;
    std::unique_ptr<regshell::DataFileCommands> dataFiles_;
    TForm8* multipleWizard_ = nullptr;
    TForm9* bestCurveDialog_ = nullptr;
    TForm6* aboutBox_ = nullptr;
    TForm7* languageDialog_ = nullptr;
    TForm10* chooseFunctions_ = nullptr;
    TForm13* informationBox_ = nullptr;
    std::unique_ptr<regshell::QuorraLauncher> quorra_;
    std::unique_ptr<regshell::TessalyHelp> help_;
    bool shownOnce_ = false;
    QString startFile_;
    std::optional<projects::ImportedLists> startData_;
    std::string startProjectName_;
};
