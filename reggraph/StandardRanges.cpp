#include "reggraph/StandardRanges.h"

namespace reggraph {

common::RangeTexts readStandardRange(const common::IniFile& settings, StandardRange which) {
    const bool first = which == StandardRange::First;
    return common::readRangeTexts(settings, first ? "Range1" : "Range2",
                                  first ? StandardRange1Defaults : StandardRange2Defaults);
}

} // namespace reggraph
