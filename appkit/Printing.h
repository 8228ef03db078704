#pragma once

#include "pictures/VectorPicture.h"

#include <QFont>
#include <QStringList>
#include <memory>

class QPrinter;

namespace appkit {

// Prints one line per text line in `font`, all in one job, starting a new page when a page is full;
// a line longer than the page is cut at its edge. False when the printer could not be started.
bool printTextLines(QPrinter& printer, const QStringList& lines, const QFont& font);

// Prints the vector picture of a graph as large as the page's printable area allows,
// keeping its proportions, at the top left. False when the printer could not be started.
bool printPictureFittedToPage(QPrinter& printer, const pictures::VectorPicture& picture);

// Prints the vector picture of a graph at the top left of the printable area with
// the physical size it has on the screen; a picture larger than that area is shrunk in proportion
// until it fits, so no part of it is lost. False when the printer could not be started.
bool printPictureAtScreenSize(QPrinter& printer, const pictures::VectorPicture& picture);

// A job that could not start leaves a QPrinter that refuses every later job and every change of its
// choices. This gives a fresh printer with the same choices (printer or file, page, copies), so the
// next job, and the next Print Setup, work again.
std::unique_ptr<QPrinter> renewedPrinter(const QPrinter& failed);

} // namespace appkit
