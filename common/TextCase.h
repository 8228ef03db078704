#pragma once

#include <string>
#include <string_view>

namespace common {

// Case folding for comparisons that ignore letter case: ASCII letters and the accented letters of
// Latin-1 (as UTF-8), which covers the keys, section names and texts of both programs' files.
std::string foldCase(std::string_view text);

bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace common
