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

// One line of the menu table. `key` is null for captions that are never translated; a
// shortcut that an earlier item in menu order already carries is not given again.
struct MenuEntry {
    Kind kind;
    const char* name = nullptr;
    const char* caption = nullptr;
    const char* key = nullptr;
    const char* shortcut = nullptr;
};

MenuEntry menu(const char* name, const char* caption, const char* key) {
    return {Kind::Menu, name, caption, key};
}
MenuEntry endMenu() {
    return {Kind::EndMenu};
}
MenuEntry item(const char* name, const char* caption, const char* key, const char* shortcut = nullptr) {
    return {Kind::Item, name, caption, key, shortcut};
}
MenuEntry check(const char* name, const char* caption, const char* key) {
    return {Kind::Check, name, caption, key};
}
MenuEntry separator() {
    return {Kind::Separator};
}

const std::vector<MenuEntry>& menuTable() {
    static const std::vector<MenuEntry> table = {
        menu("File1", "&File", "File"),
        item("New1", "&New", "New"),
        item("Open1", "&Open...", "Open"),
        item("Save1", "&Save", "Save", "Ctrl+S"),
        item("SaveAs1", "Save &As...", "SaveAs"),
        separator(),
        item("SaveAsBMPPicture1", "Save As B&MP Picture...", "SaveAsBMPPicture"),
        item("SaveAsGIFPicture1", "Save As &GIF Picture...", "SaveAsGIFPicture"),
        item("SaveAsPNGPicture1", "Save As P&NG Picture...", "SaveAsPNGPicture"),
        item("SaveAsSVGPicture1", "Save As S&VG Picture...", "SaveAsSVGPicture"),
        item("SaveAsPDF1", "Save As P&DF...", "SaveAsPDF"),
        separator(),
        item("Print1", "&Print Graph", "PrintGraph"),
        item("PrintLog1", "Print &Log", "PrintLog"),
        item("PrintSetup1", "P&rint Setup...", "PrintSetup"),
        separator(),
        item("Exit1", "E&xit", "Exit"),
        endMenu(),

        menu("Edit1", "&Edit", "Edit"),
        item("CopyGraphAsWMFPicture1",
             "Copy Graph As &WMF Picture  (Best Quality, for MS Word, Corel Draw etc)",
             "CopyGraphAsWMFPicture", "Ctrl+C"),
        item("CopyGraphAsBMPPicture1", "Copy Graph As B&MP Picture  (for WordPad and older programs)",
             "CopyGraphAsBMPPicture"),
        endMenu(),

        menu("Functions1", "&Functions", "Functions"),
        item("Raised1", "^ (&Raised)", "Raised"),
        item("Sqrt1", "S&qrt", "Sqrt"),
        item("Cbrt1", "Cbrt", "Cbrt"),
        separator(),
        item("Sin1", "&Sin", "Sin"),
        item("Cos1", "&Cos", "Cos"),
        item("Tan1", "&Tan", "Tan"),
        item("ArcSin1", "&ArcSin", "ArcSin"),
        item("ArcCos1", "ArcC&os", "ArcCos"),
        item("ArcTan1", "ArcTa&n", "ArcTan"),
        separator(),
        item("Ln1", "&Ln", "Ln"),
        item("Log1", "Lo&g", nullptr),
        item("N10Exp1", "&10^", "10Raised"),
        separator(),
        item("Random1", "Rando&m", "Random"),
        item("Int1", "&Int", "Int"),
        item("Abs1", "A&bs", "Abs"),
        item("e1", "&e", "e"),
        item("Pi1", "&pi", "pi"),
        separator(),
        item("ddx1", "&d/dx", "ddx"),
        item("Derivative1", "Derivative", "Derivative", "Ctrl+D"),
        item("Tangent1", "Tangent", "Tangent", "Ctrl+T"),
        item("Normal1", "Normal", "Normal", "Ctrl+N"),
        endMenu(),

        menu("Graph1", "&Graph", "Graph"),
        item("ToggleFrame1", "Toggle &Frame", "ToggleFrame"),
        item("Zoomin1", "Zoom &In", "ZoomIn"),
        item("ZoomOut1", "Zoom &Out", "ZoomOut"),
        item("ZoomBox1", "Zoom &Box", "ZoomBox"),
        item("UndoZoom1", "&Undo Zoom", "UndoZoom"),
        endMenu(),

        menu("Solve1", "&Solve", "Solve"),
        item("Root1", "&Root", "Root", "Ctrl+R"),
        item("Max1", "Ma&ximum", "Maximum", "Ctrl+X"),
        item("Min1", "Mi&nimum", "Minimum", "Ctrl+N"),
        item("YIntersection1", "Y-In&tersection", "YIntersection", "Ctrl+T"),
        item("Intersection1", "&Intersection", "Intersection", "Ctrl+I"),
        item("YCalc1", "&Y-Calc", "YCalc", "Ctrl+Y"),
        item("XCalc1", "&X-Calc", "XCalc", "Ctrl+X"),
        endMenu(),

        menu("Extra1", "E&xtra", "Extra"),
        item("ValueTable1", "&Value Table...", "ValueTable"),
        endMenu(),

        menu("Options1", "&Options", "Options"),
        item("Language1", "&Language", "SelectLanguage"),
        item("Zoomfactor1", "&Zoom-factor...", "ZoomFactor"),
        menu("Angles1", "&Angles", "Angles"),
        check("Degrees1", "&Degrees", "Degrees"),
        check("Radians1", "&Radians", "Radians"),
        endMenu(),
        item("AxisText1", "Axis &Text...", "AxisText"),
        item("AxisTextFont1", "Axis Text &Font...", "AxisTextFont"),
        menu("Lines1", "Lines", "Lines"),
        check("DottedLines1", "Dotted", "Dotted"),
        check("NormalLines1", "Normal", "Normal"),
        check("BoldLines1", "&Bold", "Bold"),
        endMenu(),
        item("EmptyFunctionHistory1", "&Empty Function History Box", "EmptyFunctionHistoryBox"),
        separator(),
        check("Axis1", "&Show Axis", "ShowAxis"),
        check("Grid1", "Show &Grid", "ShowGrid"),
        check("ScaleText1", "Show &Scale Text", "ShowScaleText"),
        check("FunctionNames1", "Show Function &Names", "ShowFunctionNames"),
        endMenu(),

        menu("Window", "&Window", "Window"),
        item("MakeGraphWindowQuadratic1", "Make Graph Window &Quadratic", "MakeGraphWindowQuadratic"),
        item("DefaultPosition1", "&Default Position", "DefaultPosition"),
        separator(),
        item("LoadPosition1", "&Load Position", "LoadPosition"),
        item("Sparafnsterposition1", "&Save Position", "SavePosition"),
        endMenu(),

        menu("Tessaly1", "&Tessaly", nullptr),
        item("Start1", "&Start", nullptr),
        item("Information1", "&Information", nullptr),
        endMenu(),

        menu("Help1", "&Help", "Help"),
        item("Contents1", "&Contents", "Contents"),
        item("IntroductoryLetter1", "Introductory &Letter", "IntroductoryLetter"),
        item("Survey1", "&Survey", "Survey"),
        menu("Internet1", "&Internet", "Internet"),
        item("OrvaneHomePage1", "&Orvane Home Page", "OrvaneHomePage"),
        item("QuorraHomePage1", "&Quorra Home Page", "QuorraHomePage"),
        item("InterestedintranslatingQuorra1", "&Interested in translating Quorra?",
             "InterestedInTranslating"),
        endMenu(),
        separator(),
        item("About1", "&About...", "About"),
        endMenu(),
    };
    return table;
}

