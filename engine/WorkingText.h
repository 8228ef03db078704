#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// The text being compiled, as cells at fixed positions. A cell holds either a character or a
// reference to a register; the two can never be confused because a reference is a separate kind
// of cell, not a character sequence. Compiled pieces are replaced by one reference cell and their
// other cells leave the chain of live cells. Positions never move, so parentheses keep their
// partners and ranges of the text stay valid while pieces inside them are replaced.
//
// Ranges are given as [first live position, end), where `end` is the first live position after
// the range (or size()); nothing outside a range changes while the range is compiled, so `end`
// stays live.
class WorkingText {
public:
    explicit WorkingText(const std::string& text);

    int size() const { return static_cast<int>(cells_.size()); }
    int next(int position) const { return next_[position]; }
    int prev(int position) const { return prev_[position]; }
    bool isReference(int position) const { return cells_[position].isReference; }
    std::uint8_t registerOf(int position) const { return cells_[position].registerNumber; }
    // The character of a cell; 0 for a reference.
    char at(int position) const { return cells_[position].isReference ? '\0' : cells_[position].character; }
    // The partner of a parenthesis.
    int partner(int position) const { return partner_[position]; }

    // First live cell holding `character` in [first, end), or -1.
    int find(char character, int first, int end);

    // Last position of the operand that starts at `start` and runs to the next operand stop at its
    // own level of parentheses (groups are skipped whole; a sign after "E" or after ")^" does not stop it).
    int argumentLast(int start, int end);
    // First position of the left operand that ends at `last`: a group, x, a reference or a number,
    // extended over "^" and the base in front of it, repeatedly. -1 when there is none.
    int leftOperandFirst(int last, int first);
    // First position of the power base that ends at `last`: a group, x, a reference or a number. -1 when
    // none.
    int atomFirst(int last, int first);
    // Last position of the exponent that starts at `start`: an optional sign, then x, a reference,
    // a group or a number. -1 when there is none.
    int exponentLast(int start, int end);
    // Last position of the number that starts at `start`: the number characters after it; an "E"
    // takes a "-" directly after it.
    int numberLast(int start, int end) const;

    // Changes the character of a cell that is not searched for (a sign).
    void setCharacter(int position, char character) { cells_[position].character = character; }
    // Takes one cell out of the text.
    void remove(int position);
    // Replaces the live cells from `first` to `last` by one reference to `registerNumber`.
    void replace(int first, int last, std::uint8_t registerNumber);
    // The characters of the live cells in [first, end); none when a reference lies among them.
    std::optional<std::string> characters(int first, int end) const;

private:
    struct Cell {
        char character;
        bool isReference;
        std::uint8_t registerNumber;
    };
    // Live positions of one searched character in increasing order; `link` skips dead entries.
    struct Occurrences {
        std::vector<int> positions;
        std::vector<int> link;
        int liveCount = 0;
        int firstLiveIndex(int index);
    };

    bool isNumberCell(int position) const;
    int firstLiveStop(int position);
    void forgetOccurrence(int position);
    void leave(int position);
    Occurrences* occurrencesOf(char character);

    std::vector<Cell> cells_;
    std::vector<int> next_;
    std::vector<int> prev_;
    std::vector<int> partner_;
    std::vector<bool> live_;
    // The next operand stop at the same level of parentheses (its enclosing ")" included), over the
    // text as built; dead stops are skipped through their own link.
    std::vector<int> stopLink_;
    std::vector<int> occurrenceIndex_;
    std::array<Occurrences, 19> occurrences_;
};

} // namespace engine
