#pragma once

#include "common/IniFile.h"
#include "graph/TGraphWindow.h"
#include "plotter/TLogWindow.h"
#include "plotter/TMDIFrame.h"
#include "tests/common/TempFolder.h"
#include "tests/support/ScriptedInteraction.h"
#include "translation/Translator.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>
#include <memory>

using plotter::CommandId;

namespace QTest {
// A range grid's texts in a failed comparison: "[-7|7|1|-5|5|1]".
template <> inline char* toString(const common::RangeTexts& texts) {
    std::string joined;
    for (const std::string& text : texts)
        joined += (joined.empty() ? "[" : "|") + text;
    return qstrdup((joined + "]").c_str());
}
} // namespace QTest

// A real frame, shown offscreen, with its own settings file in a temporary folder and the
// English language file of the source tree. Settings written before start() are read by it.
struct FrameFixture {
    TempFolder folder;
    std::filesystem::path settingsPath = folder / "math.INI";
    common::IniFile settings{settingsPath};
    ScriptedInteraction interaction;
    std::unique_ptr<TMDIFrame> frame;

    FrameFixture() { translation::translator().setLanguageFiles(QUORRA_LANGUAGE_SOURCE_DIR, "qor"); }
    ~FrameFixture() {
        if (frame)
            frame->close();
    }

    TMDIFrame& start() { return start(settings); }
    TMDIFrame& start(common::IniFile& settingsFile) {
        frame = std::make_unique<TMDIFrame>(settingsFile, interaction, appkit::NumberSeparators{'.', ','});
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame.get()))
            qWarning("the frame did not appear");
        return *frame;
    }

    // Closes the frame as the user does, which writes the settings and histories.
    void closeFrame() {
        frame->close();
        frame.reset();
    }

    void trigger(plotter::CommandId command) { frame->command(command)->trigger(); }

    // Types `text` into the entry box and presses Enter.
    void typeAndEnter(const QString& text) {
        QLineEdit* edit = frame->entryBox()->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

// The function texts the frame's graph has plotted, in order.
inline QStringList plottedFunctionTexts(TMDIFrame& frame) {
    QStringList texts;
    for (const std::string& text : frame.graphWindow()->graph().plottedFunctions())
        texts.append(QString::fromStdString(text));
    return texts;
}
