#include "reggraph/StandardRanges.h"

#include "common/IniFile.h"

namespace reggraph {

RangeTexts readStandardRange(const common::IniFile& settings, StandardRange which) {
    const bool first = which == StandardRange::First;
    const char* section = first ? "Range1" : "Range2";
    const RangeTexts& defaults = first ? StandardRange1Defaults : StandardRange2Defaults;
    RangeTexts texts;
    for (int row = 0; row < RangeRowCount; ++row)
        texts[row] = settings.readString(section, "Cells[1," + std::to_string(row) + "]", defaults[row]);
    return texts;
}

} // namespace reggraph
