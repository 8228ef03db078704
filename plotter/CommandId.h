#pragma once

#include <cstddef>

namespace plotter {

// Every command of the frame: its menu items and the toolbar buttons that have no menu item. A
// toolbar button with a menu item runs that item's command.
enum class CommandId {
    // File
    New,
    Open,
    Save,
    SaveAs,
    SaveAsBmpPicture,
    SaveAsGifPicture,
    SaveAsPngPicture,
    SaveAsSvgPicture,
    SaveAsPdf,
    PrintGraph,
    PrintLog,
    PrintSetup,
    Exit,
    // Edit
    CopyGraphAsVectorPicture,
    CopyGraphAsBitmap,
    // Functions
    Raised,
    Sqrt,
    Cbrt,
    Sin,
    Cos,
    Tan,
    ArcSin,
    ArcCos,
    ArcTan,
    Ln,
    Log,
    TenRaised,
    Random,
    Int,
    Abs,
    E,
    Pi,
    Ddx,
    Derivative,
    Tangent,
    Normal,
    // Graph
    ToggleFrame,
    ZoomIn,
    ZoomOut,
    ZoomBox,
    UndoZoom,
    // Solve
    Root,
    Maximum,
    Minimum,
    YIntersection,
    Intersection,
    YCalc,
    XCalc,
    // Extra
    ValueTable,
    // Options
    SelectLanguage,
    ZoomFactor,
    Degrees,
    Radians,
    AxisText,
    AxisTextFont,
    DottedLines,
    NormalLines,
    BoldLines,
    EmptyFunctionHistory,
    ShowAxis,
    ShowGrid,
    ShowScaleText,
    ShowFunctionNames,
    // Window
    MakeGraphWindowQuadratic,
    DefaultPosition,
    LoadPosition,
    SavePosition,
    // Tessaly
    StartTessaly,
    TessalyInformation,
    // Help
    HelpContents,
    IntroductoryLetter,
    Survey,
    OrvaneHomePage,
    QuorraHomePage,
    InterestedInTranslating,
    About,
    // Toolbar buttons without a menu item
    FunctionMode,
    IntegralMode,
    PlotFunction,
    EraseFunction,
    Trace,
};

inline constexpr std::size_t CommandCount = std::size_t(CommandId::Trace) + 1;

// The menus and submenus of the menu bar.
enum class MenuId {
    File,
    Edit,
    Functions,
    Graph,
    Solve,
    Extra,
    Options,
    Angles,
    Lines,
    Window,
    Tessaly,
    Help,
    Internet
};
inline constexpr std::size_t MenuCount = std::size_t(MenuId::Internet) + 1;

} // namespace plotter
