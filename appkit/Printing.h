#pragma once

#include <QFont>
#include <QStringList>

class QPicture;
class QPrinter;
class QSize;

namespace appkit {

// Prints one line per text line in `font`, all in one job, starting a new page when a page is full;
// a line longer than the page is cut at its edge. False when the printer could not be started.
bool printTextLines(QPrinter& printer, const QStringList& lines, const QFont& font);

// Prints the vector picture of a graph of `size` pixels as large as the page's printable area allows,
// keeping its proportions, at the top left. False when the printer could not be started.
bool printPictureFittedToPage(QPrinter& printer, const QPicture& picture, const QSize& size);

} // namespace appkit
