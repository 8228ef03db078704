#include "regshell/CommandLineExport.h"

#include "common/AtomicFile.h"
#include "common/NumberParse.h"
#include "pictures/PictureFiles.h"
#include "reggraph/GraphDrawing.h"
#include "regression/RegressionResult.h"
#include "regshell/CommandLineData.h"
#include "regshell/CommandLineOptions.h"
#include "translation/Translator.h"

namespace regshell {

namespace {

const QString PictureTitle = QStringLiteral("Tessaly");

reggraph::GraphScene sceneOf(LoadedProject& loaded, char decimalSeparator) {
    reggraph::GraphScene scene;
    scene.range = loaded.content.range;
    scene.xAxisName = loaded.content.xAxisName;
    scene.yAxisName = loaded.content.yAxisName;
    scene.decimalSeparator = decimalSeparator;
    scene.lists = &loaded.content.lists;
    scene.records = loaded.store.redrawRecords(decimalSeparator);
    return scene;
}

QByteArray pictureFileBytes(const reggraph::GraphScene& scene, QSize size, const std::string& extension) {
    regression::RegressionResult result;
    if (extension == ".png" || extension == ".bmp") {
        bool rangeValid = false;
        const QImage picture = reggraph::rasterGraph(scene, size, result, rangeValid);
        if (!rangeValid)
            throw CommandLineError(reggraph::InvalidRangeMessage);
        return pictures::rasterFile(picture, extension == ".png" ? "PNG" : "BMP");
    }
    const std::optional<pictures::VectorPicture> picture = reggraph::vectorGraph(scene, size, result);
    if (!picture)
        throw CommandLineError(reggraph::InvalidRangeMessage);
    return extension == ".svg" ? pictures::svgFile(*picture, PictureTitle)
                               : pictures::pdfFile(*picture, PictureTitle);
}

} // namespace

void exportProjectGraph(const CommandLineRequest& request, char decimalSeparator) {
    LoadedProject loaded = loadProjectFile(request.inputFile, request.project);
    const reggraph::GraphScene scene = sceneOf(loaded, decimalSeparator);
    QByteArray bytes;
    try {
        bytes = pictureFileBytes(scene, QSize(request.width, request.height),
                                 lowerCaseExtension(request.outputFile));
    } catch (const common::ConversionError& failure) {
        throw CommandLineError(failure.what());
    }
    const std::string couldNotWrite = translation::T("CmdCouldNotWrite") + " " + request.outputFile;
    if (bytes.isEmpty())
        throw CommandLineError(couldNotWrite);
    try {
        common::writeFileAtomically(request.outputFile,
                                    std::string_view(bytes.constData(), std::size_t(bytes.size())));
    } catch (const common::FileWriteError& failure) {
        throw CommandLineError(couldNotWrite + " (" + failure.what() + ")");
    }
}

} // namespace regshell
