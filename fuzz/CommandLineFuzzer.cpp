// The command lines of both programs, one argument per line of the input: parsed as each program
// parses them before deciding whether to start its window, without doing the work they ask for.
#include "FuzzSupport.h"

#include "plotter/HeadlessExport.h"
#include "plotter/QuorraCommandLine.h"
#include "projects/ColumnTextImport.h"
#include "regshell/CommandLineOptions.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = [] {
        fuzzing::loadMessages("tsyEnglish.lng");
        return true;
    }();
    (void)started;
    std::vector<std::string> arguments(1);
    for (const char c : fuzzing::asText(data, size)) {
        if (c == '\n') {
            if (arguments.size() == 32)
                break;
            arguments.emplace_back();
        } else {
            arguments.back() += c;
        }
    }
    if (arguments.back().empty())
        arguments.pop_back();

    try {
        const std::optional<regshell::CommandLineRequest> request = regshell::parseCommandLine(arguments);
        FUZZ_CHECK(request.has_value() == regshell::asksForWorkWithoutWindow(arguments));
        if (request && (request->work == regshell::CommandLineRequest::Work::Export ||
                        request->work == regshell::CommandLineRequest::Work::Fit))
            FUZZ_CHECK(!request->inputFile.empty());
        if (request && request->work == regshell::CommandLineRequest::Work::Export)
            FUZZ_CHECK(request->width >= 1 && request->width <= regshell::LargestExportSide &&
                       request->height >= 1 && request->height <= regshell::LargestExportSide);
    } catch (const regshell::CommandLineError&) {
    }
    if (arguments.size() == 1)
        (void)projects::namesColumnTextFile(arguments.front());
    if (const auto refused = plotter::refusedOption(arguments))
        FUZZ_CHECK(refused->messageKey != nullptr && refused->argument.starts_with("-"));
    plotter::ExportRequest exportRequest;
    std::string error;
    if (plotter::parseExportArguments(arguments, exportRequest, error)) {
        FUZZ_CHECK(exportRequest.size.width() >= 1 &&
                   exportRequest.size.width() <= plotter::LargestExportSide);
        FUZZ_CHECK(exportRequest.size.height() >= 1 &&
                   exportRequest.size.height() <= plotter::LargestExportSide);
    }
    return 0;
}
