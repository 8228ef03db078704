#pragma once

#include "appkit/CommandActions.h"
#include "plotter/CommandId.h"

#include <array>
#include <vector>

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace plotter {

using CommandRow = appkit::CommandRow<CommandId>;

// The frame's menus, menu items and toolbar buttons. Every command has one QAction, made from its
// row of the frame's command table and found by its id; a toolbar button shares the action of its
// command's menu item or, without one, the action of its own row. A shortcut that an earlier item
// in menu order already carries is not given again. The actions and QToolButton widgets keep the
// object names of their items and buttons ("Zoomin1", "toolbtnFunctionMode").
class CommandTable {
public:
    // Fills `menuBar` and `toolBar`; the actions belong to `owner`. Throws std::logic_error when a
    // command has no row or a row has no handler.
    CommandTable(QWidget& owner, QMenuBar& menuBar, QToolBar& toolBar, const std::vector<CommandRow>& rows);

    QAction& action(CommandId id) const { return actions_[id]; }
    QMenu& menu(MenuId id) const { return *menus_[std::size_t(id)]; }
    // Whether the key pressed is the shortcut of a command that can run now.
    bool isCommandShortcut(const QKeyEvent& event) const;

    // Captions of menus and items, and hints of the toolbar buttons, from the current language.
    void translate();

private:
    void buildMenus(QWidget& owner, QMenuBar& menuBar);
    void buildToolBar(QToolBar& toolBar);

    appkit::CommandActions<CommandId, CommandCount> actions_;
    std::array<const char*, CommandCount> shortcuts_{};
    std::array<QMenu*, MenuCount> menus_{};
};

} // namespace plotter