// One toolbar button: its name, the menu item whose action it shares (or none), the key of its
// hint, its picture, and whether a gap separates it from the button before.
struct ToolButtonEntry {
    const char* name;
    const char* menuItem;
    const char* hintKey;
    const char* icon;
    bool startsGroup;
};

constexpr ToolButtonEntry ToolButtons[] = {
    {"toolbtnFunctionMode", nullptr, "FunctionMode", "function_mode", false},
    {"toolbtnIntegralMode", nullptr, "IntegralMode", "integral_mode", false},
    {"toolbtnPlotFunction", nullptr, "PlotFunction", "plot_function", true},
    {"toolbtnEraseFunction", nullptr, "EraseFunction", "erase_function", false},
    {"toolbtnZoomIn", "Zoomin1", "ZoomIn", "zoom_in", true},
    {"toolbtnZoomOut", "ZoomOut1", "ZoomOut", "zoom_out", false},
    {"toolbtnZoomBox", "ZoomBox1", "ZoomBox", "zoom_box", false},
    {"toolbtnUndoZoom", "UndoZoom1", "UndoZoom", "undo_zoom", false},
    {"toolbtnRoot", "Root1", "Root", "root", true},
    {"toolbtnMax", "Max1", "Maximum", "maximum", false},
    {"toolbtnMin", "Min1", "Minimum", "minimum", false},
    {"toolbtnYIntersection", "YIntersection1", "YIntersection", "y_intersection", false},
    {"toolbtnIntersection", "Intersection1", "Intersection", "intersection", false},
    {"toolbtnYCalc", "YCalc1", "YCalc", "y_calc", false},
    {"toolbtnXCalc", "XCalc1", "XCalc", "x_calc", false},
    {"toolbtnTrace", nullptr, "Trace", "trace", true},
};

} // namespace

