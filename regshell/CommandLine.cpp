#include "regshell/CommandLine.h"

#include "appkit/ProgramSetup.h"
#include "regshell/CommandLineData.h"
#include "regshell/CommandLineExport.h"
#include "regshell/CommandLineFit.h"
#include "regshell/CommandLineOptions.h"
#include "translation/Translator.h"

#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace regshell {

namespace {

// Standard error carries only the program's own one-line messages, not the toolkit's notes about
// its environment (such as a missing runtime folder).
void keepToolkitNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

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

void loadEnglish() {
    translation::Translator& translator = translation::translator();
    translator.setLanguageFiles(QCoreApplication::applicationDirPath().toStdString(), "tsy");
    translator.setMissingKeyHandler([](const std::string& message) { std::cerr << message << '\n'; });
    try {
        translator.LoadLanguage("English");
    } catch (const translation::LanguageLoadError& failure) {
        std::cerr << failure.what() << '\n';
    }
}

// Prints the lines; false when standard output could not take them.
bool printLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        std::cout << line << '\n';
    std::cout.flush();
    return bool(std::cout);
}

void runRequest(const CommandLineRequest& request, char decimalSeparator) {
    switch (request.work) {
    case CommandLineRequest::Work::Help:
        if (!printLines(usageLines()))
            throw CommandLineError(translation::T("CmdCouldNotPrint"));
        break;
    case CommandLineRequest::Work::Export:
        exportProjectGraph(request, decimalSeparator);
        break;
    case CommandLineRequest::Work::Fit:
        if (!printLines(fitLogLines(request.model,
                                    readFitInput(request.inputFile, request.project, decimalSeparator))))
            throw CommandLineError(translation::T("CmdCouldNotPrint"));
        break;
    }
}

} // namespace

std::optional<int> runWithoutWindow(int& argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    if (!asksForWorkWithoutWindow(arguments))
        return std::nullopt;
    qInstallMessageHandler(keepToolkitNotesQuiet);
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv, arguments);
    QCoreApplication::setApplicationName(QStringLiteral("Tessaly"));
    loadEnglish();
    try {
        runRequest(*parseCommandLine(arguments), appkit::systemNumberSeparators().decimal);
    } catch (const std::exception& failure) {
        // Command-line errors, and anything unforeseen such as a file too large for memory.
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace regshell
