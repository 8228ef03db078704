#include "plotter/HeadlessExport.h"

#include "appkit/CommandLineConventions.h"
#include "appkit/ProgramSetup.h"
#include "common/AtomicFile.h"
#include "common/NumberParse.h"
#include "engine/Engine.h"
#include "gif/GifException.h"
#include "graph/Graph.h"
#include "graph/PlotOptions.h"
#include "pictures/GifPictureFile.h"
#include "pictures/PictureFiles.h"
#include "plotter/ProductInfo.h"
#include "translation/Translator.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>
#include <string_view>

namespace plotter {

namespace {

constexpr std::string_view ExportOption = "--export=";
constexpr std::string_view SizeOption = "--size=";
constexpr std::string_view RangeOption = "--range=";
constexpr std::string_view DegreesOption = "--degrees";

std::string message(const char* key, std::string_view detail) {
    return translation::T(key) + " " + std::string(detail);
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::optional<QSize> parseSize(std::string_view text) {
    const std::vector<std::string_view> parts = split(text, 'x');
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<int> width = common::tryParseInt(parts[0]);
    const std::optional<int> height = common::tryParseInt(parts[1]);
    if (!width || !height || *width < 1 || *height < 1 || *width > LargestExportSide ||
        *height > LargestExportSide)
        return std::nullopt;
    return QSize(*width, *height);
}

std::optional<common::GraphRange> parseRange(std::string_view text) {
    const std::vector<std::string_view> parts = split(text, ',');
    if (parts.size() != common::RangeRowCount)
        return std::nullopt;
    common::GraphRange range;
    for (int row = 0; row < common::RangeRowCount; ++row) {
        const std::optional<long double> value = common::tryParseFloat(parts[row], '.');
        if (!value || !std::isfinite(*value))
            return std::nullopt;
        range[common::RangeRow(row)] = *value;
    }
    if (!(range.Xmin < range.Xmax && range.Ymin < range.Ymax && range.Xstep > 0 && range.Ystep > 0))
        return std::nullopt;
    return range;
}

std::string lowerCaseExtension(const std::string& file) {
    const std::size_t dot = file.rfind('.');
    const std::size_t slash = file.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string extension = file.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

} // namespace

bool isExportCommandLine(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k)
        if (std::string_view(argv[k]).starts_with(ExportOption))
            return true;
    return false;
}

bool isExportOption(std::string_view argument) {
    return argument.starts_with(ExportOption) || argument.starts_with(SizeOption) ||
           argument.starts_with(RangeOption) || argument == DegreesOption;
}

bool parseExportArguments(const std::vector<std::string>& arguments, ExportRequest& request,
                          std::string& error) {
    for (const std::string& argument : arguments) {
        const std::string_view text(argument);
        if (text.starts_with(ExportOption)) {
            request.file = argument.substr(ExportOption.size());
        } else if (text.starts_with(SizeOption)) {
            const std::optional<QSize> size = parseSize(text.substr(SizeOption.size()));
            if (!size) {
                error = message("ExportBadSize", text);
                return false;
            }
            request.size = *size;
        } else if (text.starts_with(RangeOption)) {
            const std::optional<common::GraphRange> range = parseRange(text.substr(RangeOption.size()));
            if (!range) {
                error = message("ExportBadRange", text);
                return false;
            }
            request.range = *range;
        } else if (text == DegreesOption) {
            request.degrees = true;
        } else if (text.starts_with("--")) {
            error = message("ExportUnknownOption", text);
            return false;
        } else {
            request.functions.push_back(argument);
        }
    }
    const std::string extension = lowerCaseExtension(request.file);
    if (extension != ".png" && extension != ".bmp" && extension != ".svg" && extension != ".pdf" &&
        extension != ".gif") {
        error = message("ExportUnsupportedFileType", request.file);
        return false;
    }
    return true;
}

bool exportGraph(const ExportRequest& request, const graph::PlotOptions& options, std::string& error) {
    graph::PlotOptions drawingOptions = options;
    if (request.degrees)
        drawingOptions.angleUnit = engine::AngleUnit::Degrees;

    graph::Graph drawing(drawingOptions);
    drawing.setRange(request.range);
    drawing.NewWork(request.size, graph::PlotMode::Function);
    for (const std::string& text : request.functions) {
        std::string errorText;
        switch (drawing.plotFunction(text, errorText)) {
        case graph::Graph::PlotOutcome::Plotted:
            break;
        case graph::Graph::PlotOutcome::TooManyFunctions:
            error = translation::T("Only") + " " + std::to_string(graph::MaxPlottedFunctions) + " " +
                    translation::T("functionsSupported");
            return false;
        case graph::Graph::PlotOutcome::CompileFailed:
            error = text + ": " + errorText;
            return false;
        }
    }

    const std::string extension = lowerCaseExtension(request.file);
    if (extension == ".gif") {
        try {
            pictures::saveGifFile(request.file, drawing.picture());
        } catch (const gif::EGifException& failure) {
            error = message("ExportCouldNotWrite", request.file + " (" + failure.what() + ")");
            return false;
        } catch (const common::FileWriteError& failure) {
            error = message("ExportCouldNotWrite", request.file + " (" + failure.what() + ")");
            return false;
        }
        return true;
    }
    QByteArray bytes;
    if (extension == ".png")
        bytes = pictures::rasterFile(drawing.picture(), "PNG");
    else if (extension == ".bmp")
        bytes = pictures::rasterFile(drawing.picture(), "BMP");
    else if (extension == ".svg")
        bytes = pictures::svgFile(drawing.vectorPicture(), QStringLiteral("Quorra"));
    else if (extension == ".pdf")
        bytes = pictures::pdfFile(drawing.vectorPicture(), QStringLiteral("Quorra"));
    if (bytes.isEmpty()) {
        error = message("ExportCouldNotWrite", request.file);
        return false;
    }
    try {
        common::writeFileAtomically(request.file,
                                    std::string_view(bytes.constData(), std::size_t(bytes.size())));
    } catch (const common::FileWriteError& failure) {
        error = message("ExportCouldNotWrite", request.file + " (" + failure.what() + ")");
        return false;
    }
    return true;
}

int runExportProgram(int argc, char* argv[]) {
    // No window is shown, so no display is needed unless a platform was chosen on purpose.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QLatin1String(ProductName));
    appkit::loadCommandLineLanguage("qor", ".INI", ProductName);
    const appkit::NumberSeparators separators = appkit::systemNumberSeparators();
    engine::StartEngine(separators.decimal, separators.thousands);

    ExportRequest request;
    std::string error;
    // The plotting options' defaults, never what the window last used: a command line gives the
    // same picture wherever it runs, changed only by its own options.
    if (!parseExportArguments(appkit::argumentsOf(argc, argv), request, error) ||
        !exportGraph(request, graph::PlotOptions(), error)) {
        std::cerr << error << '\n';
        return appkit::FailureStatus;
    }
    return 0;
}

} // namespace plotter
