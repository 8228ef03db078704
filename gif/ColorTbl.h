#pragma once

#include <array>
#include <cstdint>

namespace gif {

struct TColorTableEntry {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    bool operator==(const TColorTableEntry&) const = default;
};

// Splits a 32-bit 0xAARRGGBB pixel into its colour bytes; the alpha byte is ignored.
constexpr TColorTableEntry colorOfPixel(std::uint32_t pixel) {
    return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
            static_cast<std::uint8_t>(pixel)};
}

// Up to 256 colours of a GIF picture, in index order.
class TColorTable {
public:
    static constexpr int MaxCount = 256;

    std::array<TColorTableEntry, MaxCount> Entries{};
    std::uint16_t Count = 0;

    // Sets the count to `count` (1 to 256) and every entry to the default palette of that size:
    // black and white for 2, the sixteen standard colours for 16 (their first entries for 3 to 15),
    // the grey ramp otherwise.
    void FillDefault(int count);
    // Sets the entries from `first` up to the count to the default palette of the count's size.
    void FillDefaultFrom(int first);

    // The first index whose entry equals the pixel's colour, or -1.
    int IndexOf(std::uint32_t pixel) const;
};

} // namespace gif
