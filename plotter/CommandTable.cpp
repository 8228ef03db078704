#include "plotter/CommandTable.h"

#include "plotter/Texts.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <vector>

namespace plotter {

namespace {

const char* const TranslationKeyProperty = "translationKey";
const char* const HintKeyProperty = "hintKey";

enum class Kind { Menu, EndMenu, Item, Check, Separator };

// One line of the menu table: a menu opens (`menu`), an item or check item of a command, a
// separator, or the menu closes. `name` is the object name of the menu or action; `key` is null
// for captions that are never translated; a shortcut that an earlier item in menu order already
// carries is not given again.
struct MenuEntry {
    Kind kind;
    CommandId command = CommandId::New;
    MenuId menu = MenuId::File;
    const char* name = nullptr;
    const char* caption = nullptr;
    const char* key = nullptr;
    const char* shortcut = nullptr;
};

MenuEntry menu(MenuId id, const char* name, const char* caption, const char* key) {
    return {Kind::Menu, CommandId::New, id, name, caption, key};
}
MenuEntry endMenu() {
    return {Kind::EndMenu};
}
MenuEntry item(CommandId command, const char* name, const char* caption, const char* key,
               const char* shortcut = nullptr) {
    return {Kind::Item, command, MenuId::File, name, caption, key, shortcut};
}
MenuEntry check(CommandId command, const char* name, const char* caption, const char* key) {
    return {Kind::Check, command, MenuId::File, name, caption, key};
}
MenuEntry separator() {
    return {Kind::Separator};
}

const std::vector<MenuEntry>& menuTable() {
    static const std::vector<MenuEntry> table = {
        menu(MenuId::File, "File1", "&File", "File"),
        item(CommandId::New, "New1", "&New", "New"),
        item(CommandId::Open, "Open1", "&Open...", "Open"),
        item(CommandId::Save, "Save1", "&Save", "Save", "Ctrl+S"),
        item(CommandId::SaveAs, "SaveAs1", "Save &As...", "SaveAs"),
        separator(),
        item(CommandId::SaveAsBmpPicture, "SaveAsBMPPicture1", "Save As B&MP Picture...", "SaveAsBMPPicture"),
        item(CommandId::SaveAsGifPicture, "SaveAsGIFPicture1", "Save As &GIF Picture...", "SaveAsGIFPicture"),
        item(CommandId::SaveAsPngPicture, "SaveAsPNGPicture1", "Save As P&NG Picture...", "SaveAsPNGPicture"),
        item(CommandId::SaveAsSvgPicture, "SaveAsSVGPicture1", "Save As S&VG Picture...", "SaveAsSVGPicture"),
        item(CommandId::SaveAsPdf, "SaveAsPDF1", "Save As P&DF...", "SaveAsPDF"),
        separator(),
        item(CommandId::PrintGraph, "Print1", "&Print Graph", "PrintGraph"),
        item(CommandId::PrintLog, "PrintLog1", "Print &Log", "PrintLog"),
        item(CommandId::PrintSetup, "PrintSetup1", "P&rint Setup...", "PrintSetup"),
        separator(),
        item(CommandId::Exit, "Exit1", "E&xit", "Exit"),
        endMenu(),

        menu(MenuId::Edit, "Edit1", "&Edit", "Edit"),
        item(CommandId::CopyGraphAsVectorPicture, "CopyGraphAsWMFPicture1",
             "Copy Graph As &WMF Picture  (Best Quality, for MS Word, Corel Draw etc)",
             "CopyGraphAsWMFPicture", "Ctrl+C"),
        item(CommandId::CopyGraphAsBitmap, "CopyGraphAsBMPPicture1",
             "Copy Graph As B&MP Picture  (for WordPad and older programs)", "CopyGraphAsBMPPicture"),
        endMenu(),

        menu(MenuId::Functions, "Functions1", "&Functions", "Functions"),
        item(CommandId::Raised, "Raised1", "^ (&Raised)", "Raised"),
        item(CommandId::Sqrt, "Sqrt1", "S&qrt", "Sqrt"),
        item(CommandId::Cbrt, "Cbrt1", "Cbrt", "Cbrt"),
        separator(),
        item(CommandId::Sin, "Sin1", "&Sin", "Sin"),
        item(CommandId::Cos, "Cos1", "&Cos", "Cos"),
        item(CommandId::Tan, "Tan1", "&Tan", "Tan"),
        item(CommandId::ArcSin, "ArcSin1", "&ArcSin", "ArcSin"),
        item(CommandId::ArcCos, "ArcCos1", "ArcC&os", "ArcCos"),
        item(CommandId::ArcTan, "ArcTan1", "ArcTa&n", "ArcTan"),
        separator(),
        item(CommandId::Ln, "Ln1", "&Ln", "Ln"),
        item(CommandId::Log, "Log1", "Lo&g", nullptr),
        item(CommandId::TenRaised, "N10Exp1", "&10^", "10Raised"),
        separator(),
        item(CommandId::Random, "Random1", "Rando&m", "Random"),
        item(CommandId::Int, "Int1", "&Int", "Int"),
        item(CommandId::Abs, "Abs1", "A&bs", "Abs"),
        item(CommandId::E, "e1", "&e", "e"),
        item(CommandId::Pi, "Pi1", "&pi", "pi"),
        separator(),
        item(CommandId::Ddx, "ddx1", "&d/dx", "ddx"),
        item(CommandId::Derivative, "Derivative1", "Derivative", "Derivative", "Ctrl+D"),
        item(CommandId::Tangent, "Tangent1", "Tangent", "Tangent", "Ctrl+T"),
        item(CommandId::Normal, "Normal1", "Normal", "Normal", "Ctrl+N"),
        endMenu(),

        menu(MenuId::Graph, "Graph1", "&Graph", "Graph"),
        item(CommandId::ToggleFrame, "ToggleFrame1", "Toggle &Frame", "ToggleFrame"),
        item(CommandId::ZoomIn, "Zoomin1", "Zoom &In", "ZoomIn"),
        item(CommandId::ZoomOut, "ZoomOut1", "Zoom &Out", "ZoomOut"),
        item(CommandId::ZoomBox, "ZoomBox1", "Zoom &Box", "ZoomBox"),
        item(CommandId::UndoZoom, "UndoZoom1", "&Undo Zoom", "UndoZoom"),
        endMenu(),

        menu(MenuId::Solve, "Solve1", "&Solve", "Solve"),
        item(CommandId::Root, "Root1", "&Root", "Root", "Ctrl+R"),
        item(CommandId::Maximum, "Max1", "Ma&ximum", "Maximum", "Ctrl+X"),
        item(CommandId::Minimum, "Min1", "Mi&nimum", "Minimum", "Ctrl+N"),
        item(CommandId::YIntersection, "YIntersection1", "Y-In&tersection", "YIntersection", "Ctrl+T"),
        item(CommandId::Intersection, "Intersection1", "&Intersection", "Intersection", "Ctrl+I"),
        item(CommandId::YCalc, "YCalc1", "&Y-Calc", "YCalc", "Ctrl+Y"),
        item(CommandId::XCalc, "XCalc1", "&X-Calc", "XCalc", "Ctrl+X"),
        endMenu(),

        menu(MenuId::Extra, "Extra1", "E&xtra", "Extra"),
        item(CommandId::ValueTable, "ValueTable1", "&Value Table...", "ValueTable"),
        endMenu(),

        menu(MenuId::Options, "Options1", "&Options", "Options"),
        item(CommandId::SelectLanguage, "Language1", "&Language", "SelectLanguage"),
        item(CommandId::ZoomFactor, "Zoomfactor1", "&Zoom-factor...", "ZoomFactor"),
        menu(MenuId::Angles, "Angles1", "&Angles", "Angles"),
        check(CommandId::Degrees, "Degrees1", "&Degrees", "Degrees"),
        check(CommandId::Radians, "Radians1", "&Radians", "Radians"),
        endMenu(),
        item(CommandId::AxisText, "AxisText1", "Axis &Text...", "AxisText"),
        item(CommandId::AxisTextFont, "AxisTextFont1", "Axis Text &Font...", "AxisTextFont"),
        menu(MenuId::Lines, "Lines1", "Lines", "Lines"),
        check(CommandId::DottedLines, "DottedLines1", "Dotted", "Dotted"),
        check(CommandId::NormalLines, "NormalLines1", "Normal", "Normal"),
        check(CommandId::BoldLines, "BoldLines1", "&Bold", "Bold"),
        endMenu(),
        item(CommandId::EmptyFunctionHistory, "EmptyFunctionHistory1", "&Empty Function History Box",
             "EmptyFunctionHistoryBox"),
        separator(),
        check(CommandId::ShowAxis, "Axis1", "&Show Axis", "ShowAxis"),
        check(CommandId::ShowGrid, "Grid1", "Show &Grid", "ShowGrid"),
        check(CommandId::ShowScaleText, "ScaleText1", "Show &Scale Text", "ShowScaleText"),
        check(CommandId::ShowFunctionNames, "FunctionNames1", "Show Function &Names", "ShowFunctionNames"),
        endMenu(),

        menu(MenuId::Window, "Window", "&Window", "Window"),
        item(CommandId::MakeGraphWindowQuadratic, "MakeGraphWindowQuadratic1", "Make Graph Window &Quadratic",
             "MakeGraphWindowQuadratic"),
        item(CommandId::DefaultPosition, "DefaultPosition1", "&Default Position", "DefaultPosition"),
        separator(),
        item(CommandId::LoadPosition, "LoadPosition1", "&Load Position", "LoadPosition"),
        item(CommandId::SavePosition, "Sparafnsterposition1", "&Save Position", "SavePosition"),
        endMenu(),

        menu(MenuId::Tessaly, "Tessaly1", "&Tessaly", nullptr),
        item(CommandId::StartTessaly, "Start1", "&Start", nullptr),
        item(CommandId::TessalyInformation, "Information1", "&Information", nullptr),
        endMenu(),

        menu(MenuId::Help, "Help1", "&Help", "Help"),
        item(CommandId::HelpContents, "Contents1", "&Contents", "Contents"),
        item(CommandId::IntroductoryLetter, "IntroductoryLetter1", "Introductory &Letter",
             "IntroductoryLetter"),
        item(CommandId::Survey, "Survey1", "&Survey", "Survey"),
        menu(MenuId::Internet, "Internet1", "&Internet", "Internet"),
        item(CommandId::OrvaneHomePage, "OrvaneHomePage1", "&Orvane Home Page", "OrvaneHomePage"),
        item(CommandId::QuorraHomePage, "QuorraHomePage1", "&Quorra Home Page", "QuorraHomePage"),
        item(CommandId::InterestedInTranslating, "InterestedintranslatingQuorra1",
             "&Interested in translating Quorra?", "InterestedInTranslating"),
        endMenu(),
        separator(),
        item(CommandId::About, "About1", "&About...", "About"),
        endMenu(),
    };
    return table;
}

// One toolbar button: its command, its object name, whether it shares the action of the command's
// menu item (otherwise it has an action of its own), the key of its hint, its picture, and whether a
// gap separates it from the button before.
struct ToolButtonEntry {
    CommandId command;
    const char* name;
    bool hasMenuItem;
    const char* hintKey;
    const char* icon;
    bool startsGroup;
};

constexpr ToolButtonEntry ToolButtons[] = {
    {CommandId::FunctionMode, "toolbtnFunctionMode", false, "FunctionMode", "function_mode", false},
    {CommandId::IntegralMode, "toolbtnIntegralMode", false, "IntegralMode", "integral_mode", false},
    {CommandId::PlotFunction, "toolbtnPlotFunction", false, "PlotFunction", "plot_function", true},
    {CommandId::EraseFunction, "toolbtnEraseFunction", false, "EraseFunction", "erase_function", false},
    {CommandId::ZoomIn, "toolbtnZoomIn", true, "ZoomIn", "zoom_in", true},
    {CommandId::ZoomOut, "toolbtnZoomOut", true, "ZoomOut", "zoom_out", false},
    {CommandId::ZoomBox, "toolbtnZoomBox", true, "ZoomBox", "zoom_box", false},
    {CommandId::UndoZoom, "toolbtnUndoZoom", true, "UndoZoom", "undo_zoom", false},
    {CommandId::Root, "toolbtnRoot", true, "Root", "root", true},
    {CommandId::Maximum, "toolbtnMax", true, "Maximum", "maximum", false},
    {CommandId::Minimum, "toolbtnMin", true, "Minimum", "minimum", false},
    {CommandId::YIntersection, "toolbtnYIntersection", true, "YIntersection", "y_intersection", false},
    {CommandId::Intersection, "toolbtnIntersection", true, "Intersection", "intersection", false},
    {CommandId::YCalc, "toolbtnYCalc", true, "YCalc", "y_calc", false},
    {CommandId::XCalc, "toolbtnXCalc", true, "XCalc", "x_calc", false},
    {CommandId::Trace, "toolbtnTrace", false, "Trace", "trace", true},
};

} // namespace

CommandTable::CommandTable(QWidget& owner, QMenuBar& menuBar, QToolBar& toolBar) {
    buildMenus(owner, menuBar);
    buildToolBar(owner, toolBar);
    actions_.requireEvery();
}

void CommandTable::buildMenus(QWidget& owner, QMenuBar& menuBar) {
    std::vector<QMenu*> open;
    QSet<QString> givenShortcuts;
    for (const MenuEntry& entry : menuTable()) {
        switch (entry.kind) {
        case Kind::Menu: {
            auto* newMenu = new QMenu(QString::fromUtf8(entry.caption), &owner);
            newMenu->setObjectName(QLatin1String(entry.name));
            QAction* menuAction = open.empty() ? menuBar.addMenu(newMenu) : open.back()->addMenu(newMenu);
            menuAction->setObjectName(QLatin1String(entry.name));
            if (entry.key)
                menuAction->setProperty(TranslationKeyProperty, QLatin1String(entry.key));
            menus_[std::size_t(entry.menu)] = newMenu;
            open.push_back(newMenu);
            break;
        }
        case Kind::EndMenu:
            open.pop_back();
            break;
        case Kind::Separator:
            open.back()->addSeparator();
            break;
        case Kind::Item:
        case Kind::Check: {
            QAction* action = &actions_.add(owner, entry.command,
                                            {entry.name, entry.caption, entry.kind == Kind::Check, {}});
            if (entry.key)
                action->setProperty(TranslationKeyProperty, QLatin1String(entry.key));
            if (entry.shortcut && !givenShortcuts.contains(QLatin1String(entry.shortcut))) {
                givenShortcuts.insert(QLatin1String(entry.shortcut));
                action->setShortcut(QKeySequence(QLatin1String(entry.shortcut)));
            }
            open.back()->addAction(action);
            break;
        }
        }
    }
}

void CommandTable::buildToolBar(QWidget& owner, QToolBar& toolBar) {
    for (const ToolButtonEntry& button : ToolButtons) {
        if (button.startsGroup)
            toolBar.addSeparator();
        if (!button.hasMenuItem)
            actions_.add(owner, button.command, {button.name, "", false, {}});
        QAction* action = &actions_[button.command];
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(button.icon))));
        action->setProperty(HintKeyProperty, QLatin1String(button.hintKey));
        toolBar.addAction(action);
        toolBar.widgetForAction(action)->setObjectName(QLatin1String(button.name));
    }
}

bool CommandTable::isCommandShortcut(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    const std::span<QAction* const> actions = actions_.all();
    return std::any_of(actions.begin(), actions.end(), [&pressed](const QAction* action) {
        return action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed;
    });
}

void CommandTable::translate() {
    for (QAction* action : actions_.all()) {
        const QString key = action->property(TranslationKeyProperty).toString();
        if (!key.isEmpty())
            action->setText(caption(key.toStdString(), action->text()));
        const QString hintKey = action->property(HintKeyProperty).toString();
        if (!hintKey.isEmpty())
            action->setToolTip(plainText(hintKey.toStdString(), action->toolTip()));
    }
    for (QMenu* menu : menus_) {
        QAction* menuAction = menu->menuAction();
        const QString key = menuAction->property(TranslationKeyProperty).toString();
        if (!key.isEmpty())
            menuAction->setText(caption(key.toStdString(), menuAction->text()));
    }
}

} // namespace plotter
