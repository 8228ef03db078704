// The main window's command table: every command with its caption, key, shortcut and handler, the
// menu bar's layout and the toolbar area's buttons.
#include "regshell/TForm1.h"

#include "regshell/CommandTable.h"

namespace {

using regshell::ButtonLine;
using regshell::CommandId;
using regshell::CommandRow;
using regshell::MenuId;
using regshell::MenuLine;

} // namespace

std::vector<CommandRow> TForm1::commandRows() {
    auto run = [this](void (TForm1::*handler)()) { return [this, handler] { (this->*handler)(); }; };
    return {
        {CommandId::New, "New1", "&New", "New", nullptr, false, run(&TForm1::New1Click)},
        {CommandId::Open, "Open1", "&Open...", "Open", nullptr, false, run(&TForm1::Open1Click)},
        {CommandId::Save, "Save1", "&Save", "Save", nullptr, false, run(&TForm1::Save1Click)},
        {CommandId::SaveAs, "SaveAs1", "Save &As...", "SaveAs", nullptr, false, run(&TForm1::SaveAs1Click)},
        {CommandId::ImportData, "ImportData1", "&Import Data...", "ImportData", "Ctrl+I", false,
         run(&TForm1::ImportData1Click)},
        {CommandId::ExportData, "ExportData1", "&Export Data...", "ExportData", nullptr, false,
         run(&TForm1::ExportData1Click)},
        {CommandId::PrintGraph, "PrintGraph1", "&Print Graph", "PrintGraph", nullptr, false,
         run(&TForm1::PrintGraph1Click)},
        {CommandId::PrintLog, "PrintLog1", "Print &Log", "PrintLog", nullptr, false,
         run(&TForm1::PrintLog1Click)},
        {CommandId::PrintSetup, "PrintSetup1", "Print &Setup...", "PrintSetup", nullptr, false,
         run(&TForm1::PrintSetup1Click)},
        {CommandId::Exit, "Exit1", "E&xit", "Exit", nullptr, false, run(&TForm1::Exit1Click)},

        {CommandId::CopyGraphVector, "CopyGraphWMF", "Copy Graph As &WMF Picture", "CopyGraphWMF", "Ctrl+C",
         false, run(&TForm1::CopyGraphWMFClick)},
        {CommandId::CopyGraphBitmap, "CopyGraphBMP", "Copy Graph As &BMP Picture", "CopyGraphBMP", "Ctrl+B",
         false, run(&TForm1::CopyGraphBMPClick)},
        {CommandId::CopyColumn, "CopyColumn1", "Copy &Column", "CopyColumn", nullptr, false,
         run(&TForm1::CopyColumn1Click)},
        {CommandId::CopyRow, "CopyRow1", "Copy &Row", "CopyRow", nullptr, false, run(&TForm1::CopyRow1Click)},
        {CommandId::Paste, "Paste1", "&Paste", "Paste", nullptr, false, run(&TForm1::Paste1Click)},
        {CommandId::UndoPaste, "UndoPaste1", "&Undo Paste", "UndoPaste", nullptr, false,
         run(&TForm1::UndoPaste1Click)},
        {CommandId::UndoImport, "UndoImport1", "Undo &Import", "UndoImport", nullptr, false,
         run(&TForm1::UndoImport1Click)},
        {CommandId::ChangeProjectName, "ChangeProjectName1", "Change &Project Name", "ChangeProjectName",
         "F1", false, run(&TForm1::ChangeProjectName1Click)},
        {CommandId::ChangeListName, "ChangeYName1", "Change &Variable name", "ChangeYName", "F2", false,
         run(&TForm1::ChangeYName1Click)},
        {CommandId::ClearLog, "ClearLog1", "Clear &Log", "ClearLog", "Ctrl+L", false,
         run(&TForm1::ClearLog1Click)},

        {CommandId::Linear, "Linear1", "&Linear", "Linear", nullptr, false, run(&TForm1::LinearClick)},
        {CommandId::Logarithmic, "Logarithmic1", "L&ogarithmic", "Logarithmic", nullptr, false,
         run(&TForm1::LogarithmicClick)},
        {CommandId::Exponential, "Exponential1", "&Exponential", "Exponential", nullptr, false,
         run(&TForm1::ExponentialClick)},
        {CommandId::Power, "Power1", "&Power", "Power", nullptr, false, run(&TForm1::PowerClick)},
        {CommandId::Reciprocal, "Reciprocal1", "&Reciprocal", "Reciprocal", nullptr, false,
         run(&TForm1::ReciprocalClick)},
        {CommandId::Polynomial2, "N2ndPoly1", "&2nd Poly", "N2ndPoly", nullptr, false,
         run(&TForm1::Poly2Click)},
        {CommandId::Polynomial3, "N3rdPoly1", "&3rd Poly", "N3rdPoly", nullptr, false,
         run(&TForm1::Poly3Click)},
        {CommandId::Polynomial4, "N4thPoly1", "&4th Poly", "N4thPoly", nullptr, false,
         run(&TForm1::Poly4Click)},
        {CommandId::Polynomial5, "N5thPoly1", "&5th Poly", "N5thPoly", nullptr, false,
         run(&TForm1::Poly5Click)},
        {CommandId::DrawMultiple, "DrawMultiple1", "&Draw Multiple", "DrawMultiple", nullptr, false,
         run(&TForm1::DrawMultipleClick)},
        {CommandId::LogMultiple, "LogMultiple1", "&Log Multiple", "LogMultiple", nullptr, false,
         run(&TForm1::LogMultipleClick)},

        {CommandId::Scatter, "Scatter1", "&Scatter", "Scatter", nullptr, true, run(&TForm1::ScatterClick)},
        {CommandId::Histogram, "Histogram1", "&Histogram", "Histogram", nullptr, true,
         run(&TForm1::HistogramClick)},
        {CommandId::XYLine, "XYLine1", "&XY-Line", "XYLine", nullptr, true, run(&TForm1::XYLineClick)},

        {CommandId::OneVariableAnalysis, "N1VarAnalys1", "&1-Var Analyze  [StatList]", nullptr, "Ctrl+A",
         false, run(&TForm1::N1VarAnalys1Click)},
        {CommandId::MeanValue, "MeanValue1", "&Mean Value  [StatList]", nullptr, nullptr, false,
         run(&TForm1::MeanValue1Click)},
        {CommandId::SumOfValues, "SumofValues1", "&Sum  [Stat List]", nullptr, nullptr, false,
         run(&TForm1::SumofValues1Click)},
        {CommandId::SumOfSquares, "SumofSquares1", "S&um of Squares  [StatList]", nullptr, nullptr, false,
         run(&TForm1::SumofSquares1Click)},
        {CommandId::SampleStandardDeviation, "SSD1", "S&ample Standard Deviation  [StatList]", nullptr,
         nullptr, false, run(&TForm1::SSD1Click)},
        {CommandId::PopulationStandardDeviation, "PSD1", "&Population Standard Deviation  [StatList]",
         nullptr, nullptr, false, run(&TForm1::PSD1Click)},
        {CommandId::ProductSum, "ProductSumXY1", "P&roductSum of X- and Y-Values", "ProductSum", nullptr,
         false, run(&TForm1::ProductSumXY1Click)},
        {CommandId::NumberOfPoints, "NumberofPoints1", "&Number of Points  [StatList]", nullptr, nullptr,
         false, run(&TForm1::NumberofPoints1Click)},
        {CommandId::LnList, "Lnlist1", "&Ln  [StatList]", nullptr, nullptr, false,
         run(&TForm1::Lnlist1Click)},
        {CommandId::ExpList, "elist1", "&e^  [StatList]", nullptr, nullptr, false, run(&TForm1::elist1Click)},

        {CommandId::ZoomIn, "ZoomIn1", "Zoom &In", "ZoomIn", nullptr, false, run(&TForm1::ZoomIn1Click)},
        {CommandId::ZoomOut, "ZoomOut1", "Zoom &Out", "ZoomOut", nullptr, false, run(&TForm1::ZoomOut1Click)},
        {CommandId::ZoomBox, "ZoomBox1", "Zoom &Box", "ZoomBox", nullptr, false, run(&TForm1::ZoomBox1Click)},
        {CommandId::UndoZoom, "UndoZoom1", "&Undo Zoom", "UndoZoom", nullptr, false,
         run(&TForm1::UndoZoom1Click)},
        {CommandId::Bands, "Bands1", "B&ands", "Bands", nullptr, true, run(&TForm1::Bands1Click)},
        {CommandId::Residuals, "Residuals1", "&Residuals", "Residuals", nullptr, true,
         run(&TForm1::Residuals1Click)},

        {CommandId::SelectLanguage, "SelectLanguage1", "Select &Language", "SelectLanguage", nullptr, false,
         run(&TForm1::SelectLanguage1Click)},
        {CommandId::BestCurveSetup, "BestRegressionSetup1", "&Find the Best Curve Setup",
         "FindtheBestCurveSetup", nullptr, false, run(&TForm1::BestRegressionSetup1Click)},
        {CommandId::ShowAxis, "ShowAxis1", "&Show Axis", "ShowAxis", nullptr, true,
         run(&TForm1::redrawGraph)},
        {CommandId::ShowGrid, "ShowGrid1", "Show &Grid", "ShowGrid", nullptr, true,
         run(&TForm1::redrawGraph)},
        {CommandId::ShowScaleText, "ShowScaleText1", "Show Scale &Text", "ShowScaleText", nullptr, true,
         run(&TForm1::redrawGraph)},
        {CommandId::ShowFunctionNames, "ShowFunctionNames1", "Show Function &Names", "ShowFunctionNames",
         nullptr, true, run(&TForm1::redrawGraph)},
        {CommandId::ShowWizard, "ShowWizard1", "Show Start &Wizard at launch", nullptr, nullptr, true,
         run(&TForm1::ShowWizard1Click)},
        {CommandId::CoefficientStatistics, "CoefficientStatistics1", "&Coefficient statistics in the log",
         "CoefficientStatisticsintheLog", nullptr, true, run(&TForm1::CoefficientStatistics1Click)},

        {CommandId::MakeGraphWindowQuadratic, "MakeGraph1", "Make Graph Window &Quadratic",
         "MakeGraphWindowQuadratic", nullptr, false, run(&TForm1::MakeGraph1Click)},
        {CommandId::DefaultPosition, "DefaultPosition1", "&Default Position", "DefaultPosition", nullptr,
         false, run(&TForm1::DefaultPosition1Click)},

        {CommandId::StartQuorra, "Start1", "&Start", nullptr, nullptr, false, run(&TForm1::Start1Click)},
        {CommandId::QuorraInformation, "Information1", "&Information", nullptr, nullptr, false,
         run(&TForm1::Information1Click)},

        {CommandId::HelpContents, "Contents1", "&Contents", "Contents", nullptr, false,
         run(&TForm1::Contents1Click)},
        {CommandId::About, "About1", "&About...", "About", nullptr, false, run(&TForm1::About1Click)},

        {CommandId::NewProject, "SpeedButton1", "New Project", nullptr, nullptr, false,
         run(&TForm1::SpeedButton1Click)},
        {CommandId::DeleteProject, "SpeedButton3", "Delete Project", nullptr, nullptr, false,
         run(&TForm1::SpeedButton3Click)},
        {CommandId::FindBest, "SpeedButton24", "Find Best", nullptr, nullptr, false,
         run(&TForm1::SpeedButton24Click)},
        {CommandId::DrawInQuorra, "SpeedButton27", "Draw Graph in Quorra", nullptr, nullptr, false,
         run(&TForm1::SpeedButton27Click)},
        {CommandId::EraseFunction, "SpeedButton25", "Erase Funtion", nullptr, nullptr, false,
         run(&TForm1::SpeedButton25Click)},
    };
}

