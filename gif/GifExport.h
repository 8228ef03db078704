#pragma once

#include "gif/Progress.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace gif {

// Saves a width × height picture of 0xAARRGGBB pixels as a GIF file: converts it to a colour
// table and indices, makes a file of that one image and writes it atomically. Conversion and
// encoding each report progress from 0 to 1. Every refusal (EGifException) comes before the
// file is touched; a write failure raises common::FileWriteError and leaves no partial file.
void SavePictureAsGif(const std::filesystem::path& path, int width, int height,
                      std::span<const std::uint32_t> pixels, const TProgressProc& progress = {});

} // namespace gif
