#include "gif/CodeTable.h"

namespace gif {

void TCodeTable::Reset(std::uint8_t width) {
    slots_.fill(EmptySlot);
    prefix_.fill(0);
    suffix_.fill(0);
    suffixBits_ = width - 1;
    width_ = width;
    firstFree_ = static_cast<std::uint16_t>((1u << (width - 1)) + 2);
    nextFree_ = firstFree_;
    full_ = false;
}

} // namespace gif
