#include "plotter/TMDIFrame.h"

#include "appkit/Interaction.h"
#include "appkit/Printing.h"
#include "common/AtomicFile.h"
#include "common/IniFile.h"
#include "gif/GifException.h"
#include "graph/HeadlessExportFiles.h"
#include "graph/TGraphWindow.h"
#include "pictures/PictureFiles.h"
#include "plotter/FileNames.h"
#include "plotter/TCopy2ClipboardMessage.h"
#include "plotter/TLogWindow.h"
#include "plotter/TProgressForm.h"
#include "plotter/Texts.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPrinter>

// The graph as picture files, on the clipboard and on paper, and the printed log.

using appkit::toQt;
using plotter::plainText;

namespace {

// Keeps the hourglass up while a picture is written, however the writing ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

QString TMDIFrame::choosePictureFile(const char* captionKey, const QString& filter, const QString& suffix,
                                     const QString& extension) {
    const QString chosen = fileDialogs_.chooseFileToSave(plotter::FileKind::Pictures,
                                                         {plainText(captionKey), filter, suffix, {}});
    return chosen.isEmpty() ? QString() : plotter::withExtension(chosen, extension);
}

bool TMDIFrame::writePictureFile(const QString& fileName, const QByteArray& bytes) {
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

void TMDIFrame::savePicture(const char* captionKey, const QString& filter, const QString& suffix,
                            const QString& extension, const std::function<QByteArray()>& encode) {
    const QString fileName = choosePictureFile(captionKey, filter, suffix, extension);
    if (fileName.isEmpty())
        return;
    const WaitCursor waiting;
    writePictureFile(fileName, encode());
}

void TMDIFrame::saveAsBmpPicture() {
    savePicture("SaveAsBMPPicture", QStringLiteral("Bitmap File (*.BMP *.bmp)"), QStringLiteral("bmp"),
                QStringLiteral(".BMP"),
                [this] { return pictures::rasterFile(GraphWindow->picture(), "BMP"); });
}

void TMDIFrame::saveAsPngPicture() {
    savePicture("SaveAsPNGPicture", QStringLiteral("PNG File (*.png *.PNG)"), QStringLiteral("png"),
                QStringLiteral(".png"),
                [this] { return pictures::rasterFile(GraphWindow->picture(), "PNG"); });
}

void TMDIFrame::saveAsSvgPicture() {
    savePicture("SaveAsSVGPicture", QStringLiteral("SVG File (*.svg *.SVG)"), QStringLiteral("svg"),
                QStringLiteral(".svg"), [this] {
                    return pictures::svgFile(GraphWindow->vectorPicture(), GraphWindow->picture().size(),
                                             QStringLiteral("Quorra"));
                });
}

void TMDIFrame::saveAsPdf() {
    savePicture("SaveAsPDF", QStringLiteral("PDF File (*.pdf *.PDF)"), QStringLiteral("pdf"),
                QStringLiteral(".pdf"), [this] {
                    return pictures::pdfFile(GraphWindow->vectorPicture(), GraphWindow->picture().size(),
                                             QStringLiteral("Quorra"));
                });
}

void TMDIFrame::saveAsGifPicture() {
    const QString fileName = choosePictureFile("SaveAsGIFPicture", QStringLiteral("Gif File (*.GIF *.gif)"),
                                               QStringLiteral("gif"), QStringLiteral(".Gif"));
    if (fileName.isEmpty())
        return;
    try {
        const WaitCursor waiting;
        graph::saveGifFile(fileName.toStdString(), GraphWindow->picture(),
                           [this](float fraction) { ProgressForm->report(fraction); });
    } catch (const gif::EGifException& failure) {
        ProgressForm->hide();
        interaction_.showError(toQt(failure.what()));
    } catch (const common::FileWriteError& failure) {
        ProgressForm->hide();
        interaction_.showError(toQt(failure.what()));
    }
}

void TMDIFrame::copyGraphAsVectorPicture() {
    // The vector picture stays whole until the next redraw, so copying twice gives the same picture.
    const QImage& rendering = GraphWindow->picture();
    auto* data = new QMimeData;
    data->setData(
        QStringLiteral("image/svg+xml"),
        pictures::svgFile(GraphWindow->vectorPicture(), rendering.size(), QStringLiteral("Quorra")));
    data->setData(QStringLiteral("image/png"), pictures::rasterFile(rendering, "PNG"));
    data->setImageData(rendering);
    QApplication::clipboard()->setMimeData(data);
    showCopyMessage();
}

void TMDIFrame::copyGraphAsBitmap() {
    QApplication::clipboard()->setImage(GraphWindow->picture());
    showCopyMessage();
}

void TMDIFrame::showCopyMessage() {
    if (settings_.readBool("Options", "NeverShowClipboardMessage", false))
        return;
    Copy2ClipboardMessage->setNeverShowAgain(false);
    if (!interaction_.runDialog(*Copy2ClipboardMessage))
        return;
    try {
        settings_.writeBool("Options", "NeverShowClipboardMessage", Copy2ClipboardMessage->neverShowAgain());
    } catch (const common::IniWriteError&) {
        // The message comes again next time; nothing else depends on it.
    }
}

QPrinter& TMDIFrame::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TMDIFrame::printSetup() {
    interaction_.setUpPrinter(printer());
}

void TMDIFrame::printGraph() {
    if (!appkit::printPictureAtScreenSize(printer(), GraphWindow->vectorPicture(),
                                          GraphWindow->picture().size()))
        printingFailed();
}

void TMDIFrame::printLog() {
    QFont font(QStringLiteral("MS Sans Serif"), 10);
    font.setStyleHint(QFont::SansSerif);
    if (!appkit::printTextLines(printer(), LogWindow->lines(), font))
        printingFailed();
}

void TMDIFrame::printingFailed() {
    printer_ = appkit::renewedPrinter(*printer_);
    interaction_.showError(plainText("PrintingFailed"));
}