std::vector<MenuLine> TForm1::menuLayout() {
    return {
        MenuLine::open(MenuId::File, "File1", "&File", "File"),
        MenuLine::item(CommandId::New),
        MenuLine::item(CommandId::Open),
        MenuLine::item(CommandId::Save),
        MenuLine::item(CommandId::SaveAs),
        MenuLine::separator(),
        MenuLine::item(CommandId::ImportData),
        MenuLine::item(CommandId::ExportData),
        MenuLine::separator(),
        MenuLine::item(CommandId::PrintGraph),
        MenuLine::item(CommandId::PrintLog),
        MenuLine::item(CommandId::PrintSetup),
        MenuLine::separator(),
        MenuLine::item(CommandId::Exit),
        MenuLine::close(),

        MenuLine::open(MenuId::Edit, "Edit1", "&Edit", "Edit"),
        MenuLine::item(CommandId::CopyGraphVector),
        MenuLine::item(CommandId::CopyGraphBitmap),
        MenuLine::separator(),
        MenuLine::item(CommandId::CopyColumn),
        MenuLine::item(CommandId::CopyRow),
        MenuLine::item(CommandId::Paste),
        MenuLine::item(CommandId::UndoPaste),
        MenuLine::item(CommandId::UndoImport),
        MenuLine::separator(),
        MenuLine::item(CommandId::ChangeProjectName),
        MenuLine::item(CommandId::ChangeListName),
        MenuLine::separator(),
        MenuLine::item(CommandId::ClearLog),
        MenuLine::close(),

        MenuLine::open(MenuId::Regression, "Regression1", "&Regression", "Regression"),
        MenuLine::open(MenuId::Simple, "Simple1", "&Simple", "Simple"),
        MenuLine::item(CommandId::Linear),
        MenuLine::item(CommandId::Logarithmic),
        MenuLine::item(CommandId::Exponential),
        MenuLine::item(CommandId::Power),
        MenuLine::item(CommandId::Reciprocal),
        MenuLine::close(),
        MenuLine::open(MenuId::Polynomial, "Polynomial1", "&Polynomial", "Polynomial"),
        MenuLine::item(CommandId::Polynomial2),
        MenuLine::item(CommandId::Polynomial3),
        MenuLine::item(CommandId::Polynomial4),
        MenuLine::item(CommandId::Polynomial5),
        MenuLine::close(),
        MenuLine::open(MenuId::Multiple, "Multiple1", "&Multiple", "Multiple"),
        MenuLine::item(CommandId::DrawMultiple),
        MenuLine::item(CommandId::LogMultiple),
        MenuLine::close(),
        MenuLine::close(),

        MenuLine::open(MenuId::Draw, "Draw1", "&Draw", "Draw"),
        MenuLine::item(CommandId::Scatter),
        MenuLine::item(CommandId::Histogram),
        MenuLine::item(CommandId::XYLine),
        MenuLine::close(),

        MenuLine::open(MenuId::VarAnalyze, "N1VarAnalyze1", "&1-Var Analyze", "VarAnalyze"),
        MenuLine::item(CommandId::OneVariableAnalysis),
        MenuLine::separator(),
        MenuLine::item(CommandId::MeanValue),
        MenuLine::item(CommandId::SumOfValues),
        MenuLine::item(CommandId::SumOfSquares),
        MenuLine::item(CommandId::SampleStandardDeviation),
        MenuLine::item(CommandId::PopulationStandardDeviation),
        MenuLine::item(CommandId::ProductSum),
        MenuLine::item(CommandId::NumberOfPoints),
        MenuLine::close(),

        MenuLine::open(MenuId::Ln, "Ln1", "&Ln", nullptr),
        MenuLine::item(CommandId::LnList),
        MenuLine::item(CommandId::ExpList),
        MenuLine::close(),

        MenuLine::open(MenuId::Graph, "Graph1", "&Graph", "Graph"),
        MenuLine::item(CommandId::ZoomIn),
        MenuLine::item(CommandId::ZoomOut),
        MenuLine::item(CommandId::ZoomBox),
        MenuLine::item(CommandId::UndoZoom),
        MenuLine::separator(),
        MenuLine::item(CommandId::Bands),
        MenuLine::item(CommandId::Residuals),
        MenuLine::close(),

        MenuLine::open(MenuId::Options, "Options1", "&Options", "Options"),
        MenuLine::item(CommandId::SelectLanguage),
        MenuLine::item(CommandId::BestCurveSetup),
        MenuLine::separator(),
        MenuLine::item(CommandId::ShowAxis),
        MenuLine::item(CommandId::ShowGrid),
        MenuLine::item(CommandId::ShowScaleText),
        MenuLine::item(CommandId::ShowFunctionNames),
        MenuLine::separator(),
        MenuLine::item(CommandId::ShowWizard),
        MenuLine::separator(),
        MenuLine::item(CommandId::CoefficientStatistics),
        MenuLine::close(),

        MenuLine::open(MenuId::Window, "Window1", "&Window", "Window"),
        MenuLine::item(CommandId::MakeGraphWindowQuadratic),
        MenuLine::item(CommandId::DefaultPosition),
        MenuLine::close(),

        MenuLine::open(MenuId::Quorra, "Quorra1", "&Quorra", nullptr),
        MenuLine::item(CommandId::StartQuorra),
        MenuLine::item(CommandId::QuorraInformation),
        MenuLine::close(),

        MenuLine::open(MenuId::Help, "Help1", "&Help", "Help"),
        MenuLine::item(CommandId::HelpContents),
        MenuLine::item(CommandId::About),
        MenuLine::close(),
    };
}

