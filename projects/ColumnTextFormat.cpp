#include "projects/ColumnTextFormat.h"

#include "common/NumberParse.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace projects {

namespace {

// Enough records to see the shape of a file without reading all of it.
constexpr std::size_t DetectionRecords = 50;

using Record = std::vector<std::string>;

// The first records of the text with their lengths.
struct Sample {
    std::vector<Record> records;
    LengthTally lengths;
};

Sample firstRecords(std::string_view text, ColumnSeparator separator) {
    Sample sample;
    ColumnTextRecords reader(text, separator);
    try {
        while (sample.records.size() < DetectionRecords && reader.next()) {
            sample.records.emplace_back(reader.cells().begin(), reader.cells().end());
            sample.lengths.add(reader.cells().size());
        }
    } catch (const ColumnTextError&) {
        // An unclosed quote ends the sample; reading the file reports it.
    }
    return sample;
}

struct Candidate {
    ColumnTextFormat format;
    std::size_t columns = 0;    // the most frequent record length
    std::size_t sameLength = 0; // records of that length
    std::size_t notNumbers = 0; // filled cells of the data records that are not numbers
    int order = 0;
};

std::size_t countNotNumbers(const std::vector<Record>& records, char decimal) {
    std::size_t count = 0;
    const std::size_t first = records.size() > 1 ? 1 : 0;
    for (std::size_t r = first; r < records.size(); ++r)
        for (const std::string& cell : records[r])
            if (!cell.empty() && !isNumberCell(cell, decimal))
                ++count;
    return count;
}

Candidate evaluate(const Sample& sample, ColumnSeparator separator, int order) {
    const std::vector<Record>& records = sample.records;
    Candidate candidate;
    candidate.format.separator = separator;
    candidate.order = order;
    candidate.columns = sample.lengths.mostFrequent();
    candidate.sameLength = sample.lengths.mostFrequentCount();
    candidate.notNumbers = countNotNumbers(records, '.');
    if (separator != ColumnSeparator::Comma) {
        const std::size_t withComma = countNotNumbers(records, ',');
        if (withComma < candidate.notNumbers) {
            candidate.notNumbers = withComma;
            candidate.format.decimalSeparator = ',';
        }
    }
    return candidate;
}

bool isBetter(const Candidate& a, const Candidate& b) {
    const bool aUsable = a.columns >= 2;
    const bool bUsable = b.columns >= 2;
    if (aUsable != bUsable)
        return aUsable;
    if (a.notNumbers != b.notNumbers)
        return a.notNumbers < b.notNumbers;
    if (a.sameLength != b.sameLength)
        return a.sameLength > b.sameLength;
    return a.order < b.order;
}

bool firstRecordIsHeader(const std::vector<Record>& records, char decimal) {
    if (records.empty())
        return false;
    const Record& first = records[0];
    for (std::size_t c = 0; c < first.size(); ++c) {
        if (first[c].empty() || isNumberCell(first[c], decimal))
            continue;
        if (records.size() == 1)
            return true;
        if (c < records[1].size() && isNumberCell(records[1][c], decimal))
            return true;
    }
    return false;
}

bool isControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

bool isNumberCell(std::string_view cell, char decimalSeparator) {
    return common::tryParseFloat(cell, decimalSeparator).has_value();
}

ColumnTextFormat detectColumnTextFormat(std::string_view text) {
    constexpr std::array<ColumnSeparator, 4> separators = {ColumnSeparator::Tab, ColumnSeparator::Semicolon,
                                                           ColumnSeparator::Comma, ColumnSeparator::Blanks};
    std::optional<Candidate> best;
    std::vector<Record> bestRecords;
    for (std::size_t i = 0; i < separators.size(); ++i) {
        Sample sample = firstRecords(text, separators[i]);
        const Candidate candidate = evaluate(sample, separators[i], static_cast<int>(i));
        if (!best || isBetter(candidate, *best)) {
            best = candidate;
            bestRecords = std::move(sample.records);
        }
    }
    ColumnTextFormat format = best->format;
    format.hasHeader = firstRecordIsHeader(bestRecords, format.decimalSeparator);
    return format;
}

std::string importedCellText(std::string_view cell, char fileDecimal, char userDecimal) {
    std::string text(cell);
    if (isNumberCell(cell, fileDecimal)) {
        if (fileDecimal != userDecimal)
            std::replace(text.begin(), text.end(), fileDecimal, userDecimal);
        return text;
    }
    if (std::none_of(text.begin(), text.end(), [](char c) { return c == ';' || c == '#' || isControl(c); }))
        return text;
    for (char& c : text)
        if (c == ';' || c == '#' || isControl(c))
            c = ' ';
    return std::string(trimmed(text));
}

std::string mendedListName(std::string_view header) {
    std::string name(trimmed(header));
    for (char& c : name)
        if (c == '=' || c == ';' || c == '#' || isControl(c))
            c = '_';
    return name;
}

} // namespace projects
