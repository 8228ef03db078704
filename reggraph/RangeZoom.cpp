#include "reggraph/RangeZoom.h"

#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "regression/CheckedArithmetic.h"
#include "translation/Translator.h"

#include <utility>

namespace reggraph {

namespace {

long double multiplied(long double value, long double factor) {
    return regression::requireFinite(value * factor);
}

// The number in a zoom factor field. A factor of 0 or below would turn the range into an endless or
// empty one, so it is refused like a text that is not a number.
long double zoomFactor(std::string_view factorText, char decimalSeparator) {
    const long double factor = common::parseFloat(factorText, decimalSeparator);
    if (!(factor > 0))
        throw common::ConversionError(translation::T("ZoomFactorAboveZero", {factorText}));
    return factor;
}

template <typename Operation>
common::RangeTexts scaledRange(const common::RangeTexts& cells, long double factor, char decimalSeparator,
                               Operation operation) {
    common::RangeTexts result;
    // Each cell is read and scaled before the next is read, so an arithmetic fault in an earlier row
    // is reported before a text in a later row that is not a number.
    for (int row = 0; row < common::RangeRowCount; ++row) {
        const long double value = common::parseFloat(cells[row], decimalSeparator);
        result[row] = common::rangeValueText(operation(value, factor), decimalSeparator);
    }
    return result;
}

} // namespace

RangeZoom::RangeZoom(common::RangeTexts initialRange) : undoRange_(std::move(initialRange)) {}

void RangeZoom::zoomIn(common::RangeTexts& cells, std::string_view xFactorText, char decimalSeparator) {
    const long double factor = zoomFactor(xFactorText, decimalSeparator);
    undoRange_ = cells;
    cells = scaledRange(cells, factor, decimalSeparator, regression::divide);
}

void RangeZoom::zoomOut(common::RangeTexts& cells, std::string_view yFactorText, char decimalSeparator) {
    const long double factor = zoomFactor(yFactorText, decimalSeparator);
    undoRange_ = cells;
    cells = scaledRange(cells, factor, decimalSeparator, multiplied);
}

void RangeZoom::startZoomBox(const common::RangeTexts& cells) {
    undoRange_ = cells;
    zoomBoxMode_ = true;
}

bool RangeZoom::finishZoomBox(common::RangeTexts& cells, const GraphGeometry& geometry, PixelPoint origin,
                              PixelPoint release, char decimalSeparator) {
    if (!zoomBoxMode_)
        return false;
    zoomBoxMode_ = false;
    if (!(release.x > origin.x && release.y > origin.y))
        return false;
    const auto corner = [decimalSeparator](long double value) {
        return common::formatGeneral(value, 2, decimalSeparator);
    };
    cells[common::Xmin] = corner(geometry.pixelToWorldX(origin.x));
    cells[common::Ymax] = corner(geometry.pixelToWorldY(origin.y));
    cells[common::Xmax] = corner(geometry.pixelToWorldX(release.x));
    cells[common::Ymin] = corner(geometry.pixelToWorldY(release.y));
    return true;
}

std::string coordinateReadout(const GraphGeometry& geometry, PixelPoint position, char decimalSeparator) {
    std::string text = "[";
    text += common::formatGeneral(geometry.pixelToWorldX(position.x), 2, decimalSeparator);
    text += ";";
    text += common::formatGeneral(geometry.pixelToWorldY(position.y), 2, decimalSeparator);
    text += "]";
    return text;
}

} // namespace reggraph
