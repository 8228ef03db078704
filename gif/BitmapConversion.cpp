#include "gif/BitmapConversion.h"

#include "gif/GifException.h"

#include <string>
#include <unordered_map>

namespace gif {

namespace {

constexpr int MaxSide = 65535;

void checkSize(int width, int height, std::size_t pixelCount) {
    const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
    if (width <= 0 || height <= 0)
        throw EGifException("The picture is empty (" + size + ")");
    if (width > MaxSide || height > MaxSide)
        throw EGifException("The picture is too large for a GIF file (" + size + "; at most 65535 x 65535)");
    if (pixelCount != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        throw EGifException("The picture's pixel data does not match its size (" + size + ")");
}

int roundedColorCount(int found) {
    if (found <= 2)
        return 2; // a one-colour picture is written with the two-colour table
    if (found <= 16)
        return 16;
    return 256;
}

} // namespace

TIndexedPicture ConvertBitmap(int width, int height, std::span<const std::uint32_t> pixels,
                              const TProgressProc& progress) {
    checkSize(width, height, pixels.size());
    TIndexedPicture picture{
        TColorTable{}, TByteArray2D(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height))};
    TColorTable& colors = picture.Colors;
    reportProgress(progress, 0.0f);

    // Same result as looking each colour up in the table from index 0: the table never holds a
    // colour twice while it is being built, so the map's one answer is the first match.
    std::unordered_map<std::uint32_t, std::uint8_t> indexByColor;
    std::uint32_t lastColor = 0;
    std::uint8_t lastIndex = 0;
    bool haveLast = false;

    std::uint8_t* indices = picture.Indices.Data();
    const std::size_t rowLength = static_cast<std::size_t>(width);
    for (int y = 0; y < height; ++y) {
        const std::size_t rowStart = static_cast<std::size_t>(y) * rowLength;
        for (std::size_t x = 0; x < rowLength; ++x) {
            const std::uint32_t color = pixels[rowStart + x] & 0xFFFFFFu;
            if (!haveLast || color != lastColor) {
                const auto [known, added] =
                    indexByColor.try_emplace(color, static_cast<std::uint8_t>(colors.Count));
                if (added) {
                    if (colors.Count == TColorTable::MaxCount)
                        throw EGifException(
                            "The picture has more than 256 colors; a GIF picture can hold at most "
                            "256");
                    colors.Entries[colors.Count++] = colorOfPixel(color);
                }
                lastColor = color;
                lastIndex = known->second;
                haveLast = true;
            }
            indices[rowStart + x] = lastIndex;
        }
        reportProgress(progress, static_cast<float>(y + 1) / static_cast<float>(height));
    }

    const int found = colors.Count;
    colors.Count = static_cast<std::uint16_t>(roundedColorCount(found));
    colors.FillDefaultFrom(found);
    return picture;
}

} // namespace gif
