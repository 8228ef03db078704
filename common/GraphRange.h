#pragma once

#include <array>
#include <string>
#include <string_view>

namespace common {

class IniFile;

// The rows of a range grid, in their order; a row is also its index into RangeTexts.
enum RangeRow { Xmin, Xmax, Xstep, Ymin, Ymax, Ystep };
inline constexpr int RangeRowCount = 6;

// The rows' names, which are also their labels in the grids.
inline constexpr std::array<const char*, RangeRowCount> RangeRowNames = {"Xmin", "Xmax", "Xstep",
                                                                         "Ymin", "Ymax", "Ystep"};

// A range grid's value column row by row, exactly as typed. Grids, documents, project files and
// settings keep a range as these texts; they become a GraphRange only through the functions below.
using RangeTexts = std::array<std::string, RangeRowCount>;

// The world range a graph shows and the distance of its grid lines and scale marks.
struct GraphRange {
    long double Xmin = 0;
    long double Xmax = 0;
    long double Xstep = 0;
    long double Ymin = 0;
    long double Ymax = 0;
    long double Ystep = 0;

    long double& operator[](RangeRow row);
    long double operator[](RangeRow row) const;
    friend bool operator==(const GraphRange&, const GraphRange&) = default;
};

// Converts the texts into `range` in row order. The first text that is not a number throws
// ConversionError with the message users see; the rows before it have been stored already.
void readRange(const RangeTexts& texts, char decimalSeparator, GraphRange& range);

// All six texts as numbers, or ConversionError for the first that is not a number.
GraphRange parseRange(const RangeTexts& texts, char decimalSeparator);

// A value as a range grid shows it: the shortest text with 15 significant digits.
std::string rangeValueText(long double value, char decimalSeparator);
RangeTexts formatRange(const GraphRange& range, char decimalSeparator);

// The texts of keys "Cells[1,0]" ... "Cells[1,5]" of an INI section, the form in which saved and
// standard ranges and documents keep a range grid; an absent key gives its row's default.
RangeTexts readRangeTexts(const IniFile& file, std::string_view section, const RangeTexts& defaults);
// Writes all six keys; an IniWriteError is the caller's, as for any write.
void writeRangeTexts(IniFile& file, std::string_view section, const RangeTexts& texts);

} // namespace common
