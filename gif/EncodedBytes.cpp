#include "gif/EncodedBytes.h"

namespace gif {

void TEncodedBytes::Finish(std::uint16_t lastCode, std::uint8_t width) {
    WriteCode(lastCode, width);
    if (bitCount_ > 0)
        bytes_.Append(static_cast<std::uint8_t>(accumulator_));
    accumulator_ = 0;
    bitCount_ = 0;
}

} // namespace gif
