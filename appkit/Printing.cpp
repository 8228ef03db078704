#include "appkit/Printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <algorithm>

namespace appkit {

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
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    // A picture replays in the printer's units scaled by its resolution against the screen's; the
    // scale is taken from the picture's pixel size so the result fills the page whatever that factor.
    const qreal scale = std::min(qreal(page.width()) / std::max(size.width(), 1),
                                 qreal(page.height()) / std::max(size.height(), 1));
    const qreal replayScale = qreal(picture.logicalDpiX()) / printer.logicalDpiX();
    painter.scale(scale * replayScale, scale * replayScale);
    painter.drawPicture(0, 0, picture);
    painter.end();
    return true;
}

} // namespace appkit
