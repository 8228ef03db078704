#include "regshell/CommandLine.h"

#include "appkit/CommandLineConventions.h"
#include "appkit/ProgramSetup.h"
#include "regshell/CommandLineData.h"
#include "regshell/CommandLineExport.h"
#include "regshell/CommandLineFit.h"
#include "regshell/CommandLineOptions.h"
#include "regshell/ProductInfo.h"
#include "translation/Translator.h"

#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace regshell {

namespace {

// Drawing needs the GUI application for fonts and painting; a fit or the usage only the core one.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[],
                                                  const std::vector<std::string>& arguments) {
    const bool drawing = std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return argument.starts_with("--export=");
    });
    if (!drawing)
        return std::make_unique<QCoreApplication>(argc, argv);
    // Nothing is shown, so no display is needed unless a platform was chosen on purpose.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

void print(const std::vector<std::string>& lines) {
    if (!appkit::printLines(lines))
        throw CommandLineError(translation::T("CmdCouldNotPrint"));
}

void runRequest(const CommandLineRequest& request, char decimalSeparator) {
    switch (request.work) {
    case CommandLineRequest::Work::Help:
        print(usageLines());
        break;
    case CommandLineRequest::Work::Version:
        print({std::string(ProductName) + " " + ProductVersion});
        break;
    case CommandLineRequest::Work::Export:
        exportProjectGraph(request, decimalSeparator);
        break;
    case CommandLineRequest::Work::Fit:
        print(fitLogLines(request.model, readFitInput(request.inputFile, request.project, decimalSeparator),
                          {request.statistics, request.digits}));
        break;
    }
}

} // namespace

std::optional<int> runWithoutWindow(int& argc, char* argv[]) {
    const std::vector<std::string> arguments = appkit::argumentsOf(argc, argv);
    if (!asksForWorkWithoutWindow(arguments))
        return std::nullopt;
    qInstallMessageHandler(appkit::keepToolkitNotesQuiet);
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv, arguments);
    QCoreApplication::setApplicationName(QLatin1String(ProductName));
    appkit::loadCommandLineLanguage("tsy", ".ini", ProductName);
    try {
        runRequest(*parseCommandLine(arguments), appkit::systemNumberSeparators().decimal);
    } catch (const CommandLineUsageError& failure) {
        std::cerr << failure.what() << '\n';
        return appkit::UnknownOptionStatus;
    } catch (const std::exception& failure) {
        // Command-line errors, and anything unforeseen such as a file too large for memory.
        std::cerr << failure.what() << '\n';
        return appkit::FailureStatus;
    }
    return 0;
}

} // namespace regshell