std::vector<ButtonLine> TForm1::toolAreaButtons() {
    return {
        {CommandId::NewProject, "SpeedButton1", QRect(4, 5, 25, 25), ":/tessaly/new_project.svg", nullptr,
         nullptr, "New Project", "NewProject"},
        {CommandId::DeleteProject, "SpeedButton3", QRect(4, 30, 25, 25), ":/tessaly/delete_project.svg",
         nullptr, nullptr, "Delete Project", "DeleteProject"},
        {CommandId::FindBest, "SpeedButton24", QRect(222, 4, 100, 25), nullptr, "Find Best",
         "FindtheBestCurve", "Find the best Regression Model", "FindthebestRegressionModel"},
        {CommandId::DrawInQuorra, "SpeedButton27", QRect(324, 4, 25, 25), ":/tessaly/quorra.svg", nullptr,
         nullptr, "Draw Graph in Quorra", "Quorra"},
        {CommandId::ZoomIn, "SpeedButton6", QRect(222, 31, 25, 25), ":/tessaly/zoom_in.svg", nullptr, nullptr,
         "Zoom In", "HZoomIn"},
        {CommandId::ZoomOut, "SpeedButton7", QRect(247, 31, 25, 25), ":/tessaly/zoom_out.svg", nullptr,
         nullptr, "Zoom Out", "HZoomOut"},
        {CommandId::ZoomBox, "SpeedButton8", QRect(272, 31, 25, 25), ":/tessaly/zoom_box.svg", nullptr,
         nullptr, "Zoom Box", "HZoomBox"},
        {CommandId::UndoZoom, "SpeedButton9", QRect(297, 31, 25, 25), ":/tessaly/undo_zoom.svg", nullptr,
         nullptr, "Undo Zoom", "HUndoZoom"},
        {CommandId::EraseFunction, "SpeedButton25", QRect(324, 31, 25, 25), ":/tessaly/erase_function.svg",
         nullptr, nullptr, "Erase Funtion", "EraseFunction"},
    };
}

