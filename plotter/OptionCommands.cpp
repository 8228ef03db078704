#include "plotter/OptionCommands.h"

#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "common/IniFile.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "plotter/CommandTable.h"
#include "plotter/Texts.h"
#include "plotter/TwoFieldDialog.h"

#include <QAction>
#include <QFont>
#include <cmath>

namespace plotter {

using appkit::toQt;

OptionCommands::OptionCommands(graph::PlotOptions& options, const CommandTable& commands,
                               std::function<void()> redraw, appkit::Interaction& interaction,
                               char decimalSeparator, QWidget& parent)
    : options_(options), commands_(commands), redraw_(std::move(redraw)), interaction_(interaction),
      decimalSeparator_(decimalSeparator), zoomFactorDialog_(new TdlgZoomFactor(&parent)),
      axisTextDialog_(new TdlgAxisText(&parent)) {}

void OptionCommands::readSettings(const common::IniFile& file) {
    try {
        graph::readSettingsBlock(file, options_, decimalSeparator_);
    } catch (...) {
        updateCheckMarks();
        throw;
    }
    updateCheckMarks();
}

void OptionCommands::writeSettings(common::IniFile& file) const {
    graph::writeSettingsBlock(file, options_, decimalSeparator_);
}

void OptionCommands::updateCheckMarks() {
    commands_.action(CommandId::Degrees).setChecked(options_.angleUnit == engine::AngleUnit::Degrees);
    commands_.action(CommandId::Radians).setChecked(options_.angleUnit == engine::AngleUnit::Radians);
    commands_.action(CommandId::BoldLines).setChecked(options_.boldLines);
    commands_.action(CommandId::DottedLines).setChecked(options_.dottedLines);
    commands_.action(CommandId::NormalLines).setChecked(!options_.boldLines && !options_.dottedLines);
    commands_.action(CommandId::ShowAxis).setChecked(options_.showAxis);
    commands_.action(CommandId::ShowGrid).setChecked(options_.showGrid);
    commands_.action(CommandId::ShowScaleText).setChecked(options_.showScaleText);
    commands_.action(CommandId::ShowFunctionNames).setChecked(options_.showFunctionNames);
}

void OptionCommands::setAngleUnit(engine::AngleUnit unit) {
    options_.angleUnit = unit;
    updateCheckMarks();
    redraw_();
}

void OptionCommands::setLineStyle(bool bold, bool dotted) {
    options_.boldLines = bold;
    options_.dottedLines = dotted;
    updateCheckMarks();
    redraw_();
}

void OptionCommands::editZoomFactors() {
    zoomFactorDialog_->setTexts(toQt(common::formatPlain(options_.xZoomFactor, decimalSeparator_)),
                                toQt(common::formatPlain(options_.yZoomFactor, decimalSeparator_)));
    if (!interaction_.runDialog(*zoomFactorDialog_))
        return;
    // Both texts are converted before either factor changes.
    try {
        const long double x =
            common::parseFloat(zoomFactorDialog_->firstText().toStdString(), decimalSeparator_);
        const long double y =
            common::parseFloat(zoomFactorDialog_->secondText().toStdString(), decimalSeparator_);
        // A factor of 0 or below, or one too large for a number, gives no range to zoom to.
        if (!(std::isfinite(x) && x > 0 && std::isfinite(y) && y > 0)) {
            interaction_.showError(plainText("ZoomFactorMustBeAboveZero"));
            return;
        }
        options_.xZoomFactor = x;
        options_.yZoomFactor = y;
    } catch (const common::ConversionError& error) {
        interaction_.showError(toQt(error.what()));
    }
}

void OptionCommands::editAxisTexts() {
    axisTextDialog_->setTexts(toQt(options_.xAxisText), toQt(options_.yAxisText));
    if (!interaction_.runDialog(*axisTextDialog_))
        return;
    options_.xAxisText = axisTextDialog_->firstText().toStdString();
    options_.yAxisText = axisTextDialog_->secondText().toStdString();
    redraw_();
}

void OptionCommands::chooseAxisFont() {
    QFont font(toQt(options_.fontName));
    font.setPointSize(options_.fontSize > 0 ? options_.fontSize : graph::DefaultFontSize);
    font.setBold(options_.fontBold);
    font.setItalic(options_.fontItalic);
    font.setUnderline(options_.fontUnderline);
    const std::optional<QFont> chosen = interaction_.chooseFont(font);
    if (!chosen)
        return;
    options_.fontName = chosen->family().toStdString();
    if (chosen->pointSize() > 0)
        options_.fontSize = chosen->pointSize();
    options_.fontBold = chosen->bold();
    options_.fontItalic = chosen->italic();
    options_.fontUnderline = chosen->underline();
    redraw_();
}

void OptionCommands::setShown(bool graph::PlotOptions::*shown, bool checked) {
    if (options_.*shown == checked)
        return;
    options_.*shown = checked;
    redraw_();
}

} // namespace plotter
