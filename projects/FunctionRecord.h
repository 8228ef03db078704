#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace projects {

// How the graph draws a function record again.
enum class RecordDrawing {
    Curve,          // sampled through the evaluator of the regression result
    StraightLine,   // y = a + b·x, clipped to the range
    HorizontalLine, // y = a, for a zero slope
    LineFamily,     // Multiple: one straight line of slope b per intercept, all one drawn function
    None,           // the record cannot be drawn; `error` says why
};

// One function record as the redraw needs it: the model kind and coefficients to restore in the
// regression result, and the equation for the function label list.
struct DrawableRecord {
    std::string kind;
    std::string equation;
    RecordDrawing drawing = RecordDrawing::None;
    long double a = 0;                     // constant or intercept
    long double b = 0;                     // coefficient or slope
    std::vector<long double> coefficients; // c0..cm of a polynomial
    std::vector<long double> intercepts;   // the lines of a Multiple record
    std::string error;
};

// The most lines one Multiple record may draw; a larger count in a file is refused rather than
// drawn for minutes.
inline constexpr int kMaxFamilyLines = 10'000;

// Fields of a record line, split at ";" (the trailing ";" gives no extra field).
std::vector<std::string_view> splitRecordFields(std::string_view record);

// Whether the line has every field its model kind needs (numbers are not checked; they are
// parsed with the locale's separator only when the record is drawn).
bool isCompleteRecord(std::string_view record);

// Parses a record for redrawing. A number that does not parse gives RecordDrawing::None with the
// parser's message in `error`; kind and equation are always filled.
DrawableRecord parseRecord(std::string_view record, char decimalSeparator = '.');

// The record of a two-parameter model: kind ";" equation ";" a ";" b ";" with a and b in the
// general format with 15 digits.
std::string simpleModelRecord(std::string_view kind, std::string_view equation, long double a, long double b,
                              char decimalSeparator = '.');

} // namespace projects
