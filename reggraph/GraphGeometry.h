#pragma once

#include "common/GraphRange.h"

namespace reggraph {

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Pixel positions are kept within +-PixelLimit, far outside any picture, so that points far beyond
// the range still give lines in the right direction and never overflow an int.
inline constexpr int PixelLimit = 4'000'000;

// Nearest integer, ties to even, saturated to +-PixelLimit (an undefined value gives 0).
int roundToPixel(long double value);

// The mapping between world coordinates and the pixels of a picture of width W and height H. The
// plot area runs from column leftMargin to W - 20 and from row 20 to row H - 20.
class GraphGeometry {
public:
    static constexpr int Border = 20;

    GraphGeometry(const common::GraphRange& range, int width, int height, int leftMargin);

    const common::GraphRange& range() const { return range_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int leftMargin() const { return leftMargin_; }
    int plotRight() const { return width_ - Border; }
    int plotTop() const { return Border; }
    int plotBottom() const { return height_ - Border; }
    // Pixels available for the range, W - (left margin + 20) and H - 40; not positive in a picture
    // too small for a plot area.
    int plotWidth() const { return width_ - (leftMargin_ + Border); }
    int plotHeight() const { return height_ - 2 * Border; }

    // Pixels per world unit.
    long double xScale() const;
    long double yScale() const;

    // Round((x - Xmin) * (W - (left margin + 20)) / (Xmax - Xmin)) + left margin.
    int worldToPixelX(long double x) const;
    // (H - 20) - Round((y - Ymin) * (H - 40) / (Ymax - Ymin)).
    int worldToPixelY(long double y) const;

    // The same positions through the stored scales, as the curves and data series are drawn:
    // Round((x - Xmin) * x scale) + left margin and H - 20 - Round((y - Ymin) * y scale).
    int scaledPixelX(long double x) const;
    int scaledPixelY(long double y) const;

    // Inverses of worldToPixelX/Y, clamped to the range outside the plot area.
    long double pixelToWorldX(int column) const;
    long double pixelToWorldY(int row) const;

private:
    common::GraphRange range_;
    int width_;
    int height_;
    int leftMargin_;
};

} // namespace reggraph
