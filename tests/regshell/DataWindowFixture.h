#pragma once

#include "../common/TempFolder.h"
#include "FakeDataWindowHost.h"
#include "common/IniFile.h"
#include "regshell/TForm3.h"
#include "regshell/TForm3ListsGrid.h"
#include "regshell/TessalySettings.h"
#include "translation/Translator.h"

#include <QApplication>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

// A shown Data window over a settings file of its own, with English texts.
struct DataWindowFixture {
    TempFolder folder;
    common::IniFile ini{folder / "tessaly.ini"};
    regshell::TessalySettings settings{ini};
    FakeDataWindowHost host;
    std::unique_ptr<TForm3> window;
    bool exposed = false;

    explicit DataWindowFixture(const std::string& settingsText = {}) {
        translation::translator().loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/tsyEnglish.lng");
        TempFolder::write(folder / "tessaly.ini", settingsText);
        window = std::make_unique<TForm3>(host, settings);
        window->resize(400, 600);
        window->show();
        window->activateWindow();
        exposed = QTest::qWaitForWindowExposed(window.get());
    }

    // Fills list columns from row 1 down, as typed.
    void fill(int column, const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            window->lists().setCell(column, static_cast<int>(i) + 1, cells[i]);
        window->listsChanged();
    }

    std::string cell(int column, int row) { return std::string(window->lists().cell(column, row)); }

    // Keys go where the keyboard sends them: to the focused widget, which is the open cell editor
    // once typing has started.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), key, modifiers);
    }
    void type(const QString& text) {
        for (const QChar c : text) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : window.get(), c.toLatin1());
        }
    }
};
