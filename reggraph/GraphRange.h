#pragma once

#include <array>
#include <string>

namespace reggraph {

// The six rows of the range table, in table order.
enum RangeRow { Xmin = 0, Xmax, Xstep, Ymin, Ymax, Ystep };

inline constexpr int RangeRowCount = 6;

// The texts of the range table's value column, row by row, exactly as typed.
using RangeTexts = std::array<std::string, RangeRowCount>;

// Labels of the range table's first column.
inline const std::array<std::string, RangeRowCount> RangeRowLabels = {"Xmin", "Xmax", "Xstep",
                                                                      "Ymin", "Ymax", "Ystep"};

// The world range as numbers.
struct GraphRange {
    long double xMin = 0;
    long double xMax = 0;
    long double xStep = 0;
    long double yMin = 0;
    long double yMax = 0;
    long double yStep = 0;
};

// Parses the six texts with the given decimal separator. A text that is not a number throws
// common::ConversionError "'text' is not a valid floating point value".
GraphRange readRange(const RangeTexts& texts, char decimalSeparator);

// True when the range can be drawn: finite values, Xmin < Xmax, Xstep > 0, Ymin < Ymax, Ystep > 0,
// and the ticks of both axes can be found within the step limits of FirstTick.h. Ranges beyond those
// limits are refused like any other wrong range, so no drawing ever runs away.
bool validateRange(const GraphRange& range);

} // namespace reggraph
