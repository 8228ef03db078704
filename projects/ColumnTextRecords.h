#pragma once

#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace projects {

// A text file that cannot become data lists; the message is the one the user sees.
class ColumnTextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What separates the cells of a line: one character, or any run of blanks and tabs.
enum class ColumnSeparator { Comma, Semicolon, Tab, Blanks };

// The lines of a column text as records of cells. Lines end with CR LF, LF or CR; the last line
// needs no ending. A cell that begins with a double quote runs to the next lone double quote and
// may hold separators and line breaks; two double quotes inside it stand for one. Blanks around
// a cell are dropped. Blank lines and lines whose first character other than blanks is "#" are
// skipped; a line of separators only is a record of empty cells.
class ColumnTextRecords {
public:
    ColumnTextRecords(std::string_view text, ColumnSeparator separator);

    // Reads the next record; false at the end of the text. The cells stay valid until the next
    // call. A quoted cell that is never closed throws ColumnTextError naming its line.
    bool next();
    const std::vector<std::string_view>& cells() const { return cells_; }
    // The line (from 1) on which the record read last begins.
    std::size_t line() const { return recordLine_; }

private:
    bool isBlank(char c) const;
    bool atLineEnd() const;
    void skipLineEnd();
    void skipLine();
    // Whether the rest of the line holds blanks only, or a comment.
    bool lineIsSkipped() const;
    std::string_view quotedCell();
    std::string_view plainCell();

    std::string_view text_;
    ColumnSeparator separator_;
    char mark_;
    std::size_t position_ = 0;
    std::size_t lineNumber_ = 1;
    std::size_t recordLine_ = 0;
    std::vector<std::string_view> cells_;
    // Quoted cells with doubled quotes, kept where the cell views can point at them.
    std::deque<std::string> unquoted_;
};

// The number of cells up to the last one that is not empty: separators at the end of a line add
// no column.
std::size_t filledLength(const std::vector<std::string_view>& cells);

// The record length most of the records counted have, the longer one on a tie.
class LengthTally {
public:
    void add(std::size_t length) { ++counts_[length]; }
    std::size_t mostFrequent() const;
    // How many of the records counted have the most frequent length.
    std::size_t mostFrequentCount() const;

private:
    std::map<std::size_t, std::size_t> counts_;
};

} // namespace projects
