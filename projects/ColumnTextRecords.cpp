#include "projects/ColumnTextRecords.h"

#include "translation/Translator.h"

namespace projects {

namespace {

char separatorMark(ColumnSeparator separator) {
    switch (separator) {
    case ColumnSeparator::Comma:
        return ',';
    case ColumnSeparator::Semicolon:
        return ';';
    case ColumnSeparator::Tab:
        return '\t';
    case ColumnSeparator::Blanks:
        break;
    }
    return ' ';
}

} // namespace

ColumnTextRecords::ColumnTextRecords(std::string_view text, ColumnSeparator separator)
    : text_(text), separator_(separator), mark_(separatorMark(separator)) {}

bool ColumnTextRecords::isBlank(char c) const {
    return c == ' ' || (c == '\t' && separator_ != ColumnSeparator::Tab);
}

bool ColumnTextRecords::atLineEnd() const {
    return position_ >= text_.size() || text_[position_] == '\n' || text_[position_] == '\r';
}

void ColumnTextRecords::skipLineEnd() {
    if (position_ >= text_.size())
        return;
    if (text_[position_] == '\r' && position_ + 1 < text_.size() && text_[position_ + 1] == '\n')
        ++position_;
    ++position_;
    ++lineNumber_;
}

void ColumnTextRecords::skipLine() {
    while (!atLineEnd())
        ++position_;
    skipLineEnd();
}

bool ColumnTextRecords::lineIsSkipped() const {
    std::size_t i = position_;
    while (i < text_.size() && isBlank(text_[i]))
        ++i;
    return i >= text_.size() || text_[i] == '\n' || text_[i] == '\r' || text_[i] == '#';
}

std::string_view ColumnTextRecords::quotedCell() {
    const std::size_t startLine = lineNumber_;
    const std::size_t start = ++position_;
    bool doubled = false;
    for (;;) {
        const std::size_t quote = text_.find('"', position_);
        if (quote == std::string_view::npos) {
            throw ColumnTextError(translation::T("ImportQuoteNotClosed") + " " + std::to_string(startLine));
        }
        for (std::size_t i = position_; i < quote; ++i)
            if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
                ++lineNumber_;
        position_ = quote + 1;
        if (position_ < text_.size() && text_[position_] == '"') {
            doubled = true;
            ++position_;
            continue;
        }
        break;
    }
    std::string_view cell = text_.substr(start, position_ - 1 - start);
    // Characters between the closing quote and the separator belong to the cell as they are.
    const std::size_t tailStart = position_;
    while (!atLineEnd() && text_[position_] != mark_ &&
           !(separator_ == ColumnSeparator::Blanks && isBlank(text_[position_])))
        ++position_;
    std::string_view tail = text_.substr(tailStart, position_ - tailStart);
    while (!tail.empty() && isBlank(tail.back()))
        tail.remove_suffix(1);
    if (!doubled && tail.empty())
        return cell;
    std::string& kept = unquoted_.emplace_back();
    kept.reserve(cell.size() + tail.size());
    for (std::size_t i = 0; i < cell.size(); ++i) {
        kept += cell[i];
        if (cell[i] == '"')
            ++i;
    }
    kept += tail;
    return kept;
}

std::string_view ColumnTextRecords::plainCell() {
    const std::size_t start = position_;
    if (separator_ == ColumnSeparator::Blanks) {
        while (!atLineEnd() && !isBlank(text_[position_]))
            ++position_;
        return text_.substr(start, position_ - start);
    }
    while (!atLineEnd() && text_[position_] != mark_)
        ++position_;
    std::string_view cell = text_.substr(start, position_ - start);
    while (!cell.empty() && isBlank(cell.back()))
        cell.remove_suffix(1);
    return cell;
}

bool ColumnTextRecords::next() {
    cells_.clear();
    unquoted_.clear();
    while (position_ < text_.size() && lineIsSkipped())
        skipLine();
    if (position_ >= text_.size())
        return false;
    recordLine_ = lineNumber_;
    for (;;) {
        while (!atLineEnd() && isBlank(text_[position_]))
            ++position_;
        if (separator_ == ColumnSeparator::Blanks && atLineEnd())
            break;
        cells_.push_back(position_ < text_.size() && text_[position_] == '"' ? quotedCell() : plainCell());
        if (atLineEnd())
            break;
        if (separator_ != ColumnSeparator::Blanks)
            ++position_; // the separator
    }
    skipLineEnd();
    return true;
}

std::size_t filledLength(const std::vector<std::string_view>& cells) {
    std::size_t length = cells.size();
    while (length > 0 && cells[length - 1].empty())
        --length;
    return length;
}

std::size_t LengthTally::mostFrequent() const {
    std::size_t length = 0;
    std::size_t most = 0;
    for (const auto& [candidate, count] : counts_)
        if (count >= most) {
            length = candidate;
            most = count;
        }
    return length;
}

std::size_t LengthTally::mostFrequentCount() const {
    const auto found = counts_.find(mostFrequent());
    return found == counts_.end() ? 0 : found->second;
}

} // namespace projects
