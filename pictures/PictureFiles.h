#pragma once

#include "pictures/VectorPicture.h"

#include <QByteArray>
#include <QString>

class QImage;

namespace pictures {

// Pixels per inch of the graphs' pictures: one picture pixel is one unit of a vector file, and a
// printed graph has the size it has on a screen of this resolution.
inline constexpr int PictureResolution = 96;

// The bytes of a picture file, for the command line's exports, the Save As commands and the
// clipboard. Each is empty when the picture could not be encoded. A vector file has the picture's
// size; `title` names the program that made it.
QByteArray rasterFile(const QImage& picture, const char* format);
QByteArray svgFile(const VectorPicture& picture, const QString& title);
QByteArray pdfFile(const VectorPicture& picture, const QString& title);

} // namespace pictures
