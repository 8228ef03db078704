#pragma once

#include "appkit/CommandActions.h"
#include "plotter/CommandId.h"

#include <array>

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace plotter {

// The frame's menus, menu items and toolbar buttons, built from one table. Every command has one
// QAction, found by its id; a toolbar button shares the action of its command's menu item, and
// the buttons without one get an action of their own. The actions and QToolButton widgets keep
// the object names of their items and buttons ("Zoomin1", "toolbtnFunctionMode").
class CommandTable {
public:
    // Fills `menuBar` and `toolBar`; the actions belong to `owner`.
    CommandTable(QWidget& owner, QMenuBar& menuBar, QToolBar& toolBar);

    QAction& action(CommandId id) const { return actions_[id]; }
    QMenu& menu(MenuId id) const { return *menus_[std::size_t(id)]; }
    // Whether the key pressed is the shortcut of a command that can run now.
    bool isCommandShortcut(const QKeyEvent& event) const;

    // Captions of menus and items, and hints of the toolbar buttons, from the current language.
    void translate();

private:
    void buildMenus(QWidget& owner, QMenuBar& menuBar);
    void buildToolBar(QWidget& owner, QToolBar& toolBar);

    appkit::CommandActions<CommandId, CommandCount> actions_;
    std::array<QMenu*, MenuCount> menus_{};
};

} // namespace plotter
