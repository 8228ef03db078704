#pragma once

#include "../common/TempFolder.h"
#include "../support/ScriptedInteraction.h"
#include "common/IniFile.h"
#include "regshell/DataWindowHost.h"
#include "regshell/TForm3.h"
#include "regshell/TForm3ListsGrid.h"
#include "regshell/TessalySettings.h"
#include "translation/Translator.h"

#include <QApplication>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

// The main window's part as the Data window sees it: counts what it is asked to do.
class FakeDataWindowHost : public regshell::DataWindowHost {
public:
    ScriptedInteraction scripted;
    int modifiedCount = 0;
    int redrawCount = 0;
    int selectedColumn = 1;
    int clientWidth = 1000;
    QFont font{QStringLiteral("Sans"), 8};
    std::vector<std::pair<int, int>> graphPlacements; // left, width

    void setModified() override { ++modifiedCount; }
    void redrawGraph() override { ++redrawCount; }
    QFont graphFont() const override { return font; }
    void applyGraphFont(const QFont& chosen) override { font = chosen; }
    int mainClientWidth() const override { return clientWidth; }
    void placeGraphWindow(int left, int width) override { graphPlacements.emplace_back(left, width); }
    int selectedListColumn() const override { return selectedColumn; }
    appkit::Interaction& interaction() override { return scripted; }
};

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
