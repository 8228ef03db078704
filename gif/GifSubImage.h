#pragma once

#include "gif/ByteBuffer.h"
#include "gif/ColorTbl.h"
#include "gif/DynArrB.h"

#include <cstdint>
#include <vector>

namespace gif {

// One image of a GIF file: its place, size, colour table and pixel indices.
class TGifSubImage {
public:
    // An image for `colorCount` colours (a power of 2 from 2 to 256) holding a copy of `pixels`;
    // its own colour table starts as the default palette of that size. Raises EGifException for
    // any other colour count, an empty picture, a side over 65535 pixels or an index that lies
    // outside the colour table.
    TGifSubImage(int colorCount, const TByteArray2D& pixels);

    std::uint16_t Left = 0;
    std::uint16_t Top = 0;
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    bool HasLocalColorTable = false;
    bool Interlaced = false;
    int BitsPerPixel = 1;
    int MinCodeSize = 2;
    TColorTable ColorTable;
    TByteArray2D Pixels;
    TByteBuffer EncodedData;

    // The image descriptor's packed byte.
    std::uint8_t Packed() const;
    // The pixel indices in the order they are stored: rows from the top, or the four interlace
    // passes (every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1).
    std::vector<std::uint8_t> RowsInFileOrder() const;
};

} // namespace gif
