#pragma once

#include "engine/AngleUnit.h"

#include <string>

namespace common {
class IniFile;
}

namespace graph {

inline constexpr const char* DefaultFontName = "MS Sans Serif";
inline constexpr int DefaultFontSize = 10;

// The process-wide plotting options: kept by the frame, stored with every document, read by the
// graph each time it draws.
struct PlotOptions {
    std::string xAxisText = "x";
    std::string yAxisText = "y";
    long double xZoomFactor = 2;
    long double yZoomFactor = 2;
    std::string fontName = DefaultFontName;
    int fontSize = DefaultFontSize; // points
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    // The unit in which the plotted functions, the value table and the trigonometry range take angles.
    engine::AngleUnit angleUnit = engine::AngleUnit::Radians;
    bool boldLines = false;
    bool dottedLines = false;
    bool showAxis = true;
    bool showGrid = true;
    bool showScaleText = true;
    bool showFunctionNames = true;
};

// Reads the settings block from a settings file or a document. Absent keys give their defaults.
// A line style is taken over only when "BoldLines" or "DottedLines" is set (dotted wins); with
// both clear the current style stays. A zoom factor text that is not a number throws
// common::ConversionError; what was read before it stays in `options`.
void readSettingsBlock(const common::IniFile& file, PlotOptions& options, char decimalSeparator);

// Writes the settings block in its fixed key order, in one step. Returns false when the file
// could not be written; it is then unchanged.
bool writeSettingsBlock(common::IniFile& file, const PlotOptions& options, char decimalSeparator);

} // namespace graph
