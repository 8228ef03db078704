#pragma once

#include "gif/Progress.h"

#include <filesystem>

class QImage;

namespace pictures {

// Writes the raster picture as a GIF file with the program's own writer, reporting progress from 0
// to 1. Raises gif::EGifException for a picture that does not fit a GIF colour table and
// common::FileWriteError when the file cannot be written; no partial file is left either way.
void saveGifFile(const std::filesystem::path& path, const QImage& picture,
                 const gif::TProgressProc& progress = {});

} // namespace pictures
