#pragma once

#include "appkit/CommandActions.h"
#include "appkit/MenuLayout.h"
#include "regshell/CommandId.h"

#include <QRect>
#include <QString>
#include <array>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolButton;
class QWidget;

namespace regshell {

using CommandRow = appkit::CommandRow<CommandId>;

// The menus whose enabling or captions the main window changes as a whole.
enum class MenuId {
    File,
    Edit,
    Regression,
    Simple,
    Polynomial,
    Multiple,
    Draw,
    VarAnalyze,
    Ln,
    Graph,
    Options,
    Window,
    Quorra,
    Help
};
inline constexpr std::size_t MenuCount = std::size_t(MenuId::Help) + 1;

using MenuLine = appkit::MenuLine<CommandId, MenuId>;

// A toolbar button of the command: its object name, its place in the toolbar area, its picture
// (a resource path) or caption with the caption's key, and the key of its hint.
struct ButtonLine {
    CommandId command;
    const char* name;
    QRect geometry;
    const char* icon = nullptr;
    const char* caption = nullptr;
    const char* captionKey = nullptr;
    const char* hint = nullptr;
    const char* hintKey = nullptr;
};

// The actions of every command, the menus and the toolbar buttons, built from the tables. A button
// triggers its command's action and follows its enabling; captions and hints come from the current
// language on translate().
class CommandTable {
public:
    CommandTable(QWidget& owner, std::vector<CommandRow> rows);

    QAction& action(CommandId id) const { return actions_[id]; }
    QMenu& menu(MenuId id) const { return *menus_[std::size_t(id)]; }
    QToolButton& button(CommandId id) const;

    void buildMenus(QMenuBar& menuBar, const std::vector<MenuLine>& layout);
    // Creates the buttons as children of `parent` at their places.
    void buildButtons(QWidget& parent, const std::vector<ButtonLine>& buttons);

    // Replaces every caption and hint that has a key by its translation.
    void translate();

private:
    struct TranslatedMenu {
        QMenu* menu;
        const char* key;
    };
    struct TranslatedButton {
        QToolButton* button;
        const char* captionKey;
        const char* hintKey;
    };

    std::vector<CommandRow> rows_;
    appkit::CommandActions<CommandId, CommandCount> actions_;
    std::array<QMenu*, MenuCount> menus_{};
    std::vector<TranslatedMenu> translatedMenus_;
    std::vector<TranslatedButton> buttons_;
};

} // namespace regshell
