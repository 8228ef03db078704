#pragma once

#include <optional>

namespace regshell {

// Runs the work the command line asks for without a window (--export, --fit, --help): its own
// application on no display, texts from the English language file beside the program, results on
// standard output and one line on standard error for a failure. Returns the exit status (0 or 1),
// or nothing when the program should start its windows.
std::optional<int> runWithoutWindow(int& argc, char* argv[]);

} // namespace regshell
