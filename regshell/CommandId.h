#pragma once

#include <cstddef>

namespace regshell {

// Every command of the main window: menu items and toolbar buttons. A button and its menu item run
// the same command; the buttons without a menu item have one of their own.
enum class CommandId {
    // File
    New,
    Open,
    Save,
    SaveAs,
    ImportData,
    ExportData,
    PrintGraph,
    PrintLog,
    PrintSetup,
    Exit,
    // Edit
    CopyGraphVector,
    CopyGraphBitmap,
    CopyColumn,
    CopyRow,
    Paste,
    UndoPaste,
    UndoImport,
    ChangeProjectName,
    ChangeListName,
    ClearLog,
    // Regression
    Linear,
    Logarithmic,
    Exponential,
    Power,
    Reciprocal,
    Polynomial2,
    Polynomial3,
    Polynomial4,
    Polynomial5,
    DrawMultiple,
    LogMultiple,
    // Draw
    Scatter,
    Histogram,
    XYLine,
    // 1-Var Analyze and Ln
    OneVariableAnalysis,
    MeanValue,
    SumOfValues,
    SumOfSquares,
    SampleStandardDeviation,
    PopulationStandardDeviation,
    ProductSum,
    NumberOfPoints,
    LnList,
    ExpList,
    // Graph
    ZoomIn,
    ZoomOut,
    ZoomBox,
    UndoZoom,
    Bands,
    Residuals,
    // Options
    SelectLanguage,
    BestCurveSetup,
    ShowAxis,
    ShowGrid,
    ShowScaleText,
    ShowFunctionNames,
    ShowWizard,
    CoefficientStatistics,
    // Window
    MakeGraphWindowQuadratic,
    DefaultPosition,
    // Quorra
    StartQuorra,
    QuorraInformation,
    // Help
    HelpContents,
    About,
    // Toolbar buttons without a menu item
    NewProject,
    DeleteProject,
    FindBest,
    DrawInQuorra,
    EraseFunction,
};

inline constexpr std::size_t CommandCount = std::size_t(CommandId::EraseFunction) + 1;

} // namespace regshell
