#pragma once

#include "gif/ByteBuffer.h"
#include "gif/Progress.h"

#include <cstdint>
#include <span>

namespace gif {

// Compresses the pixel indices of one image (in the order they are to be shown) with the
// variable-length LZW scheme of GIF image data, for minimum code size 2 to 8. The result is cut
// into data chunks by TByteBuffer. Progress is reported at 0, after each clear code and at 1.
// Raises EGifException for no pixels, a minimum code size outside 2 … 8 or an index that does
// not fit the minimum code size.
TByteBuffer EncodeImageData(std::span<const std::uint8_t> pixels, int minCodeSize,
                            const TProgressProc& progress = {});

} // namespace gif
