#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace regshell {

// Longest function text handed over for one equation line.
inline constexpr std::size_t kHandoverTextLimit = 255;

// Longest command line Quorra is started with, counted as the old platform counted it: the program's
// file name, then per function a blank, a double quote, the text and a double quote. 32767 characters
// was that platform's limit for a started program's command line.
inline constexpr std::size_t kCommandLineLimit = 32767;

// The function text Quorra plots for one equation line of the function label list: what follows the
// first " = " (the whole line when there is none), cut to its first 255 characters, then every
// occurrence of the X name replaced by "x", searching again from the start after each replacement.
// The match is exact and case-sensitive, also inside words and numbers. An empty X name, or "x"
// itself, changes nothing.
std::string handoverText(std::string_view equationLine, std::string_view xName);

// The arguments Quorra is started with: one function text per chosen equation line, in order.
// A function that would not fit whole on a command line of `commandLineLimit` characters is left out
// rather than cut, and counted.
struct Handover {
    std::vector<std::string> arguments;
    std::size_t leftOut = 0;
};
Handover prepareHandover(const std::vector<std::string>& equationLines, std::string_view xName,
                         std::string_view programFileName, std::size_t commandLineLimit = kCommandLineLimit);

} // namespace regshell
