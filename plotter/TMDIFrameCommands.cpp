// The frame's command table: every command with its menu item's name, caption, key, shortcut,
// check mark and handler. Menus and toolbar are laid out from it in plotter/CommandTable.cpp.
#include "plotter/TMDIFrame.h"

#include "graph/Graph.h"
#include "plotter/AnalysisCommands.h"
#include "plotter/EntryHistories.h"
#include "plotter/FunctionInsertions.h"
#include "plotter/HelpCommands.h"
#include "plotter/OptionCommands.h"
#include "plotter/PictureCommands.h"
#include "plotter/WebLinks.h"
#include "plotter/ZoomCommands.h"

#include <QAction>

using plotter::CommandId;
using plotter::CommandRow;

std::vector<CommandRow> TMDIFrame::commandRows() {
    auto run = [this](void (TMDIFrame::*handler)()) { return [this, handler] { (this->*handler)(); }; };
    auto insert = [this](CommandId id) {
        return [this, insertion = plotter::insertionOf(id)] { setEntryText(entryText() + insertion); };
    };
    auto arm = [this](int tool) { return [this, tool] { armTool(tool); }; };
    // A display switch follows its check mark.
    auto show = [this](CommandId id, bool graph::PlotOptions::*shown) {
        return [this, id, shown] { optionCommands_->setShown(shown, command(id)->isChecked()); };
    };
    return {
        {CommandId::New, "New1", "&New", "New", nullptr, false, run(&TMDIFrame::New1Click)},
        {CommandId::Open, "Open1", "&Open...", "Open", nullptr, false, run(&TMDIFrame::openDocument)},
        {CommandId::Save, "Save1", "&Save", "Save", "Ctrl+S", false, run(&TMDIFrame::saveDocument)},
        {CommandId::SaveAs, "SaveAs1", "Save &As...", "SaveAs", nullptr, false,
         run(&TMDIFrame::saveDocumentAs)},
        {CommandId::SaveAsBmpPicture, "SaveAsBMPPicture1", "Save As B&MP Picture...", "SaveAsBMPPicture",
         nullptr, false, [this] { pictures_->saveAsBmpPicture(); }},
        {CommandId::SaveAsGifPicture, "SaveAsGIFPicture1", "Save As &GIF Picture...", "SaveAsGIFPicture",
         nullptr, false, [this] { pictures_->saveAsGifPicture(); }},
        {CommandId::SaveAsPngPicture, "SaveAsPNGPicture1", "Save As P&NG Picture...", "SaveAsPNGPicture",
         nullptr, false, [this] { pictures_->saveAsPngPicture(); }},
        {CommandId::SaveAsSvgPicture, "SaveAsSVGPicture1", "Save As S&VG Picture...", "SaveAsSVGPicture",
         nullptr, false, [this] { pictures_->saveAsSvgPicture(); }},
        {CommandId::SaveAsPdf, "SaveAsPDF1", "Save As P&DF...", "SaveAsPDF", nullptr, false,
         [this] { pictures_->saveAsPdf(); }},
        {CommandId::PrintGraph, "Print1", "&Print Graph", "PrintGraph", nullptr, false,
         [this] { pictures_->printGraph(); }},
        {CommandId::PrintLog, "PrintLog1", "Print &Log", "PrintLog", nullptr, false,
         [this] { pictures_->printLog(); }},
        {CommandId::PrintSetup, "PrintSetup1", "P&rint Setup...", "PrintSetup", nullptr, false,
         [this] { pictures_->printSetup(); }},
        {CommandId::Exit, "Exit1", "E&xit", "Exit", nullptr, false, [this] { close(); }},

        {CommandId::CopyGraphAsVectorPicture, "CopyGraphAsWMFPicture1",
         "Copy Graph As &WMF Picture  (Best Quality, for MS Word, Corel Draw etc)", "CopyGraphAsWMFPicture",
         "Ctrl+C", false, [this] { pictures_->copyGraphAsVectorPicture(); }},
        {CommandId::CopyGraphAsBitmap, "CopyGraphAsBMPPicture1",
         "Copy Graph As B&MP Picture  (for WordPad and older programs)", "CopyGraphAsBMPPicture", nullptr,
         false, [this] { pictures_->copyGraphAsBitmap(); }},

        {CommandId::Raised, "Raised1", "^ (&Raised)", "Raised", nullptr, false, insert(CommandId::Raised)},
        {CommandId::Sqrt, "Sqrt1", "S&qrt", "Sqrt", nullptr, false, insert(CommandId::Sqrt)},
        {CommandId::Cbrt, "Cbrt1", "Cbrt", "Cbrt", nullptr, false, insert(CommandId::Cbrt)},
        {CommandId::Sin, "Sin1", "&Sin", "Sin", nullptr, false, insert(CommandId::Sin)},
        {CommandId::Cos, "Cos1", "&Cos", "Cos", nullptr, false, insert(CommandId::Cos)},
        {CommandId::Tan, "Tan1", "&Tan", "Tan", nullptr, false, insert(CommandId::Tan)},
        {CommandId::ArcSin, "ArcSin1", "&ArcSin", "ArcSin", nullptr, false, insert(CommandId::ArcSin)},
        {CommandId::ArcCos, "ArcCos1", "ArcC&os", "ArcCos", nullptr, false, insert(CommandId::ArcCos)},
        {CommandId::ArcTan, "ArcTan1", "ArcTa&n", "ArcTan", nullptr, false, insert(CommandId::ArcTan)},
        {CommandId::Ln, "Ln1", "&Ln", "Ln", nullptr, false, insert(CommandId::Ln)},
        {CommandId::Log, "Log1", "Lo&g", nullptr, nullptr, false, insert(CommandId::Log)},
        {CommandId::TenRaised, "N10Exp1", "&10^", "10Raised", nullptr, false, insert(CommandId::TenRaised)},
        {CommandId::Random, "Random1", "Rando&m", "Random", nullptr, false, insert(CommandId::Random)},
        {CommandId::Int, "Int1", "&Int", "Int", nullptr, false, insert(CommandId::Int)},
        {CommandId::Abs, "Abs1", "A&bs", "Abs", nullptr, false, insert(CommandId::Abs)},
        {CommandId::E, "e1", "&e", "e", nullptr, false, insert(CommandId::E)},
        {CommandId::Pi, "Pi1", "&pi", "pi", nullptr, false, insert(CommandId::Pi)},
        {CommandId::Ddx, "ddx1", "&d/dx", "ddx", nullptr, false, insert(CommandId::Ddx)},
        {CommandId::Derivative, "Derivative1", "Derivative", "Derivative", "Ctrl+D", false,
         [this] { analysis_->plotDerivative(); }},
        {CommandId::Tangent, "Tangent1", "Tangent", "Tangent", "Ctrl+T", false,
         [this] { analysis_->plotTangent(); }},
        {CommandId::Normal, "Normal1", "Normal", "Normal", "Ctrl+N", false,
         [this] { analysis_->plotNormal(); }},

        // Hidden; it does nothing.
        {CommandId::ToggleFrame, "ToggleFrame1", "Toggle &Frame", "ToggleFrame", nullptr, false, [] {}},
        {CommandId::ZoomIn, "Zoomin1", "Zoom &In", "ZoomIn", nullptr, false, [this] { zoom_->zoomIn(); }},
        {CommandId::ZoomOut, "ZoomOut1", "Zoom &Out", "ZoomOut", nullptr, false,
         [this] { zoom_->zoomOut(); }},
        {CommandId::ZoomBox, "ZoomBox1", "Zoom &Box", "ZoomBox", nullptr, false,
         [this] { zoom_->armZoomBox(); }},
        {CommandId::UndoZoom, "UndoZoom1", "&Undo Zoom", "UndoZoom", nullptr, false,
         [this] { zoom_->undoZoom(); }},

        {CommandId::Root, "Root1", "&Root", "Root", "Ctrl+R", false, arm(graph::RootTool)},
        {CommandId::Maximum, "Max1", "Ma&ximum", "Maximum", "Ctrl+X", false, arm(graph::MaximumTool)},
        {CommandId::Minimum, "Min1", "Mi&nimum", "Minimum", "Ctrl+N", false, arm(graph::MinimumTool)},
        {CommandId::YIntersection, "YIntersection1", "Y-In&tersection", "YIntersection", "Ctrl+T", false,
         arm(graph::YIntersectionTool)},
        {CommandId::Intersection, "Intersection1", "&Intersection", "Intersection", "Ctrl+I", false,
         arm(graph::IntersectionTool)},
        {CommandId::YCalc, "YCalc1", "&Y-Calc", "YCalc", "Ctrl+Y", false, arm(graph::YCalcTool)},
        {CommandId::XCalc, "XCalc1", "&X-Calc", "XCalc", "Ctrl+X", false, arm(graph::XCalcTool)},

        {CommandId::ValueTable, "ValueTable1", "&Value Table...", "ValueTable", nullptr, false,
         [this] { analysis_->showValueTable(); }},

        {CommandId::SelectLanguage, "Language1", "&Language", "SelectLanguage", nullptr, false,
         run(&TMDIFrame::chooseLanguage)},
        {CommandId::ZoomFactor, "Zoomfactor1", "&Zoom-factor...", "ZoomFactor", nullptr, false,
         [this] { optionCommands_->editZoomFactors(); }},
        {CommandId::Degrees, "Degrees1", "&Degrees", "Degrees", nullptr, true,
         [this] { optionCommands_->setAngleUnit(engine::AngleUnit::Degrees); }},
        {CommandId::Radians, "Radians1", "&Radians", "Radians", nullptr, true,
         [this] { optionCommands_->setAngleUnit(engine::AngleUnit::Radians); }},
        {CommandId::AxisText, "AxisText1", "Axis &Text...", "AxisText", nullptr, false,
         [this] { optionCommands_->editAxisTexts(); }},
        {CommandId::AxisTextFont, "AxisTextFont1", "Axis Text &Font...", "AxisTextFont", nullptr, false,
         [this] { optionCommands_->chooseAxisFont(); }},
        {CommandId::DottedLines, "DottedLines1", "Dotted", "Dotted", nullptr, true,
         [this] { optionCommands_->setLineStyle(false, true); }},
        {CommandId::NormalLines, "NormalLines1", "Normal", "Normal", nullptr, true,
         [this] { optionCommands_->setLineStyle(false, false); }},
        {CommandId::BoldLines, "BoldLines1", "&Bold", "Bold", nullptr, true,
         [this] { optionCommands_->setLineStyle(true, false); }},
        {CommandId::EmptyFunctionHistory, "EmptyFunctionHistory1", "&Empty Function History Box",
         "EmptyFunctionHistoryBox", nullptr, false, [this] { histories_->emptyFunctionHistory(); }},
        {CommandId::ShowAxis, "Axis1", "&Show Axis", "ShowAxis", nullptr, true,
         show(CommandId::ShowAxis, &graph::PlotOptions::showAxis)},
        {CommandId::ShowGrid, "Grid1", "Show &Grid", "ShowGrid", nullptr, true,
         show(CommandId::ShowGrid, &graph::PlotOptions::showGrid)},
        {CommandId::ShowScaleText, "ScaleText1", "Show &Scale Text", "ShowScaleText", nullptr, true,
         show(CommandId::ShowScaleText, &graph::PlotOptions::showScaleText)},
        {CommandId::ShowFunctionNames, "FunctionNames1", "Show Function &Names", "ShowFunctionNames", nullptr,
         true, show(CommandId::ShowFunctionNames, &graph::PlotOptions::showFunctionNames)},

        {CommandId::MakeGraphWindowQuadratic, "MakeGraphWindowQuadratic1", "Make Graph Window &Quadratic",
         "MakeGraphWindowQuadratic", nullptr, false, run(&TMDIFrame::makeGraphWindowQuadratic)},
        {CommandId::DefaultPosition, "DefaultPosition1", "&Default Position", "DefaultPosition", nullptr,
         false, run(&TMDIFrame::defaultLayout)},
        {CommandId::LoadPosition, "LoadPosition1", "&Load Position", "LoadPosition", nullptr, false,
         run(&TMDIFrame::loadPosition)},
        {CommandId::SavePosition, "Sparafnsterposition1", "&Save Position", "SavePosition", nullptr, false,
         run(&TMDIFrame::savePosition)},

        {CommandId::StartTessaly, "Start1", "&Start", nullptr, nullptr, false,
         [this] { help_->startTessaly(); }},
        {CommandId::TessalyInformation, "Information1", "&Information", nullptr, nullptr, false,
         [this] { help_->showTessalyInformation(); }},

        {CommandId::HelpContents, "Contents1", "&Contents", "Contents", nullptr, false,
         [this] { help_->showHelpTopic(); }},
        {CommandId::IntroductoryLetter, "IntroductoryLetter1", "Introductory &Letter", "IntroductoryLetter",
         nullptr, false, [this] { help_->openNoteFile(QStringLiteral("Introduc.txt")); }},
        {CommandId::Survey, "Survey1", "&Survey", "Survey", nullptr, false,
         [this] { help_->openNoteFile(QStringLiteral("Survey.txt")); }},
        {CommandId::OrvaneHomePage, "OrvaneHomePage1", "&Orvane Home Page", "OrvaneHomePage", nullptr, false,
         [this] { help_->openMakerPage(""); }},
        {CommandId::QuorraHomePage, "QuorraHomePage1", "&Quorra Home Page", "QuorraHomePage", nullptr, false,
         [this] { help_->openMakerPage(plotter::ProductPagePath); }},
        {CommandId::InterestedInTranslating, "InterestedintranslatingQuorra1",
         "&Interested in translating Quorra?", "InterestedInTranslating", nullptr, false,
         [this] { help_->openMakerPage(plotter::TranslationPagePath); }},
        {CommandId::About, "About1", "&About...", "About", nullptr, false, [this] { help_->showAbout(); }},
        {CommandId::FunctionMode, "toolbtnFunctionMode", "", nullptr, nullptr, false,
         run(&TMDIFrame::switchToFunctionMode)},
        {CommandId::IntegralMode, "toolbtnIntegralMode", "", nullptr, nullptr, false,
         run(&TMDIFrame::switchToIntegralMode)},
        {CommandId::PlotFunction, "toolbtnPlotFunction", "", nullptr, nullptr, false,
         run(&TMDIFrame::plotEntry)},
        {CommandId::EraseFunction, "toolbtnEraseFunction", "", nullptr, nullptr, false,
         [this] { analysis_->eraseFunctions(); }},
        {CommandId::Trace, "toolbtnTrace", "", nullptr, nullptr, false, [this] { analysis_->toggleTrace(); }},
    };
}
