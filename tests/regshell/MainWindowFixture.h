#pragma once

#include "../common/TempFolder.h"
#include "../support/ScriptedInteraction.h"
#include "appkit/Desktop.h"
#include "common/IniFile.h"
#include "regshell/TForm1.h"
#include "regshell/TForm3.h"
#include "regshell/TForm3ListsGrid.h"
#include "translation/Translator.h"

#include <QAction>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Records the programs the main window starts instead of starting them.
class RecordingDesktop : public appkit::Desktop {
public:
    std::vector<std::pair<QString, QStringList>> started;
    void startProgram(const QString& program, const QStringList& arguments) override {
        started.emplace_back(program, arguments);
    }
    void openUrl(const QUrl&) override {}
};

// A real main window, shown offscreen, over a settings file of its own in a temporary folder (which
// is also its program folder) and the English language file of the source tree.
struct MainWindowFixture {
    TempFolder folder;
    std::filesystem::path settingsPath = folder / "tessaly.ini";
    common::IniFile settings{settingsPath};
    ScriptedInteraction interaction;
    RecordingDesktop desktop;
    std::unique_ptr<TForm1> window;

    // Starts straight into the settings' default project unless the settings text says otherwise,
    // or into the project file `startFile` as when it is named on the command line.
    // `beforeShow` prepares the window before it appears, as the program's start does.
    explicit MainWindowFixture(const std::string& settingsText = "[StartWizard]\nStartupWizard=0\n",
                               const std::string& language = "English", const QString& startFile = {},
                               const std::function<void(TForm1&)>& beforeShow = {}) {
        translation::translator().loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/tsy" + language +
                                           ".lng");
        TempFolder::write(settingsPath, settingsText);
        window = std::make_unique<TForm1>(settings, interaction, desktop, appkit::NumberSeparators{'.', ','},
                                          QString::fromStdString(folder.path().string()));
        window->setStartFile(startFile);
        if (beforeShow)
            beforeShow(*window);
        window->resize(1000, 700);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the main window did not appear");
    }
    ~MainWindowFixture() {
        interaction.yesNoAnswers.assign(4, false);
        window->close();
    }

    // Waits for the start-up step that runs once the window has appeared.
    bool started() {
        return QTest::qWaitFor([this] { return window->isMainWindowEnabled(); }, 3000);
    }

    void trigger(regshell::CommandId id) { window->action(id).trigger(); }

    // Enters the cells of a list column from row 1 down, as a cell editor stores them.
    void fill(int column, const std::vector<std::string>& cells) {
        QAbstractItemModel* model = window->dataWindow().listsGrid()->model();
        for (std::size_t i = 0; i < cells.size(); ++i)
            model->setData(model->index(static_cast<int>(i), column - 1), QString::fromStdString(cells[i]));
    }

    std::vector<std::string> log() { return window->dataWindow().logLines(); }
};
