#include "appkit/Printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <algorithm>

namespace appkit {

namespace {

// Replays `picture` at the top left of the printable area with each of its pixels `printerPixels`
// printer pixels wide, where `printerPixels` comes from the page's printable area and the scale at
// which the picture's pixels would appear life-size.
bool printPicture(QPrinter& printer, const QPicture& picture, const QSize& size,
                  qreal (*printerPixels)(qreal fitting, qreal lifeSize)) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal fitting = std::min(qreal(page.width()) / std::max(size.width(), 1),
                                   qreal(page.height()) / std::max(size.height(), 1));
    // A picture replays in the printer's units scaled by its resolution against the screen's, which
    // is life-size; the painter's scale turns that into the scale asked for.
    const qreal lifeSize = qreal(printer.logicalDpiX()) / picture.logicalDpiX();
    const qreal scale = printerPixels(fitting, lifeSize) / lifeSize;
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, picture);
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

bool printPictureFittedToPage(QPrinter& printer, const QPicture& picture, const QSize& size) {
    return printPicture(printer, picture, size, [](qreal fitting, qreal) { return fitting; });
}

bool printPictureAtScreenSize(QPrinter& printer, const QPicture& picture, const QSize& size) {
    return printPicture(printer, picture, size,
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
