#pragma once

#include <array>
#include <cstdint>

namespace gif {

// The LZW string table of one image: each code after the clear and end codes stands for an
// earlier code (its prefix) extended by one pixel (its suffix).
//
// Entries are found through an open-addressing hash table of codes keyed by (prefix, suffix).
// The encoder only ever adds a pair that is not in the table yet, and a code's prefix is always a
// smaller code, so the one code found is the same one a scan of the codes in increasing order
// finds.
class TCodeTable {
public:
    static constexpr int CodeCount = 4096;

    TCodeTable() { Reset(3); }

    // Empties the table for codes starting `width` bits wide (minimum code size + 1).
    void Reset(std::uint8_t width);

    void Add(std::uint16_t prefix, std::uint8_t suffix) {
        std::uint32_t slot = slotOf(prefix, suffix);
        while (slots_[slot] != EmptySlot && !holds(slots_[slot], prefix, suffix))
            slot = (slot + 1) & SlotMask;
        if (slots_[slot] ==
            EmptySlot) // otherwise the earlier code keeps the pair, as in a scan from the lowest
            slots_[slot] = nextFree_;
        prefix_[nextFree_] = prefix;
        suffix_[nextFree_] = suffix;
        ++nextFree_;
        if (nextFree_ == CodeCount)
            full_ = true;
        else if ((1u << width_) < nextFree_)
            ++width_;
    }

    // The code of `code` extended by `suffix`, or -1 when the table has none.
    int Find(std::uint16_t code, std::uint8_t suffix) const {
        for (std::uint32_t slot = slotOf(code, suffix);; slot = (slot + 1) & SlotMask) {
            const std::uint16_t candidate = slots_[slot];
            if (candidate == EmptySlot)
                return -1;
            if (holds(candidate, code, suffix))
                return candidate;
        }
    }

    std::uint8_t Width() const { return width_; }
    bool Full() const { return full_; }
    std::uint16_t FirstFree() const { return firstFree_; }
    std::uint16_t NextFree() const { return nextFree_; }

private:
    static constexpr int SlotBits = 14; // four slots per code keeps the probe chains short
    static constexpr std::uint32_t SlotMask = (1u << SlotBits) - 1;
    static constexpr std::uint16_t EmptySlot = 0; // a pixel's own code, never an entry

    // Suffixes are below 2^suffixBits_, so the extensions of one code lie side by side: strings
    // that grow from the same code hit the same cache lines.
    std::uint32_t slotOf(std::uint16_t prefix, std::uint8_t suffix) const {
        const std::uint32_t key = static_cast<std::uint32_t>(prefix) << suffixBits_ | suffix;
        return (key ^ key >> SlotBits) & SlotMask;
    }
    bool holds(std::uint16_t code, std::uint16_t prefix, std::uint8_t suffix) const {
        return prefix_[code] == prefix && suffix_[code] == suffix;
    }

    std::array<std::uint16_t, 1u << SlotBits> slots_;
    std::array<std::uint16_t, CodeCount> prefix_;
    std::array<std::uint8_t, CodeCount> suffix_;
    int suffixBits_ = 8;
    std::uint8_t width_ = 0;
    bool full_ = false;
    std::uint16_t firstFree_ = 0;
    std::uint16_t nextFree_ = 0;
};

} // namespace gif
