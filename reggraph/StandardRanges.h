#pragma once

#include "common/GraphRange.h"

namespace common {
class IniFile;
}

namespace reggraph {

// The two standard ranges the Data window's buttons load, with their defaults when the settings
// file does not name them.
enum class StandardRange { First, Second };

inline const common::RangeTexts StandardRange1Defaults = {"0", "12", "1", "0", "10", "1"};
inline const common::RangeTexts StandardRange2Defaults = {"-6", "6", "1", "-5", "5", "1"};

// The six texts of settings section "Range1" or "Range2", keys "Cells[1,0]" ... "Cells[1,5]".
common::RangeTexts readStandardRange(const common::IniFile& settings, StandardRange which);

} // namespace reggraph
