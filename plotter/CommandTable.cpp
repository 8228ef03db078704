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

enum class Kind { Menu, EndMenu, Item, Separator };

// One line of the menu bar's layout, in order: a menu (or submenu) opens with its object name,
// default caption and translation key (null: never translated), its items and separators follow,
// and it closes.
struct MenuLine {
    Kind kind;
    MenuId menu = MenuId::File;
    const char* name = nullptr;
    const char* caption = nullptr;
    const char* key = nullptr;
    CommandId command = CommandId::New;
};

MenuLine openMenu(MenuId id, const char* name, const char* caption, const char* key) {
    return {Kind::Menu, id, name, caption, key};
}
MenuLine closeMenu() {
    return {Kind::EndMenu};
}
MenuLine menuItem(CommandId command) {
    return {Kind::Item, MenuId::File, nullptr, nullptr, nullptr, command};
}
MenuLine menuSeparator() {
    return {Kind::Separator};
}

const std::vector<MenuLine>& menuLayout() {
    static const std::vector<MenuLine> layout = {
        openMenu(MenuId::File, "File1", "&File", "File"),
        menuItem(CommandId::New),
        menuItem(CommandId::Open),
        menuItem(CommandId::Save),
        menuItem(CommandId::SaveAs),
        menuSeparator(),
        menuItem(CommandId::SaveAsBmpPicture),
        menuItem(CommandId::SaveAsGifPicture),
        menuItem(CommandId::SaveAsPngPicture),
        menuItem(CommandId::SaveAsSvgPicture),
        menuItem(CommandId::SaveAsPdf),
        menuSeparator(),
        menuItem(CommandId::PrintGraph),
        menuItem(CommandId::PrintLog),
        menuItem(CommandId::PrintSetup),
        menuSeparator(),
        menuItem(CommandId::Exit),
        closeMenu(),
        openMenu(MenuId::Edit, "Edit1", "&Edit", "Edit"),
        menuItem(CommandId::CopyGraphAsVectorPicture),
        menuItem(CommandId::CopyGraphAsBitmap),
        closeMenu(),
        openMenu(MenuId::Functions, "Functions1", "&Functions", "Functions"),
        menuItem(CommandId::Raised),
        menuItem(CommandId::Sqrt),
        menuItem(CommandId::Cbrt),
        menuSeparator(),
        menuItem(CommandId::Sin),
        menuItem(CommandId::Cos),
        menuItem(CommandId::Tan),
        menuItem(CommandId::ArcSin),
        menuItem(CommandId::ArcCos),
        menuItem(CommandId::ArcTan),
        menuSeparator(),
        menuItem(CommandId::Ln),
        menuItem(CommandId::Log),
        menuItem(CommandId::TenRaised),
        menuSeparator(),
        menuItem(CommandId::Random),
        menuItem(CommandId::Int),
        menuItem(CommandId::Abs),
        menuItem(CommandId::E),
        menuItem(CommandId::Pi),
        menuSeparator(),
        menuItem(CommandId::Ddx),
        menuItem(CommandId::Derivative),
        menuItem(CommandId::Tangent),
        menuItem(CommandId::Normal),
        closeMenu(),
        openMenu(MenuId::Graph, "Graph1", "&Graph", "Graph"),
        menuItem(CommandId::ToggleFrame),
        menuItem(CommandId::ZoomIn),
        menuItem(CommandId::ZoomOut),
        menuItem(CommandId::ZoomBox),
        menuItem(CommandId::UndoZoom),
        closeMenu(),
        openMenu(MenuId::Solve, "Solve1", "&Solve", "Solve"),
        menuItem(CommandId::Root),
        menuItem(CommandId::Maximum),
        menuItem(CommandId::Minimum),
        menuItem(CommandId::YIntersection),
        menuItem(CommandId::Intersection),
        menuItem(CommandId::YCalc),
        menuItem(CommandId::XCalc),
        closeMenu(),
        openMenu(MenuId::Extra, "Extra1", "E&xtra", "Extra"),
        menuItem(CommandId::ValueTable),
        closeMenu(),
        openMenu(MenuId::Options, "Options1", "&Options", "Options"),
        menuItem(CommandId::SelectLanguage),
        menuItem(CommandId::ZoomFactor),
        openMenu(MenuId::Angles, "Angles1", "&Angles", "Angles"),
        menuItem(CommandId::Degrees),
        menuItem(CommandId::Radians),
        closeMenu(),
        menuItem(CommandId::AxisText),
        menuItem(CommandId::AxisTextFont),
        openMenu(MenuId::Lines, "Lines1", "Lines", "Lines"),
        menuItem(CommandId::DottedLines),
        menuItem(CommandId::NormalLines),
        menuItem(CommandId::BoldLines),
        closeMenu(),
        menuItem(CommandId::EmptyFunctionHistory),
        menuSeparator(),
        menuItem(CommandId::ShowAxis),
        menuItem(CommandId::ShowGrid),
        menuItem(CommandId::ShowScaleText),
        menuItem(CommandId::ShowFunctionNames),
        closeMenu(),
        openMenu(MenuId::Window, "Window", "&Window", "Window"),
        menuItem(CommandId::MakeGraphWindowQuadratic),
        menuItem(CommandId::DefaultPosition),
        menuSeparator(),
        menuItem(CommandId::LoadPosition),
        menuItem(CommandId::SavePosition),
        closeMenu(),
        openMenu(MenuId::Tessaly, "Tessaly1", "&Tessaly", nullptr),
        menuItem(CommandId::StartTessaly),
        menuItem(CommandId::TessalyInformation),
        closeMenu(),
        openMenu(MenuId::Help, "Help1", "&Help", "Help"),
        menuItem(CommandId::HelpContents),
        menuItem(CommandId::IntroductoryLetter),
        menuItem(CommandId::Survey),
        openMenu(MenuId::Internet, "Internet1", "&Internet", "Internet"),
        menuItem(CommandId::OrvaneHomePage),
        menuItem(CommandId::QuorraHomePage),
        menuItem(CommandId::InterestedInTranslating),
        closeMenu(),
        menuSeparator(),
        menuItem(CommandId::About),
        closeMenu(),
    };
    return layout;
}

