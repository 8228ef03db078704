#include "plotter/PictureCommands.h"

#include "appkit/Interaction.h"
#include "appkit/Printing.h"
#include "appkit/ProgramSetup.h"
#include "appkit/WaitCursor.h"
#include "common/AtomicFile.h"
#include "common/IniFile.h"
#include "gif/GifException.h"
#include "graph/TGraphWindow.h"
#include "pictures/GifPictureFile.h"
#include "pictures/PictureFiles.h"
#include "plotter/FileDialogs.h"
#include "plotter/FileNames.h"
#include "plotter/TCopy2ClipboardMessage.h"
#include "plotter/TLogWindow.h"
#include "plotter/TProgressForm.h"
#include "plotter/Texts.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPrinter>

namespace plotter {

using appkit::toQt;
using appkit::WaitCursor;

PictureCommands::PictureCommands(graph::TGraphWindow& graph, TLogWindow& log, FileDialogs& fileDialogs,
                                 common::IniFile& settings, appkit::Interaction& interaction, QWidget& parent)
    : graph_(graph), log_(log), fileDialogs_(fileDialogs), settings_(settings), interaction_(interaction),
      copyMessage_(new TCopy2ClipboardMessage(&parent)), progressForm_(new TProgressForm(&parent)) {}

PictureCommands::~PictureCommands() = default;

QString PictureCommands::choosePictureFile(const char* captionKey, const QString& filter,
                                           const QString& suffix, const QString& extension) {
    const QString chosen =
        fileDialogs_.chooseFileToSave(FileKind::Pictures, {plainText(captionKey), filter, suffix, {}});
    return chosen.isEmpty() ? QString() : withExtension(chosen, extension);
}

bool PictureCommands::writePictureFile(const QString& fileName, const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        interaction_.showError(plainText("ExportCouldNotWrite") + QLatin1Char(' ') + fileName);
        return false;
    }
    try {
        common::writeFileAtomically(fileName.toStdString(),
                                    std::string_view(bytes.constData(), std::size_t(bytes.size())));
    } catch (const common::FileWriteError& failure) {
        interaction_.showError(toQt(failure.what()));
        return false;
    }
    return true;
}

void PictureCommands::savePicture(const char* captionKey, const QString& filter, const QString& suffix,
                                  const QString& extension, const std::function<QByteArray()>& encode) {
    const QString fileName = choosePictureFile(captionKey, filter, suffix, extension);
    if (fileName.isEmpty())
        return;
    const WaitCursor waiting;
    writePictureFile(fileName, encode());
}

void PictureCommands::saveAsBmpPicture() {
    savePicture("SaveAsBMPPicture", QStringLiteral("Bitmap File (*.BMP *.bmp)"), QStringLiteral("bmp"),
                QStringLiteral(".BMP"), [this] { return pictures::rasterFile(graph_.picture(), "BMP"); });
}

void PictureCommands::saveAsPngPicture() {
    savePicture("SaveAsPNGPicture", QStringLiteral("PNG File (*.png *.PNG)"), QStringLiteral("png"),
                QStringLiteral(".png"), [this] { return pictures::rasterFile(graph_.picture(), "PNG"); });
}

void PictureCommands::saveAsSvgPicture() {
    savePicture("SaveAsSVGPicture", QStringLiteral("SVG File (*.svg *.SVG)"), QStringLiteral("svg"),
                QStringLiteral(".svg"),
                [this] { return pictures::svgFile(graph_.vectorPicture(), QStringLiteral("Quorra")); });
}

void PictureCommands::saveAsPdf() {
    savePicture("SaveAsPDF", QStringLiteral("PDF File (*.pdf *.PDF)"), QStringLiteral("pdf"),
                QStringLiteral(".pdf"),
                [this] { return pictures::pdfFile(graph_.vectorPicture(), QStringLiteral("Quorra")); });
}

void PictureCommands::saveAsGifPicture() {
    const QString fileName = choosePictureFile("SaveAsGIFPicture", QStringLiteral("Gif File (*.GIF *.gif)"),
                                               QStringLiteral("gif"), QStringLiteral(".Gif"));
    if (fileName.isEmpty())
        return;
    try {
        const WaitCursor waiting;
        pictures::saveGifFile(fileName.toStdString(), graph_.picture(),
                              [this](float fraction) { progressForm_->report(fraction); });
    } catch (const gif::EGifException& failure) {
        progressForm_->hide();
        interaction_.showError(toQt(failure.what()));
    } catch (const common::FileWriteError& failure) {
        progressForm_->hide();
        interaction_.showError(toQt(failure.what()));
    }
}

void PictureCommands::copyGraphAsVectorPicture() {
    // The vector picture stays whole until the next redraw, so copying twice gives the same picture.
    const QImage& rendering = graph_.picture();
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"),
                  pictures::svgFile(graph_.vectorPicture(), QStringLiteral("Quorra")));
    data->setData(QStringLiteral("image/png"), pictures::rasterFile(rendering, "PNG"));
    data->setImageData(rendering);
    QApplication::clipboard()->setMimeData(data);
    showCopyMessage();
}

void PictureCommands::copyGraphAsBitmap() {
    QApplication::clipboard()->setImage(graph_.picture());
    showCopyMessage();
}

void PictureCommands::showCopyMessage() {
    if (settings_.readBool("Options", "NeverShowClipboardMessage", false))
        return;
    copyMessage_->setNeverShowAgain(false);
    if (!interaction_.runDialog(*copyMessage_))
        return;
    try {
        settings_.writeBool("Options", "NeverShowClipboardMessage", copyMessage_->neverShowAgain());
    } catch (const common::IniWriteError&) {
        // The message comes again next time; nothing else depends on it.
    }
}

QPrinter& PictureCommands::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void PictureCommands::printSetup() {
    interaction_.setUpPrinter(printer());
}

void PictureCommands::printGraph() {
    if (!appkit::printPictureAtScreenSize(printer(), graph_.vectorPicture()))
        printingFailed();
}

void PictureCommands::printLog() {
    QFont font(QStringLiteral("MS Sans Serif"), 10);
    font.setStyleHint(QFont::SansSerif);
    if (!appkit::printTextLines(printer(), log_.lines(), font))
        printingFailed();
}

void PictureCommands::printingFailed() {
    printer_ = appkit::renewedPrinter(*printer_);
    interaction_.showError(plainText("PrintingFailed"));
}

} // namespace plotter