std::vector<ButtonLine> TForm1::simpleRegressionButtons() {
    return {
        {CommandId::Linear, "SpeedButton2", QRect(0, 0, 87, 27), nullptr, "Linear", "BLinear", nullptr,
         "DrawLinearRegression"},
        {CommandId::Logarithmic, "SpeedButton14", QRect(87, 0, 87, 27), nullptr, "Logarithmic",
         "BLogarithmic", nullptr, "DrawLogarithmicRegression"},
        {CommandId::Exponential, "SpeedButton12", QRect(174, 0, 87, 27), nullptr, "Exponential",
         "BExponential", nullptr, "DrawExponentialRegression"},
        {CommandId::Power, "SpeedButton13", QRect(261, 0, 87, 27), nullptr, "Power", "BPower", nullptr,
         "DrawPowerRegression"},
        {CommandId::Reciprocal, "SpeedButton15", QRect(348, 0, 87, 27), nullptr, "Reciprocal", "BReciprocal",
         nullptr, "DrawReciprocalRegression"},
    };
}

std::vector<ButtonLine> TForm1::polynomialRegressionButtons() {
    return {
        {CommandId::Polynomial2, "SpeedButton16", QRect(0, 0, 87, 27), nullptr, "2nd Poly", "B2ndPoly",
         nullptr, "Draw2ndPolynomialRegression"},
        {CommandId::Polynomial3, "SpeedButton17", QRect(87, 0, 87, 27), nullptr, "3rd Poly", "B3rdPoly",
         nullptr, "Draw3rdPolynomialRegression"},
        {CommandId::Polynomial4, "SpeedButton18", QRect(174, 0, 87, 27), nullptr, "4th Poly", "B4thPoly",
         nullptr, "Draw4thPolynomialRegression"},
        {CommandId::Polynomial5, "SpeedButton19", QRect(261, 0, 87, 27), nullptr, "5th Poly", "B5thPoly",
         nullptr, "Draw5thPolynomialRegression"},
    };
}

