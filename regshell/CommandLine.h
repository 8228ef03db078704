#pragma once

#include <optional>

namespace regshell {

// Runs the work the command line asks for without a window (--export, --fit, --help, --version): its
// own application on no display, texts from the English language file, results on standard output
// and one line on standard error for a failure. Returns the exit status (0, 1 for work that failed,
// 2 for a command line that is not understood), or nothing when the program should start its
// windows, with no argument or the one project file to open.
std::optional<int> runWithoutWindow(int& argc, char* argv[]);

} // namespace regshell
