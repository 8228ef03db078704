#include "graph/PlotOptions.h"

#include "common/IniFile.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"

namespace graph {

void readSettingsBlock(const common::IniFile& file, PlotOptions& options, char decimalSeparator) {
    options.xAxisText = file.readString("AxisText", "X", "x");
    options.yAxisText = file.readString("AxisText", "Y", "y");
    options.xZoomFactor = common::parseFloat(file.readString("ZoomFactor", "X", "2"), decimalSeparator);
    options.yZoomFactor = common::parseFloat(file.readString("ZoomFactor", "Y", "2"), decimalSeparator);

    options.fontName = file.readString("Font", "Name", DefaultFontName);
    options.fontSize = file.readInteger("Font", "Size", DefaultFontSize);
    options.fontBold = file.readBool("Font", "StyleBold", false);
    options.fontItalic = file.readBool("Font", "StyleItalic", false);
    options.fontUnderline = file.readBool("Font", "StyleUnderline", false);

    options.angleUnit =
        file.readBool("Angles", "Radians", true) ? engine::AngleUnit::Radians : engine::AngleUnit::Degrees;

    if (file.readBool("Options", "BoldLines", false)) {
        options.boldLines = true;
        options.dottedLines = false;
    }
    if (file.readBool("Options", "DottedLines", false)) {
        options.boldLines = false;
        options.dottedLines = true;
    }

    options.showAxis = file.readBool("Options", "ShowAxis", true);
    options.showGrid = file.readBool("Options", "ShowGrid", true);
    options.showScaleText = file.readBool("Options", "ShowScaleText", true);
    options.showFunctionNames = file.readBool("Options", "ShowFunctionNames", true);
}

bool writeSettingsBlock(common::IniFile& file, const PlotOptions& options, char decimalSeparator) {
    try {
        file.update([&] {
            file.writeString("AxisText", "X", options.xAxisText);
            file.writeString("AxisText", "Y", options.yAxisText);
            file.writeString("ZoomFactor", "X", common::formatPlain(options.xZoomFactor, decimalSeparator));
            file.writeString("ZoomFactor", "Y", common::formatPlain(options.yZoomFactor, decimalSeparator));
            file.writeString("Font", "Name", options.fontName);
            file.writeInteger("Font", "Size", options.fontSize);
            file.writeBool("Font", "StyleBold", options.fontBold);
            file.writeBool("Font", "StyleItalic", options.fontItalic);
            file.writeBool("Font", "StyleUnderline", options.fontUnderline);
            file.writeBool("Angles", "Radians", options.angleUnit == engine::AngleUnit::Radians);
            file.writeBool("Options", "BoldLines", options.boldLines);
            file.writeBool("Options", "DottedLines", options.dottedLines);
            file.writeBool("Options", "ShowAxis", options.showAxis);
            file.writeBool("Options", "ShowGrid", options.showGrid);
            file.writeBool("Options", "ShowScaleText", options.showScaleText);
            file.writeBool("Options", "ShowFunctionNames", options.showFunctionNames);
        });
        return true;
    } catch (const common::IniWriteError&) {
        return false;
    }
}

} // namespace graph
