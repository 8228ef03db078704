#pragma once

#include "projects/ColumnTextRecords.h"

#include <string>
#include <string_view>

namespace projects {

// How a column text is read: what separates its cells, the decimal separator of its numbers and
// whether its first record names the columns.
struct ColumnTextFormat {
    ColumnSeparator separator = ColumnSeparator::Comma;
    char decimalSeparator = '.';
    bool hasHeader = false;

    friend bool operator==(const ColumnTextFormat&, const ColumnTextFormat&) = default;
};

// The format that reads the first records of the text best: the separator that splits them into
// at least two columns with the fewest cells that are not numbers, then with the most records of
// one length, then tab before semicolon, comma and blanks; the decimal separator (never "," with
// commas between the cells) that makes the most cells numbers, "." on a tie. The first record is
// a header when one of its cells is a text over a number in the second record, or when it holds
// a text and is alone.
ColumnTextFormat detectColumnTextFormat(std::string_view text);

bool isNumberCell(std::string_view cell, char decimalSeparator);

// A cell of the file as the lists keep it: a number with the user's decimal separator, a text
// with the characters a project file cannot hold (";", "#", line breaks and other control
// characters) replaced by blanks and the blanks at its ends then dropped.
std::string importedCellText(std::string_view cell, char fileDecimal, char userDecimal);

// A header cell as a list name: trimmed, with "=", ";", "#" and control characters replaced by
// "_".
std::string mendedListName(std::string_view header);

} // namespace projects
