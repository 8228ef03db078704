#include "regshell/CommandTable.h"
#include "appkit/Translated.h"

#include "appkit/ProgramSetup.h"
#include "translation/Translator.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <stdexcept>

namespace regshell {

CommandTable::CommandTable(QWidget& owner, std::vector<CommandRow> rows) : rows_(std::move(rows)) {
    for (const CommandRow& row : rows_) {
        QAction* action = &actions_.add(owner, row.id, {row.name, row.caption, row.checkable, row.run});
        if (row.shortcut) {
            action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
            owner.addAction(action);
        }
    }
    actions_.requireEvery();
}

QToolButton& CommandTable::button(CommandId id) const {
    for (const TranslatedButton& line : buttons_)
        if (line.button->property("command").toInt() == int(id))
            return *line.button;
    throw std::logic_error("the command has no toolbar button");
}

void CommandTable::buildMenus(QMenuBar& menuBar, const std::vector<MenuLine>& layout) {
    std::vector<QMenu*> open;
    for (const MenuLine& line : layout) {
        switch (line.kind) {
        case MenuLine::Kind::Menu: {
            const QString caption = QString::fromUtf8(line.caption);
            QMenu* menu = open.empty() ? menuBar.addMenu(caption) : open.back()->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(line.name));
            menus_[std::size_t(line.menu)] = menu;
            if (line.key)
                translatedMenus_.push_back({menu, line.key});
            open.push_back(menu);
            break;
        }
        case MenuLine::Kind::EndMenu:
            open.pop_back();
            break;
        case MenuLine::Kind::Item:
            open.back()->addAction(&action(line.command));
            break;
        case MenuLine::Kind::Separator:
            open.back()->addSeparator();
            break;
        }
    }
}

void CommandTable::buildButtons(QWidget& parent, const std::vector<ButtonLine>& buttons) {
    for (const ButtonLine& line : buttons) {
        auto* button = new QToolButton(&parent);
        button->setObjectName(QString::fromLatin1(line.name));
        button->setProperty("command", int(line.command));
        button->setGeometry(line.geometry);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        if (line.icon) {
            button->setIcon(QIcon(QString::fromLatin1(line.icon)));
            button->setIconSize(line.geometry.size() - QSize(6, 6));
        }
        if (line.caption)
            button->setText(QString::fromUtf8(line.caption));
        if (line.hint)
            button->setToolTip(QString::fromUtf8(line.hint));
        QAction* action = &this->action(line.command);
        QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
        button->setEnabled(action->isEnabled());
        QObject::connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
        buttons_.push_back({button, line.captionKey, line.hintKey});
    }
}

void CommandTable::translate() {
    for (const CommandRow& row : rows_)
        if (row.key)
            action(row.id).setText(appkit::translated(row.key));
    for (const TranslatedMenu& line : translatedMenus_)
        line.menu->setTitle(appkit::translated(line.key));
    for (const TranslatedButton& line : buttons_) {
        if (line.captionKey)
            line.button->setText(appkit::translated(line.captionKey));
        if (line.hintKey)
            line.button->setToolTip(appkit::translated(line.hintKey));
    }
}

} // namespace regshell
