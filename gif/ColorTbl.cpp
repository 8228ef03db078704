#include "gif/ColorTbl.h"

#include <stdexcept>

namespace gif {

namespace {

constexpr std::array<TColorTableEntry, 16> standardSixteen{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {128, 128, 128},
    {192, 192, 192},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

TColorTableEntry defaultEntry(int count, int index) {
    if (count <= 2)
        return index == 0 ? TColorTableEntry{0, 0, 0} : TColorTableEntry{255, 255, 255};
    if (count <= 16)
        return standardSixteen[static_cast<std::size_t>(index)];
    const auto grey = static_cast<std::uint8_t>(index);
    return {grey, grey, grey};
}

} // namespace

void TColorTable::FillDefault(int count) {
    if (count < 1 || count > MaxCount)
        throw std::invalid_argument("A colour table holds 1 to 256 colours");
    Count = static_cast<std::uint16_t>(count);
    FillDefaultFrom(0);
}

void TColorTable::FillDefaultFrom(int first) {
    for (int index = first; index < Count; ++index)
        Entries[static_cast<std::size_t>(index)] = defaultEntry(Count, index);
}

int TColorTable::IndexOf(std::uint32_t pixel) const {
    const TColorTableEntry color = colorOfPixel(pixel);
    for (int index = 0; index < Count; ++index)
        if (Entries[static_cast<std::size_t>(index)] == color)
            return index;
    return -1;
}

} // namespace gif
