#include "gif/DynArrB.h"

#include <new>
#include <string>

namespace gif {

namespace {

std::vector<std::uint8_t> allocateBytes(std::size_t size) {
    try {
        return std::vector<std::uint8_t>(size);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    throw ENotEnoughMemory("error in TBigByteArray.create: Not enough contiguous memory available\r\n"
                           " requested memory block: " +
                           std::to_string(size) + " bytes");
}

[[noreturn]] void indexOutOfBounds() {
    throw EIndexOutOfBounds("Dynamic array index out of bounds");
}

} // namespace

TBigByteArray::TBigByteArray(std::size_t size) : bytes_(allocateBytes(size)) {}

std::size_t TBigByteArray::checkedOffset(std::size_t index) const {
    if (index < 1 || index > bytes_.size())
        indexOutOfBounds();
    return index - 1;
}

std::uint8_t& TBigByteArray::operator[](std::size_t index) {
    return bytes_[checkedOffset(index)];
}

std::uint8_t TBigByteArray::operator[](std::size_t index) const {
    return bytes_[checkedOffset(index)];
}

TByteArray2D::TByteArray2D(std::uint32_t width, std::uint32_t height)
    : width_(width), height_(height), bytes_(static_cast<std::size_t>(std::uint64_t{width} * height)) {}

std::size_t TByteArray2D::indexOf(std::uint32_t x, std::uint32_t y) const {
    // Checked per coordinate so that a column past the end never aliases the next row.
    if (x < 1 || x > width_ || y < 1 || y > height_)
        indexOutOfBounds();
    return x + static_cast<std::size_t>(y - 1) * width_;
}

std::uint8_t& TByteArray2D::operator()(std::uint32_t x, std::uint32_t y) {
    return bytes_[indexOf(x, y)];
}

std::uint8_t TByteArray2D::operator()(std::uint32_t x, std::uint32_t y) const {
    return bytes_[indexOf(x, y)];
}

} // namespace gif
