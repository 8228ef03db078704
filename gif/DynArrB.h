#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace gif {

// Memory for a byte array could not be obtained.
class ENotEnoughMemory : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An element outside the array was addressed.
class EIndexOutOfBounds : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// A byte array of a fixed size, indexed from 1, all bytes 0 at creation.
class TBigByteArray {
public:
    explicit TBigByteArray(std::size_t size);

    std::size_t Size() const { return bytes_.size(); }
    std::uint8_t& operator[](std::size_t index);
    std::uint8_t operator[](std::size_t index) const;

    // The bytes in order, for loops over the whole array.
    std::uint8_t* Data() { return bytes_.data(); }
    const std::uint8_t* Data() const { return bytes_.data(); }

private:
    std::size_t checkedOffset(std::size_t index) const;

    std::vector<std::uint8_t> bytes_;
};

// A width by height array of bytes, element (x, y) counted from 1, stored row by row.
class TByteArray2D {
public:
    TByteArray2D(std::uint32_t width, std::uint32_t height);

    std::uint32_t Width() const { return width_; }
    std::uint32_t Height() const { return height_; }
    std::uint8_t& operator()(std::uint32_t x, std::uint32_t y);
    std::uint8_t operator()(std::uint32_t x, std::uint32_t y) const;

    // All elements row by row from the top: (1, 1), (2, 1), … (width, height).
    std::uint8_t* Data() { return bytes_.Data(); }
    const std::uint8_t* Data() const { return bytes_.Data(); }
    std::size_t Size() const { return bytes_.Size(); }

private:
    std::size_t indexOf(std::uint32_t x, std::uint32_t y) const;

    std::uint32_t width_;
    std::uint32_t height_;
    TBigByteArray bytes_;
};

} // namespace gif
