// An opened Quorra document read by a real main frame without a display: the mode, the settings
// block, the range texts and the plotted functions or integrals, drawn into the graph.
#include "FuzzSupport.h"

#include "common/IniFile.h"
#include "plotter/TMDIFrame.h"
#include "tests/support/ScriptedInteraction.h"

#include <QApplication>
#include <memory>

namespace {

// One application and one frame for the whole run, as in the program.
struct OffscreenFrame {
    OffscreenFrame() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QApplication>(argc, argv);
        translation::translator().setLanguageFiles(QUORRA_LANGUAGE_SOURCE_DIR, "qor");
        frame = std::make_unique<TMDIFrame>(settings, interaction, appkit::NumberSeparators{'.', ','});
        frame->show();
    }

    int argc = 1;
    char name[20] = "fuzz_frame_document";
    char* argv[2] = {name, nullptr};
    common::IniFile settings{fuzzing::scratchFile("math.INI")};
    ScriptedInteraction interaction;
    std::unique_ptr<QApplication> application;
    std::unique_ptr<TMDIFrame> frame;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OffscreenFrame* const offscreen = new OffscreenFrame;
    static const std::filesystem::path path = fuzzing::scratchFile("document.QOR");
    fuzzing::writeScratchFile(path, data, size);
    offscreen->frame->readDocument(QString::fromStdString(path.string()));
    QCoreApplication::processEvents();
    offscreen->interaction.clear();
    return 0;
}
