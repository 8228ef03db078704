#pragma once

#include "regression/ModelKind.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace regshell {

// A command line that asks for work without a window but cannot be carried out; the message is
// the one line written to standard error.
class CommandLineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command line the program does not understand: an unknown option, an option without the work
// it belongs to, or more than one project file to open.
class CommandLineUsageError : public CommandLineError {
public:
    using CommandLineError::CommandLineError;
};

// Work the program does without a window:
//   tessaly --export=FILE [--size=WIDTHxHEIGHT] [--project=NAME] PROJECTFILE
//   tessaly --fit=MODEL [--statistics] [--digits=N] [--project=NAME] DATAFILE
//   tessaly --help
//   tessaly --version
struct CommandLineRequest {
    enum class Work { Help, Version, Export, Fit };
    Work work = Work::Help;
    std::string outputFile; // --export: a .png, .bmp, .svg or .pdf file
    int width = 800;
    int height = 600;
    // --fit: the model, or nothing for "best" (the best-curve search).
    std::optional<regression::ModelKind> model;
    bool statistics = false;            // --statistics: the coefficient statistics after the fit's block
    int digits = 10;                    // --digits: significant digits of the figures the fit prints
    std::optional<std::string> project; // the project to read; the first of the file by default
    std::string inputFile;
};

inline constexpr int LargestExportSide = 10000;
inline constexpr int MostFigureDigits = 19;

// Whether the arguments are more than the window takes: any option, or more than one file. The
// window takes no argument or the one project file it opens.
bool asksForWorkWithoutWindow(const std::vector<std::string>& arguments);

// Reads the arguments after the program name. Nothing when the window should start;
// CommandLineUsageError for a command line the program does not understand and CommandLineError
// for a request that is wrong.
std::optional<CommandLineRequest> parseCommandLine(const std::vector<std::string>& arguments);

// The lines "--help" prints.
std::vector<std::string> usageLines();

// The extension of a file name in lower case, with its dot; empty when it has none.
std::string lowerCaseExtension(const std::string& file);

} // namespace regshell
