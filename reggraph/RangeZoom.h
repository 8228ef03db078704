#pragma once

#include "common/GraphRange.h"
#include "reggraph/GraphGeometry.h"

#include <string>
#include <string_view>

namespace reggraph {

// The zoom commands on the range table's texts, with their one level of undo and the zoom-box mode.
// Each command computes all new texts before it writes any, so a failing command leaves the cells as
// they were; the caller redraws and marks the project modified after a command.
class RangeZoom {
public:
    // The undo range starts as the initial range table.
    explicit RangeZoom(common::RangeTexts initialRange);

    const common::RangeTexts& undoRange() const { return undoRange_; }
    bool zoomBoxMode() const { return zoomBoxMode_; }

    // Saves the undo range, then divides all six values by the X-Factor and writes them with 15
    // significant digits. A factor that is not a number above 0 throws common::ConversionError
    // before the undo range is saved; a cell that is not a number throws it too, and a result
    // beyond the number range throws regression::RegressionError naming the arithmetic fault.
    void zoomIn(common::RangeTexts& cells, std::string_view xFactorText, char decimalSeparator);

    // As zoomIn, but multiplies all six values by the Y-Factor.
    void zoomOut(common::RangeTexts& cells, std::string_view yFactorText, char decimalSeparator);

    // Saves the undo range without changing a cell: a wheel turn or pan begins.
    void keepUndoRange(const common::RangeTexts& cells) { undoRange_ = cells; }

    // Saves the undo range and enters zoom-box mode; nothing changes until the mouse is released.
    void startZoomBox(const common::RangeTexts& cells);

    // The mouse release on the graph in zoom-box mode: when the release point lies strictly right of
    // and below the origin, Xmin, Ymax, Xmax and Ymin become the box's corners in world coordinates
    // with 2 significant digits (the steps stay). Zoom-box mode ends either way. Returns whether the
    // cells changed; outside zoom-box mode nothing happens.
    bool finishZoomBox(common::RangeTexts& cells, const GraphGeometry& geometry, PixelPoint origin,
                       PixelPoint release, char decimalSeparator);

    // Writes the undo range back; repeating it restores the same range again.
    void undoZoom(common::RangeTexts& cells) const { cells = undoRange_; }

private:
    common::RangeTexts undoRange_;
    bool zoomBoxMode_ = false;
};

// The status bar text while a mouse button is held on the graph: "[x;y]" in world coordinates with
// 2 significant digits.
std::string coordinateReadout(const GraphGeometry& geometry, PixelPoint position, char decimalSeparator);

} // namespace reggraph