std::vector<ButtonLine> TForm1::multipleRegressionButtons() {
    return {
        {CommandId::DrawMultiple, "SpeedButton20", QRect(0, 0, 105, 27), nullptr, " Draw Multiple",
         "BDrawMultiple", nullptr, "MultipleRegressionWizard"},
        {CommandId::LogMultiple, "SpeedButton26", QRect(105, 0, 105, 27), nullptr, "Log Multiple",
         "BLogMultiple", nullptr, "PrintMultiplecalculationsintheLog"},
    };
}

std::vector<ButtonLine> TForm1::drawButtons() {
    return {
        {CommandId::Scatter, "SpeedButton21", QRect(0, 0, 109, 27), nullptr, "Scatter OFF", "BScatterON",
         nullptr, "TogglebetweenScatter"},
        {CommandId::Histogram, "SpeedButton22", QRect(109, 0, 109, 27), nullptr, "Histogram OFF",
         "BHistogramOFF", nullptr, "TogglebetweenHistogram"},
        {CommandId::XYLine, "SpeedButton23", QRect(218, 0, 109, 27), nullptr, "XY-Line OFF", "BXYLineOFF",
         nullptr, "TogglebetweenXYLine"},
        {CommandId::Bands, "SpeedButton28", QRect(327, 0, 109, 27), nullptr, "Bands", "BBands", nullptr,
         "HBands"},
    };
}
