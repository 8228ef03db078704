#pragma once

// The LZW encoding of GIF image data written the plain way: the string table is searched by a
// linear scan from the lowest candidate code. Slow but obviously right; the encoder under test
// must produce the same bytes.

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace reference {

class LinearCodeTable {
public:
    void reset(int initialWidth) {
        prefix_.fill(0);
        suffix_.fill(0);
        width = initialWidth;
        firstFree = nextFree = (1 << (initialWidth - 1)) + 2;
        full = false;
    }
    void add(int prefix, int suffix) {
        prefix_[static_cast<std::size_t>(nextFree)] = static_cast<std::uint16_t>(prefix);
        suffix_[static_cast<std::size_t>(nextFree)] = static_cast<std::uint16_t>(suffix);
        ++nextFree;
        if (nextFree == 4096)
            full = true;
        else if ((1 << width) < nextFree)
            ++width;
    }
    int search(int code, int suffix) const {
        for (int candidate = std::max(firstFree, code + 1); candidate < nextFree; ++candidate)
            if (prefix_[static_cast<std::size_t>(candidate)] == code &&
                suffix_[static_cast<std::size_t>(candidate)] == suffix)
                return candidate;
        return -1;
    }

    int width = 0;
    bool full = false;
    int firstFree = 0;
    int nextFree = 0;

private:
    std::array<std::uint16_t, 4096> prefix_{};
    std::array<std::uint16_t, 4096> suffix_{};
};

class BitPacker {
public:
    void write(int code, int width) {
        accumulator_ += static_cast<std::uint32_t>(code) << bitCount_;
        bitCount_ += width;
        while (bitCount_ > 7) {
            bytes.push_back(static_cast<std::uint8_t>(accumulator_ & 0xFF));
            accumulator_ >>= 8;
            bitCount_ -= 8;
        }
    }
    void finish(int code, int width) {
        write(code, width);
        if (bitCount_ > 0)
            bytes.push_back(static_cast<std::uint8_t>(accumulator_ & 0xFF));
    }

    std::vector<std::uint8_t> bytes;

private:
    std::uint32_t accumulator_ = 0;
    int bitCount_ = 0;
};

// Positions count from 1 as in the description of the steps.
inline std::vector<std::uint8_t> encode(const std::vector<std::uint8_t>& pixels, int minCodeSize) {
    const auto count = static_cast<int>(pixels.size());
    const auto pixel = [&](int position) {
        return static_cast<int>(pixels[static_cast<std::size_t>(position - 1)]);
    };
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    LinearCodeTable table;
    BitPacker out;

    table.reset(minCodeSize + 1);
    out.write(clearCode, table.width);
    out.write(pixel(1), table.width);
    int previous = pixel(1);
    int position = 2;
    while (position <= count) {
        const int first = pixel(position++);
        table.add(previous, first);
        int current = first;
        while (position <= count) {
            const int found = table.search(current, pixel(position++));
            if (found < 0) {
                --position;
                break;
            }
            current = found;
        }
        out.write(current, table.width);
        previous = current;
        if (table.full && position <= count) {
            out.write(clearCode, table.width);
            table.reset(minCodeSize + 1);
            out.write(pixel(position), table.width);
            previous = pixel(position++);
        }
    }
    // A decoder has widened its codes once its table holds 2^width entries; so is the end code.
    const bool decoderWidened = table.width < 12 && table.nextFree == 1 << table.width;
    out.finish(endCode, table.width + (decoderWidened ? 1 : 0));
    return out.bytes;
}

} // namespace reference
