#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace gif {

// Collects bytes and hands them out as GIF data chunks: 255 bytes each, the last one 1 to 255.
// The bytes lie one after the other; a chunk starts every 255 bytes.
class TByteBuffer {
public:
    static constexpr std::size_t ChunkSize = 255;

    void Reserve(std::size_t byteCount) { bytes_.reserve(byteCount); }
    void Append(std::uint8_t byte) { bytes_.push_back(byte); }

    std::size_t TotalCount() const { return bytes_.size(); }
    std::span<const std::uint8_t> Bytes() const { return bytes_; }

    std::size_t ChunkCount() const { return (bytes_.size() + ChunkSize - 1) / ChunkSize; }
    std::span<const std::uint8_t> Chunk(std::size_t index) const;

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace gif
