#include "gif/GifSubImage.h"

#include "gif/GifException.h"

#include <algorithm>
#include <bit>
#include <string>

namespace gif {

namespace {

int bitsPerPixelFor(int colorCount) {
    if (colorCount < 2 || colorCount > TColorTable::MaxCount ||
        !std::has_single_bit(static_cast<unsigned>(colorCount)))
        throw EGifException("Number of colors (" + std::to_string(colorCount) +
                            ") wrong; must be a power of 2");
    return std::countr_zero(static_cast<unsigned>(colorCount));
}

// GIF sizes are 16-bit; indices past the colour table would decode as the clear or end code.
const TByteArray2D& checkedPixels(const TByteArray2D& pixels, int colorCount) {
    if (pixels.Width() == 0 || pixels.Height() == 0)
        throw EGifException("The picture is empty (" + std::to_string(pixels.Width()) + " x " +
                            std::to_string(pixels.Height()) + " pixels)");
    if (pixels.Width() > 65535 || pixels.Height() > 65535)
        throw EGifException("The picture is too large for a GIF file (" + std::to_string(pixels.Width()) +
                            " x " + std::to_string(pixels.Height()) + " pixels; at most 65535 x 65535)");
    const std::uint8_t* data = pixels.Data();
    const int largest = *std::max_element(data, data + pixels.Size());
    if (largest >= colorCount)
        throw EGifException("Pixel index " + std::to_string(largest) + " lies outside the colour table of " +
                            std::to_string(colorCount) + " colors");
    return pixels;
}

} // namespace

TGifSubImage::TGifSubImage(int colorCount, const TByteArray2D& pixels)
    : Width(static_cast<std::uint16_t>(pixels.Width())), Height(static_cast<std::uint16_t>(pixels.Height())),
      BitsPerPixel(bitsPerPixelFor(colorCount)), MinCodeSize(std::max(BitsPerPixel, 2)),
      Pixels(checkedPixels(pixels, colorCount)) {
    ColorTable.FillDefault(colorCount);
}

std::uint8_t TGifSubImage::Packed() const {
    int packed = 0;
    if (HasLocalColorTable)
        packed += 128 + (BitsPerPixel - 1);
    if (Interlaced)
        packed += 64;
    return static_cast<std::uint8_t>(packed);
}

std::vector<std::uint8_t> TGifSubImage::RowsInFileOrder() const {
    const std::uint8_t* data = Pixels.Data();
    if (!Interlaced)
        return {data, data + Pixels.Size()};
    std::vector<std::uint8_t> ordered;
    ordered.reserve(Pixels.Size());
    const std::size_t width = Pixels.Width();
    constexpr struct { std::size_t firstRow, step; } passes[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
    for (const auto& pass : passes)
        for (std::size_t row = pass.firstRow; row < Pixels.Height(); row += pass.step)
            ordered.insert(ordered.end(), data + row * width, data + (row + 1) * width);
    return ordered;
}

} // namespace gif
