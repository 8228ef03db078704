#include "regshell/CommandLineOptions.h"

#include "appkit/CommandLineConventions.h"
#include "common/NumberParse.h"
#include "common/TextCase.h"
#include "translation/Translator.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

namespace regshell {

namespace {

using translation::T;

constexpr std::string_view ExportOption = "--export=";
constexpr std::string_view FitOption = "--fit=";
constexpr std::string_view SizeOption = "--size=";
constexpr std::string_view ProjectOption = "--project=";
constexpr std::string_view StatisticsOption = "--statistics";
constexpr std::string_view DigitsOption = "--digits=";

constexpr std::array<std::string_view, 4> ExportExtensions = {".png", ".bmp", ".svg", ".pdf"};

struct ModelName {
    std::string_view name;
    std::optional<regression::ModelKind> model;
};

constexpr std::array<ModelName, 11> ModelNames = {{
    {"linear", regression::ModelKind::Linear},
    {"logarithmic", regression::ModelKind::Logarithmic},
    {"exponential", regression::ModelKind::Exponential},
    {"power", regression::ModelKind::Power},
    {"reciprocal", regression::ModelKind::Reciprocal},
    {"poly2", regression::ModelKind::Polynomial2},
    {"poly3", regression::ModelKind::Polynomial3},
    {"poly4", regression::ModelKind::Polynomial4},
    {"poly5", regression::ModelKind::Polynomial5},
    {"multiple", regression::ModelKind::Multiple},
    {"best", std::nullopt},
}};

[[noreturn]] void fail(const char* key, std::string_view detail) {
    throw CommandLineError(T(key) + " " + std::string(detail));
}

void readSize(std::string_view text, CommandLineRequest& request) {
    const std::size_t cross = text.find('x');
    const std::optional<int> width =
        cross == std::string_view::npos ? std::nullopt : common::tryParseInt(text.substr(0, cross));
    const std::optional<int> height =
        cross == std::string_view::npos ? std::nullopt : common::tryParseInt(text.substr(cross + 1));
    const auto fits = [](std::optional<int> side) {
        return side && *side >= 1 && *side <= LargestExportSide;
    };
    if (!fits(width) || !fits(height))
        fail("CmdBadSize", text);
    request.width = *width;
    request.height = *height;
}

// A wrong number of digits is a bad option: refused like an unknown one.
int readDigits(std::string_view text) {
    const std::optional<int> digits = common::tryParseInt(text);
    if (!digits || *digits < 1 || *digits > MostFigureDigits)
        throw CommandLineUsageError(T("CmdBadDigits") + " " + std::string(text));
    return *digits;
}

std::optional<regression::ModelKind> readModel(std::string_view text) {
    for (const ModelName& entry : ModelNames)
        if (common::equalsIgnoringCase(entry.name, text))
            return entry.model;
    fail("CmdUnknownModel", text);
}

} // namespace

bool asksForWorkWithoutWindow(const std::vector<std::string>& arguments) {
    const auto options = std::count_if(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return argument.starts_with("--");
    });
    return options > 0 || arguments.size() > 1;
}

std::string lowerCaseExtension(const std::string& file) {
    return common::foldCase(std::filesystem::path(file).extension().string());
}

std::optional<CommandLineRequest> parseCommandLine(const std::vector<std::string>& arguments) {
    if (!asksForWorkWithoutWindow(arguments))
        return std::nullopt;
    CommandLineRequest request;
    if (appkit::hasArgument(arguments, appkit::HelpOption))
        return request;
    if (appkit::hasArgument(arguments, appkit::VersionOption)) {
        request.work = CommandLineRequest::Work::Version;
        return request;
    }

    bool exportAsked = false;
    bool fitAsked = false;
    bool sizeGiven = false;
    bool fitFiguresGiven = false; // --statistics or --digits
    std::string firstOption;      // for the message when neither --export nor --fit is given
    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
        const std::string_view text(argument);
        if (firstOption.empty() && text.starts_with("--"))
            firstOption = argument;
        if (text.starts_with(ExportOption)) {
            exportAsked = true;
            request.outputFile = argument.substr(ExportOption.size());
        } else if (text.starts_with(FitOption)) {
            fitAsked = true;
            request.model = readModel(text.substr(FitOption.size()));
        } else if (text.starts_with(SizeOption)) {
            sizeGiven = true;
            readSize(text.substr(SizeOption.size()), request);
        } else if (text == StatisticsOption) {
            fitFiguresGiven = true;
            request.statistics = true;
        } else if (text.starts_with(DigitsOption)) {
            fitFiguresGiven = true;
            request.digits = readDigits(text.substr(DigitsOption.size()));
        } else if (text.starts_with(ProjectOption)) {
            request.project = argument.substr(ProjectOption.size());
        } else if (text.starts_with("--")) {
            throw CommandLineUsageError(T("CmdUnknownOption") + " " + argument);
        } else {
            files.push_back(argument);
        }
    }
    if (!exportAsked && !fitAsked) {
        if (files.size() > 1)
            throw CommandLineUsageError(T("CmdOneProjectFile"));
        throw CommandLineUsageError(T("CmdOptionWithoutWork") + " " + firstOption);
    }
    if (exportAsked && fitAsked)
        throw CommandLineError(T("CmdExportOrFit"));
    if (fitAsked && sizeGiven)
        throw CommandLineError(T("CmdSizeOnlyForExport"));
    if (exportAsked && fitFiguresGiven)
        throw CommandLineError(T("CmdStatisticsOnlyForFit"));
    if (files.size() != 1)
        throw CommandLineError(T("CmdOneInputFile"));
    request.inputFile = files.front();
    // An empty name would reach the file system only to fail with a less telling message.
    if (request.inputFile.empty() || (exportAsked && request.outputFile.empty()))
        throw CommandLineError(T("CmdEmptyFileName"));
    request.work = exportAsked ? CommandLineRequest::Work::Export : CommandLineRequest::Work::Fit;
    if (exportAsked) {
        const std::string extension = lowerCaseExtension(request.outputFile);
        if (std::find(ExportExtensions.begin(), ExportExtensions.end(), extension) == ExportExtensions.end())
            fail("CmdUnsupportedFileType", request.outputFile);
    }
    return request;
}

std::vector<std::string> usageLines() {
    return {
        T("CmdUsage"),
        "  tessaly [PROJECTFILE | DATAFILE]",
        "      " + T("CmdUsageWindow"),
        "  tessaly --export=FILE [--size=WIDTHxHEIGHT] [--project=NAME] PROJECTFILE",
        "      " + T("CmdUsageExport"),
        "  tessaly --fit=MODEL [--project=NAME] DATAFILE",
        "      " + T("CmdUsageFit"),
        "      " + T("CmdUsageModels"),
        "      " + T("CmdUsageDataFile"),
        "  tessaly --fit=MODEL --statistics [--digits=N] [--project=NAME] DATAFILE",
        "      " + T("CmdUsageStatistics"),
        "  tessaly --help | --version",
        "      " + T("CmdUsageHelp"),
        T("CmdUsageExample"),
        "  tessaly --fit=best measurements.txt",
        "  tessaly --export=heights.png --size=1024x768 --project=Heights heights.tsy",
    };
}

} // namespace regshell
