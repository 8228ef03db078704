#pragma once

#include "gif/ByteBuffer.h"

#include <cstdint>

namespace gif {

// Packs codes of varying width into bytes, least significant bit first.
class TEncodedBytes {
public:
    explicit TEncodedBytes(std::size_t expectedByteCount = 0) { bytes_.Reserve(expectedByteCount); }

    void WriteCode(std::uint16_t code, std::uint8_t width) {
        accumulator_ += static_cast<std::uint32_t>(code) << bitCount_;
        bitCount_ = static_cast<std::uint8_t>(bitCount_ + width);
        while (bitCount_ > 7) {
            bytes_.Append(static_cast<std::uint8_t>(accumulator_));
            accumulator_ >>= 8;
            bitCount_ = static_cast<std::uint8_t>(bitCount_ - 8);
        }
    }

    // Writes the last code and flushes the remaining bits as one byte.
    void Finish(std::uint16_t lastCode, std::uint8_t width);

    const TByteBuffer& Bytes() const { return bytes_; }
    TByteBuffer TakeBytes() { return std::move(bytes_); }

private:
    std::uint32_t accumulator_ = 0;
    std::uint8_t bitCount_ = 0;
    TByteBuffer bytes_;
};

} // namespace gif
