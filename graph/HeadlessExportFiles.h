#pragma once

#include "gif/Progress.h"

#include <QByteArray>
#include <QSize>
#include <filesystem>

class QImage;
class QPicture;

namespace graph {

// Pixels per inch of the graph's pictures: one picture pixel is one unit of a vector file, and a
// printed graph has the size it has on a screen of this resolution.
inline constexpr int PictureResolution = 96;

// The bytes of the picture files that both the export from the command line and the frame's Save
// As commands write. Each is empty when the picture could not be encoded.
QByteArray rasterFile(const QImage& picture, const char* format);
QByteArray svgFile(const QPicture& picture, QSize size);
QByteArray pdfFile(const QPicture& picture, QSize size);

// Writes the raster picture as a GIF file with the program's own writer, reporting progress from 0
// to 1. Raises gif::EGifException for a picture that does not fit a GIF colour table and
// common::FileWriteError when the file cannot be written; no partial file is left either way.
void saveGifFile(const std::filesystem::path& path, const QImage& picture,
                 const gif::TProgressProc& progress = {});

} // namespace graph
