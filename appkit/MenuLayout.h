#pragma once

namespace appkit {

// One line of a menu bar's layout, in order: a menu (or submenu) opens with its id, object name,
// default caption and translation key (none: never translated), its items and separators follow,
// and it closes. `CommandId` and `MenuId` are the window's enums of commands and menus.
template <typename CommandId, typename MenuId> struct MenuLine {
    enum class Kind { Menu, EndMenu, Item, Separator };
    Kind kind;
    MenuId menu{};
    const char* name = nullptr;
    const char* caption = nullptr;
    const char* key = nullptr;
    CommandId command{};

    static MenuLine open(MenuId menu, const char* name, const char* caption, const char* key) {
        return {Kind::Menu, menu, name, caption, key};
    }
    static MenuLine close() { return {Kind::EndMenu}; }
    static MenuLine item(CommandId command) {
        return {Kind::Item, MenuId{}, nullptr, nullptr, nullptr, command};
    }
    static MenuLine separator() { return {Kind::Separator}; }
};

} // namespace appkit
