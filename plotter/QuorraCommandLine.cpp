#include "plotter/QuorraCommandLine.h"

#include "appkit/CommandLineConventions.h"
#include "plotter/HeadlessExport.h"
#include "plotter/ProductInfo.h"
#include "translation/Translator.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <iostream>

namespace plotter {

using translation::T;

bool namesDocument(const QString& argument) {
    const QFileInfo file(argument);
    return file.suffix().compare(QLatin1String("qor"), Qt::CaseInsensitive) == 0 && file.isFile();
}

std::optional<RefusedOption> refusedOption(const std::vector<std::string>& arguments) {
    const bool exporting = std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return argument.starts_with("--export=");
    });
    for (const std::string& argument : arguments) {
        if (!argument.starts_with("--") || argument == appkit::HelpOption ||
            argument == appkit::VersionOption)
            continue;
        if (!plotter::isExportOption(argument))
            return RefusedOption{"ExportUnknownOption", argument};
        if (!exporting)
            return RefusedOption{"ExportOptionAlone", argument};
    }
    return std::nullopt;
}

std::vector<std::string> usageLines() {
    return {
        T("Usage"),
        "  math [FUNCTION | DOCUMENT.QOR] ...",
        "      " + T("UsageWindow"),
        "  math --export=FILE [--size=WIDTHxHEIGHT] [--range=XMIN,XMAX,XSTEP,YMIN,YMAX,YSTEP] [--degrees] "
        "[FUNCTION] ...",
        "      " + T("UsageExport"),
        "  math --help | --version",
        "      " + T("UsageHelp"),
        T("UsageExamples"),
        "  math \"sin(x)\" \"2x^2-3x+1\" -x^2",
        "  math --export=parabola.png --size=1024x768 --range=-5,5,1,-10,10,2 \"x^2-4\"",
    };
}

std::optional<int> runWithoutWindow(int& argc, char* argv[]) {
    const std::vector<std::string> arguments = appkit::argumentsOf(argc, argv);
    const bool help = appkit::hasArgument(arguments, appkit::HelpOption);
    const bool version = appkit::hasArgument(arguments, appkit::VersionOption);
    const std::optional<RefusedOption> refused = refusedOption(arguments);
    const bool exporting = plotter::isExportCommandLine(argc, argv);
    if (!help && !version && !refused && !exporting)
        return std::nullopt;

    qInstallMessageHandler(appkit::keepToolkitNotesQuiet);
    if (!help && !version && !refused)
        return plotter::runExportProgram(argc, argv);
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(ProductName));
    appkit::loadCommandLineLanguage("qor", ".INI", ProductName);
    if (help)
        return appkit::printLines(usageLines()) ? 0 : appkit::FailureStatus;
    if (version)
        return appkit::printLines({std::string(ProductName) + " " + ProductVersion}) ? 0
                                                                                     : appkit::FailureStatus;
    std::cerr << T(refused->messageKey) << " " << refused->argument << '\n';
    return appkit::UnknownOptionStatus;
}

} // namespace plotter