// One toolbar button: its command, its object name, the key of its hint, its picture, and whether a
// gap separates it from the button before.
struct ToolButtonEntry {
    CommandId command;
    const char* name;
    const char* hintKey;
    const char* icon;
    bool startsGroup;
};

constexpr ToolButtonEntry ToolButtons[] = {
    {CommandId::FunctionMode, "toolbtnFunctionMode", "FunctionMode", "function_mode", false},
    {CommandId::IntegralMode, "toolbtnIntegralMode", "IntegralMode", "integral_mode", false},
    {CommandId::PlotFunction, "toolbtnPlotFunction", "PlotFunction", "plot_function", true},
    {CommandId::EraseFunction, "toolbtnEraseFunction", "EraseFunction", "erase_function", false},
    {CommandId::ZoomIn, "toolbtnZoomIn", "ZoomIn", "zoom_in", true},
    {CommandId::ZoomOut, "toolbtnZoomOut", "ZoomOut", "zoom_out", false},
    {CommandId::ZoomBox, "toolbtnZoomBox", "ZoomBox", "zoom_box", false},
    {CommandId::UndoZoom, "toolbtnUndoZoom", "UndoZoom", "undo_zoom", false},
    {CommandId::Root, "toolbtnRoot", "Root", "root", true},
    {CommandId::Maximum, "toolbtnMax", "Maximum", "maximum", false},
    {CommandId::Minimum, "toolbtnMin", "Minimum", "minimum", false},
    {CommandId::YIntersection, "toolbtnYIntersection", "YIntersection", "y_intersection", false},
    {CommandId::Intersection, "toolbtnIntersection", "Intersection", "intersection", false},
    {CommandId::YCalc, "toolbtnYCalc", "YCalc", "y_calc", false},
    {CommandId::XCalc, "toolbtnXCalc", "XCalc", "x_calc", false},
    {CommandId::Trace, "toolbtnTrace", "Trace", "trace", true},
};

} // namespace

CommandTable::CommandTable(QWidget& owner, QMenuBar& menuBar, QToolBar& toolBar,
                           const std::vector<CommandRow>& rows) {
    for (const CommandRow& row : rows) {
        QAction& action = actions_.add(owner, row.id, {row.name, row.caption, row.checkable, row.run});
        if (row.key)
            action.setProperty(TranslationKeyProperty, QLatin1String(row.key));
        shortcuts_[std::size_t(row.id)] = row.shortcut;
    }
    actions_.requireEvery();
    buildMenus(owner, menuBar);
    buildToolBar(toolBar);
}

void CommandTable::buildMenus(QWidget& owner, QMenuBar& menuBar) {
    std::vector<QMenu*> open;
    QSet<QString> givenShortcuts;
    for (const MenuLine& line : menuLayout()) {
        switch (line.kind) {
        case Kind::Menu: {
            auto* newMenu = new QMenu(QString::fromUtf8(line.caption), &owner);
            newMenu->setObjectName(QLatin1String(line.name));
            QAction* menuAction = open.empty() ? menuBar.addMenu(newMenu) : open.back()->addMenu(newMenu);
            menuAction->setObjectName(QLatin1String(line.name));
            if (line.key)
                menuAction->setProperty(TranslationKeyProperty, QLatin1String(line.key));
            menus_[std::size_t(line.menu)] = newMenu;
            open.push_back(newMenu);
            break;
        }
        case Kind::EndMenu:
            open.pop_back();
            break;
        case Kind::Separator:
            open.back()->addSeparator();
            break;
        case Kind::Item: {
            QAction& action = actions_[line.command];
            const char* shortcut = shortcuts_[std::size_t(line.command)];
            if (shortcut && !givenShortcuts.contains(QLatin1String(shortcut))) {
                givenShortcuts.insert(QLatin1String(shortcut));
                action.setShortcut(QKeySequence(QLatin1String(shortcut)));
            }
            open.back()->addAction(&action);
            break;
        }
        }
    }
}

void CommandTable::buildToolBar(QToolBar& toolBar) {
    for (const ToolButtonEntry& button : ToolButtons) {
        if (button.startsGroup)
            toolBar.addSeparator();
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
