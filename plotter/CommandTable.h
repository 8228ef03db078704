#pragma once

#include <QHash>
#include <QString>

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace plotter {

// The frame's menus, menu items and toolbar buttons, built from one table. Each item is a
// QAction named like its menu item ("Zoomin1"); a toolbar button shares the action of its menu
// item, and the buttons without one get their own action named like the button
// ("toolbtnFunctionMode"). The QToolButton widgets carry the buttons' names.
class CommandTable {
public:
    // Fills `menuBar` and `toolBar`; the actions belong to `owner`.
    CommandTable(QWidget& owner, QMenuBar& menuBar, QToolBar& toolBar);

    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    const QHash<QString, QAction*>& actions() const { return actions_; }
    // Whether the key pressed is the shortcut of a command that can run now.
    bool isCommandShortcut(const QKeyEvent& event) const;

    // Captions of menus and items, and hints of the toolbar buttons, from the current language.
    void translate();

private:
    void buildMenus(QWidget& owner, QMenuBar& menuBar);
    void buildToolBar(QWidget& owner, QToolBar& toolBar);

    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
};

} // namespace plotter
