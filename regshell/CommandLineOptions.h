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

// Work the program does without a window:
//   tessaly --export=FILE [--size=WIDTHxHEIGHT] [--project=NAME] PROJECTFILE
//   tessaly --fit=MODEL [--project=NAME] DATAFILE
//   tessaly --help
struct CommandLineRequest {
    enum class Work { Help, Export, Fit };
    Work work = Work::Help;
    std::string outputFile; // --export: a .png, .bmp, .svg or .pdf file
    int width = 800;
    int height = 600;
    // --fit: the model, or nothing for "best" (the best-curve search).
    std::optional<regression::ModelKind> model;
    std::optional<std::string> project; // the project to read; the first of the file by default
    std::string inputFile;
};

inline constexpr int LargestExportSide = 10000;

// Whether any argument asks for work without a window: "--export=...", "--fit=..." or "--help".
bool asksForWorkWithoutWindow(const std::vector<std::string>& arguments);

// Reads the arguments after the program name. Nothing when none of them asks for work without a
// window ("--export=...", "--fit=...", "--help"); CommandLineError for a request that is wrong.
std::optional<CommandLineRequest> parseCommandLine(const std::vector<std::string>& arguments);

// The lines "--help" prints.
std::vector<std::string> usageLines();

// The extension of a file name in lower case, with its dot; empty when it has none.
std::string lowerCaseExtension(const std::string& file);

} // namespace regshell
