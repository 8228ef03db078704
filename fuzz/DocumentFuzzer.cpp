// An opened Quorra document: an INI file whose settings block is read without any window, with
// both decimal separators, and written back; what was written must read the same again.
#include "FuzzSupport.h"

#include "common/IniFile.h"
#include "common/NumberParse.h"
#include "engine/Engine.h"
#include "graph/PlotOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = [] {
        fuzzing::loadMessages("qorEnglish.lng");
        engine::StartEngine('.', ',');
        return true;
    }();
    (void)started;
    static const std::filesystem::path path = fuzzing::scratchFile("document.qor");
    fuzzing::writeScratchFile(path, data, size);

    for (char decimalSeparator : {'.', ','}) {
        common::IniFile document(path, decimalSeparator);
        graph::PlotOptions options;
        try {
            graph::readSettingsBlock(document, options, decimalSeparator);
        } catch (const common::ConversionError&) {
            continue;
        }
        if (!graph::writeSettingsBlock(document, options, decimalSeparator))
            continue;
        graph::PlotOptions reread;
        graph::readSettingsBlock(common::IniFile(path, decimalSeparator), reread, decimalSeparator);
        FUZZ_CHECK(reread.fontName == options.fontName && reread.fontSize == options.fontSize);
        FUZZ_CHECK(reread.angleUnit == options.angleUnit && reread.showGrid == options.showGrid);
        fuzzing::writeScratchFile(path, data, size);
    }
    return 0;
}
