#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace plotter {

// Whether a command-line argument names a graph document to open rather than a function text: an
// existing file whose extension is ".QOR" in any letter case.
bool namesDocument(const QString& argument);

// The first option the command line does not understand, with the key of its message: an unknown
// "--" option, or an option of --export without --export. Function texts that start with a single
// "-" (-x^2) are no options.
struct RefusedOption {
    const char* messageKey;
    std::string argument;
};
std::optional<RefusedOption> refusedOption(const std::vector<std::string>& arguments);

// The lines "--help" prints.
std::vector<std::string> usageLines();

// The work the command line asks for without the main frame: --help and --version print to
// standard output, --export draws a picture file, a refused option gets one line on standard
// error. Returns the exit status (2 for a refused option), or nothing when the frame should start
// and take the arguments as function texts and documents.
std::optional<int> runWithoutWindow(int& argc, char* argv[]);

} // namespace plotter
