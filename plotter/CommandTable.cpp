#include "plotter/CommandTable.h"

#include "appkit/MenuLayout.h"
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

using MenuLine = appkit::MenuLine<CommandId, MenuId>;

const std::vector<MenuLine>& menuLayout() {
    static const std::vector<MenuLine> layout = {
        MenuLine::open(MenuId::File, "File1", "&File", "File"),
        MenuLine::item(CommandId::New),
        MenuLine::item(CommandId::Open),
        MenuLine::item(CommandId::Save),
        MenuLine::item(CommandId::SaveAs),
        MenuLine::separator(),
        MenuLine::item(CommandId::SaveAsBmpPicture),
        MenuLine::item(CommandId::SaveAsGifPicture),
        MenuLine::item(CommandId::SaveAsPngPicture),
        MenuLine::item(CommandId::SaveAsSvgPicture),
        MenuLine::item(CommandId::SaveAsPdf),
        MenuLine::separator(),
        MenuLine::item(CommandId::PrintGraph),
        MenuLine::item(CommandId::PrintLog),
        MenuLine::item(CommandId::PrintSetup),
        MenuLine::separator(),
        MenuLine::item(CommandId::Exit),
        MenuLine::close(),

        MenuLine::open(MenuId::Edit, "Edit1", "&Edit", "Edit"),
        MenuLine::item(CommandId::CopyGraphAsVectorPicture),
        MenuLine::item(CommandId::CopyGraphAsBitmap),
        MenuLine::close(),

        MenuLine::open(MenuId::Functions, "Functions1", "&Functions", "Functions"),
        MenuLine::item(CommandId::Raised),
        MenuLine::item(CommandId::Sqrt),
        MenuLine::item(CommandId::Cbrt),
        MenuLine::separator(),
        MenuLine::item(CommandId::Sin),
        MenuLine::item(CommandId::Cos),
        MenuLine::item(CommandId::Tan),
        MenuLine::item(CommandId::ArcSin),
        MenuLine::item(CommandId::ArcCos),
        MenuLine::item(CommandId::ArcTan),
        MenuLine::separator(),
        MenuLine::item(CommandId::Ln),
        MenuLine::item(CommandId::Log),
        MenuLine::item(CommandId::TenRaised),
        MenuLine::separator(),
        MenuLine::item(CommandId::Random),
        MenuLine::item(CommandId::Int),
        MenuLine::item(CommandId::Abs),
        MenuLine::item(CommandId::E),
        MenuLine::item(CommandId::Pi),
        MenuLine::separator(),
        MenuLine::item(CommandId::Ddx),
        MenuLine::item(CommandId::Derivative),
        MenuLine::item(CommandId::Tangent),
        MenuLine::item(CommandId::Normal),
        MenuLine::close(),

        MenuLine::open(MenuId::Graph, "Graph1", "&Graph", "Graph"),
        MenuLine::item(CommandId::ToggleFrame),
        MenuLine::item(CommandId::ZoomIn),
        MenuLine::item(CommandId::ZoomOut),
        MenuLine::item(CommandId::ZoomBox),
        MenuLine::item(CommandId::UndoZoom),
        MenuLine::close(),

        MenuLine::open(MenuId::Solve, "Solve1", "&Solve", "Solve"),
        MenuLine::item(CommandId::Root),
        MenuLine::item(CommandId::Maximum),
        MenuLine::item(CommandId::Minimum),
        MenuLine::item(CommandId::YIntersection),
        MenuLine::item(CommandId::Intersection),
        MenuLine::item(CommandId::YCalc),
        MenuLine::item(CommandId::XCalc),
        MenuLine::close(),

        MenuLine::open(MenuId::Extra, "Extra1", "E&xtra", "Extra"),
        MenuLine::item(CommandId::ValueTable),
        MenuLine::close(),

        MenuLine::open(MenuId::Options, "Options1", "&Options", "Options"),
        MenuLine::item(CommandId::SelectLanguage),
        MenuLine::item(CommandId::ZoomFactor),
        MenuLine::open(MenuId::Angles, "Angles1", "&Angles", "Angles"),
        MenuLine::item(CommandId::Degrees),
        MenuLine::item(CommandId::Radians),
        MenuLine::close(),
        MenuLine::item(CommandId::AxisText),
        MenuLine::item(CommandId::AxisTextFont),
        MenuLine::open(MenuId::Lines, "Lines1", "Lines", "Lines"),
        MenuLine::item(CommandId::DottedLines),
        MenuLine::item(CommandId::NormalLines),
        MenuLine::item(CommandId::BoldLines),
        MenuLine::close(),
        MenuLine::item(CommandId::EmptyFunctionHistory),
        MenuLine::separator(),
        MenuLine::item(CommandId::ShowAxis),
        MenuLine::item(CommandId::ShowGrid),
        MenuLine::item(CommandId::ShowScaleText),
        MenuLine::item(CommandId::ShowFunctionNames),
        MenuLine::close(),

        MenuLine::open(MenuId::Window, "Window", "&Window", "Window"),
        MenuLine::item(CommandId::MakeGraphWindowQuadratic),
        MenuLine::item(CommandId::DefaultPosition),
        MenuLine::separator(),
        MenuLine::item(CommandId::LoadPosition),
        MenuLine::item(CommandId::SavePosition),
        MenuLine::close(),

        MenuLine::open(MenuId::Tessaly, "Tessaly1", "&Tessaly", nullptr),
        MenuLine::item(CommandId::StartTessaly),
        MenuLine::item(CommandId::TessalyInformation),
        MenuLine::close(),

        MenuLine::open(MenuId::Help, "Help1", "&Help", "Help"),
        MenuLine::item(CommandId::HelpContents),
        MenuLine::item(CommandId::IntroductoryLetter),
        MenuLine::item(CommandId::Survey),
        MenuLine::open(MenuId::Internet, "Internet1", "&Internet", "Internet"),
        MenuLine::item(CommandId::OrvaneHomePage),
        MenuLine::item(CommandId::QuorraHomePage),
        MenuLine::item(CommandId::InterestedInTranslating),
        MenuLine::close(),
        MenuLine::separator(),
        MenuLine::item(CommandId::About),
        MenuLine::close(),
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
        case MenuLine::Kind::Menu: {
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
        case MenuLine::Kind::EndMenu:
            open.pop_back();
            break;
        case MenuLine::Kind::Separator:
            open.back()->addSeparator();
            break;
        case MenuLine::Kind::Item: {
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
