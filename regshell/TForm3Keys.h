#pragma once

#include <functional>

class QTableWidget;
class QWidget;

namespace regshell {

// Reports the keys typed into the Data window's fields, so every edit can set the modified flag.
class TForm3Keys {
public:
    using KeyHandler = std::function<void(int key)>;

    // Keys typed into the widget.
    static void watch(QWidget& widget, KeyHandler handler);
    // Keys typed into the grid and into its cell editors.
    static void watchGrid(QTableWidget& grid, KeyHandler handler);
};

} // namespace regshell
