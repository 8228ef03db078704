#include "appkit/Printing.h"

#include "pictures/PictureFiles.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <algorithm>

namespace appkit {

namespace {

// The screen's pixels per inch, which a graph's pixels have where the user sees them.
qreal screenResolution() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchX()) : pictures::PictureResolution;
}

// Draws `picture` at the top left of the printable area with each of its pixels `printerPixels`
// printer pixels wide, where `printerPixels` comes from the page's printable area and the scale at
// which the picture's pixels would appear life-size.
bool printPicture(QPrinter& printer, const pictures::VectorPicture& picture,
                  qreal (*printerPixels)(qreal fitting, qreal lifeSize)) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QSize size = picture.size;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal fitting = std::min(qreal(page.width()) / std::max(size.width(), 1),
                                   qreal(page.height()) / std::max(size.height(), 1));
    const qreal scale = printerPixels(fitting, printer.logicalDpiX() / screenResolution());
    painter.scale(scale, scale);
    picture.draw(painter);
    painter.end();
    return true;
}

} // namespace

bool printTextLines(QPrinter& printer, const QStringList& lines, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    int top = 0;
    for (const QString& line : lines) {
        if (top + metrics.height() > pageHeight && top > 0) {
            printer.newPage();
            top = 0;
        }
        painter.drawText(0, top + metrics.ascent(), line);
        top += metrics.lineSpacing();
    }
    painter.end();
    return true;
}

bool printPictureFittedToPage(QPrinter& printer, const pictures::VectorPicture& picture) {
    return printPicture(printer, picture, [](qreal fitting, qreal) { return fitting; });
}

bool printPictureAtScreenSize(QPrinter& printer, const pictures::VectorPicture& picture) {
    return printPicture(printer, picture,
                        [](qreal fitting, qreal lifeSize) { return std::min(fitting, lifeSize); });
}

std::unique_ptr<QPrinter> renewedPrinter(const QPrinter& failed) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(failed.outputFormat());
    if (failed.outputFormat() == QPrinter::NativeFormat && !failed.printerName().isEmpty())
        printer->setPrinterName(failed.printerName());
    // An empty file name would switch a PDF printer back to the native one.
    if (!failed.outputFileName().isEmpty())
        printer->setOutputFileName(failed.outputFileName());
    printer->setResolution(failed.resolution());
    printer->setPageLayout(failed.pageLayout());
    printer->setFullPage(failed.fullPage());
    printer->setCopyCount(failed.copyCount());
    printer->setCollateCopies(failed.collateCopies());
    printer->setColorMode(failed.colorMode());
    printer->setDuplex(failed.duplex());
    printer->setPageOrder(failed.pageOrder());
    printer->setPrintRange(failed.printRange());
    printer->setFromTo(failed.fromPage(), failed.toPage());
    printer->setDocName(failed.docName());
    printer->setCreator(failed.creator());
    return printer;
}

} // namespace appkit