CommandTable::CommandTable(QWidget& owner, QMenuBar& menuBar, QToolBar& toolBar) {
    buildMenus(owner, menuBar);
    buildToolBar(owner, toolBar);
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
            menus_.insert(QLatin1String(entry.name), newMenu);
            actions_.insert(QLatin1String(entry.name), menuAction);
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
            auto* action = new QAction(QString::fromUtf8(entry.caption), &owner);
            action->setObjectName(QLatin1String(entry.name));
            action->setCheckable(entry.kind == Kind::Check);
            if (entry.key)
                action->setProperty(TranslationKeyProperty, QLatin1String(entry.key));
            if (entry.shortcut && !givenShortcuts.contains(QLatin1String(entry.shortcut))) {
                givenShortcuts.insert(QLatin1String(entry.shortcut));
                action->setShortcut(QKeySequence(QLatin1String(entry.shortcut)));
            }
            open.back()->addAction(action);
            actions_.insert(QLatin1String(entry.name), action);
            break;
        }
        }
    }
}

void CommandTable::buildToolBar(QWidget& owner, QToolBar& toolBar) {
    for (const ToolButtonEntry& button : ToolButtons) {
        if (button.startsGroup)
            toolBar.addSeparator();
        QAction* action = nullptr;
        if (button.menuItem) {
            action = actions_.value(QLatin1String(button.menuItem));
        } else {
            action = new QAction(&owner);
            action->setObjectName(QLatin1String(button.name));
            actions_.insert(QLatin1String(button.name), action);
        }
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(button.icon))));
        action->setProperty(HintKeyProperty, QLatin1String(button.hintKey));
        toolBar.addAction(action);
        toolBar.widgetForAction(action)->setObjectName(QLatin1String(button.name));
    }
}

QAction* CommandTable::action(const QString& name) const {
    return actions_.value(name);
}

bool CommandTable::isCommandShortcut(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    return std::any_of(actions_.cbegin(), actions_.cend(), [&pressed](const QAction* action) {
        return action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed;
    });
}

QMenu* CommandTable::menu(const QString& name) const {
    return menus_.value(name);
}

void CommandTable::translate() {
    for (QAction* action : std::as_const(actions_)) {
        const QString key = action->property(TranslationKeyProperty).toString();
        if (!key.isEmpty())
            action->setText(caption(key.toStdString(), action->text()));
        const QString hintKey = action->property(HintKeyProperty).toString();
        if (!hintKey.isEmpty())
            action->setToolTip(plainText(hintKey.toStdString(), action->toolTip()));
    }
}

} // namespace plotter
