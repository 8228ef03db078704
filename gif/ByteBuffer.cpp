#include "gif/ByteBuffer.h"

#include <algorithm>
#include <stdexcept>

namespace gif {

std::span<const std::uint8_t> TByteBuffer::Chunk(std::size_t index) const {
    if (index >= ChunkCount())
        throw std::out_of_range("No such data chunk");
    const std::size_t start = index * ChunkSize;
    return std::span<const std::uint8_t>(bytes_).subspan(start, std::min(ChunkSize, bytes_.size() - start));
}

} // namespace gif
