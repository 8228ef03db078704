#pragma once

#include "gif/ColorTbl.h"
#include "gif/DynArrB.h"
#include "gif/Progress.h"

#include <cstdint>
#include <span>

namespace gif {

// A picture as its colour table and one table index per pixel.
struct TIndexedPicture {
    TColorTable Colors;
    TByteArray2D Indices;
};

// Converts a width × height picture of 0xAARRGGBB pixels (row by row from the top; alpha ignored)
// to a colour table in the order the colours are first met and an index per pixel. The table's
// count is rounded up to 2, 16 or 256; the entries past the colours found hold the default
// palette of that size. Progress is reported at 0 and after each row.
// Raises EGifException for an empty picture, a side over 65535 pixels, pixel data of another
// size, and when a 257th colour is met (the table never overflows).
TIndexedPicture ConvertBitmap(int width, int height, std::span<const std::uint32_t> pixels,
                              const TProgressProc& progress = {});

} // namespace gif
