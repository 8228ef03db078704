#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>

class QAction;
class QWidget;

namespace appkit {

// The QAction of one command: its object name, default caption, whether it carries a check mark,
// and what triggering it runs.
struct CommandAction {
    const char* name;
    const char* caption;
    bool checkable = false;
    std::function<void()> run;
};

// One row of a window's command table: the command's id, the object name of its menu item (or of
// its button when it has no menu item), its default caption, the translation key of the caption
// (none: never translated), its shortcut, whether it carries a check mark, and its handler.
template <typename Id> struct CommandRow {
    Id id;
    const char* name;
    const char* caption;
    const char* key = nullptr;
    const char* shortcut = nullptr;
    bool checkable = false;
    std::function<void()> run;
};

// Creates the action of `command`, owned by `owner`. Throws std::logic_error when the command has no
// handler, so a row without one is caught when the window starts.
QAction* newCommandAction(QWidget& owner, const CommandAction& command);

// Throws std::logic_error when one of `actions` is missing: a command without a table row.
void requireEveryAction(std::span<QAction* const> actions);

// The actions of a window's commands, one for each value of the enum `Id` (0 to Count - 1), found
// by id so that a wrong command cannot compile.
template <typename Id, std::size_t Count> class CommandActions {
public:
    QAction& add(QWidget& owner, Id id, const CommandAction& command) {
        return *(actions_[std::size_t(id)] = newCommandAction(owner, command));
    }
    // Lets an action made elsewhere stand for `id`.
    void set(Id id, QAction& action) { actions_[std::size_t(id)] = &action; }

    QAction& operator[](Id id) const { return *actions_[std::size_t(id)]; }
    std::span<QAction* const> all() const { return actions_; }
    void requireEvery() const { requireEveryAction(actions_); }

private:
    std::array<QAction*, Count> actions_{};
};

} // namespace appkit
