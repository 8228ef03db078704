#pragma once

#include <array>
#include <cstdint>

namespace gif {

// The LZW string table of one image: each code after the clear and end codes stands for an
// earlier code (its prefix) extended by one pixel (its suffix).
//
// Entries are found through an open-addressing hash table. The encoder only ever adds a
// (prefix, suffix) pair that is not in the table yet, and a code's prefix is always a smaller
// code, so the one entry found is the same one a scan of the codes in increasing order finds.
class TCodeTable {
public:
    static constexpr int CodeCount = 4096;

    TCodeTable() { Reset(3); }

    // Empties the table for codes starting `width` bits wide.
    void Reset(std::uint8_t width);

    void Add(std::uint16_t prefix, std::uint8_t suffix) {
        const std::uint32_t key = keyOf(prefix, suffix);
        std::uint32_t slot = slotOf(key);
        while (slots_[slot] != EmptySlot) {
            if ((slots_[slot] >> CodeBits) == key)
                break; // the earlier code keeps the pair, as in a scan from the lowest code
            slot = (slot + 1) & SlotMask;
        }
        if (slots_[slot] == EmptySlot)
            slots_[slot] = key << CodeBits | nextFree_;
        ++nextFree_;
        if (nextFree_ == CodeCount)
            full_ = true;
        else if ((1u << width_) < nextFree_)
            ++width_;
    }

    // The code of `code` extended by `suffix`, or -1 when the table has none.
    int Find(std::uint16_t code, std::uint8_t suffix) const {
        const std::uint32_t key = keyOf(code, suffix);
        for (std::uint32_t slot = slotOf(key);; slot = (slot + 1) & SlotMask) {
            const std::uint32_t entry = slots_[slot];
            if (entry == EmptySlot)
                return -1;
            if ((entry >> CodeBits) == key)
                return static_cast<int>(entry & CodeMask);
        }
    }

    std::uint8_t Width() const { return width_; }
    bool Full() const { return full_; }
    std::uint16_t FirstFree() const { return firstFree_; }
    std::uint16_t NextFree() const { return nextFree_; }

private:
    static constexpr int CodeBits = 12;
    static constexpr std::uint32_t CodeMask = (1u << CodeBits) - 1;
    static constexpr int SlotBits = 14; // four slots per code keeps the probe chains short
    static constexpr std::uint32_t SlotMask = (1u << SlotBits) - 1;
    // Would mean prefix 4095 with code 4095, impossible since a prefix is older than its code.
    static constexpr std::uint32_t EmptySlot = 0xFFFFFFFFu;

    static std::uint32_t keyOf(std::uint16_t prefix, std::uint8_t suffix) {
        return static_cast<std::uint32_t>(prefix) << 8 | suffix;
    }
    static std::uint32_t slotOf(std::uint32_t key) { return (key * 0x9E3779B1u) >> (32 - SlotBits); }

    std::array<std::uint32_t, 1u << SlotBits> slots_;
    std::uint8_t width_ = 0;
    bool full_ = false;
    std::uint16_t firstFree_ = 0;
    std::uint16_t nextFree_ = 0;
};

} // namespace gif
