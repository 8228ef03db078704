#include "appkit/CommandActions.h"

#include <QAction>
#include <QWidget>
#include <algorithm>
#include <stdexcept>
#include <string>

namespace appkit {

QAction* newCommandAction(QWidget& owner, const CommandAction& command) {
    if (!command.run)
        throw std::logic_error(std::string("the command ") + command.name + " has no handler");
    auto* action = new QAction(QString::fromUtf8(command.caption), &owner);
    action->setObjectName(QString::fromLatin1(command.name));
    action->setCheckable(command.checkable);
    QObject::connect(action, &QAction::triggered, action, [run = command.run] { run(); });
    return action;
}

void requireEveryAction(std::span<QAction* const> actions) {
    if (std::find(actions.begin(), actions.end(), nullptr) != actions.end())
        throw std::logic_error("a command has no row in the command table");
}

} // namespace appkit
