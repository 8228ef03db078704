#pragma once

#include "common/GraphRange.h"

#include <optional>
#include <string>

namespace common {

// The pixels a graph maps its range onto: Xmin at column `left`, Xmax at left + width, Ymax at row
// `top` and Ymin at top + height.
struct PlotArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PlotArea&, const PlotArea&) = default;
};

// The world coordinates at a window position (not limited to the plot area), and back.
long double worldXAt(const GraphRange& view, const PlotArea& area, long double column);
long double worldYAt(const GraphRange& view, const PlotArea& area, long double row);
long double columnOfWorldX(const GraphRange& view, const PlotArea& area, long double x);
long double rowOfWorldY(const GraphRange& view, const PlotArea& area, long double y);

// The limits of every view a gesture may produce. A view narrower than MinRelativeSpan of its
// centre's magnitude, or than MinSpan, cannot be told apart from its neighbours in the numbers;
// wider than MaxSpan, or reaching beyond it, its texts no longer read back as the same numbers.
inline constexpr long double MinRelativeSpan = 1e-10L;
inline constexpr long double MinSpan = 1e-300L;
inline constexpr long double MaxSpan = 1e300L;

// True when both axes of `view` are finite, not reversed or empty, and within the limits above.
// Steps are not looked at.
bool isWithinViewLimits(const GraphRange& view);

// True when a gesture may turn `from` into `to`: both axes stay finite and neither reversed nor
// empty, and no axis crosses a limit above that it was within. An axis already beyond a limit (as
// typed) may still move, so that a gesture can always bring it back.
bool isAcceptableMove(const GraphRange& from, const GraphRange& to);

// The view with the spans and steps of `view`, placed so that the world point (x, y) lies at the
// window position (column, row). Limits are not looked at.
GraphRange placedAt(const GraphRange& view, const PlotArea& area, long double x, long double y,
                    long double column, long double row);

// The view with the x span multiplied by xScale and the y span by yScale (below 1 zooms in), the
// world point at (column, row) staying where it is; the steps are multiplied alike. Nothing when
// the result would pass a limit, so a zoom at a limit does nothing rather than something odd.
std::optional<GraphRange> zoomedAbout(const GraphRange& view, const PlotArea& area, long double column,
                                      long double row, long double xScale, long double yScale);

// The view moved so that the world point under one window position lies under another: dx and dy
// pixels to the right and down move the content with them. Steps stay. Nothing beyond the limits.
std::optional<GraphRange> pannedByPixels(const GraphRange& view, const PlotArea& area, long double dx,
                                         long double dy);

// The view moved by the given parts of its width and height; positive parts show what lies to the
// right and above. Steps stay. Nothing beyond the limits.
std::optional<GraphRange> pannedByParts(const GraphRange& view, long double xPart, long double yPart);

// The value among 1, 2 and 5 times a power of ten nearest to `step` (a positive finite number).
long double niceStep(long double step);

// A range end written with no more digits than keep it within a quarter pixel of `value`, where a
// pixel is `span` / `pixels` world units: so a view of 0.1 to 0.3 reads "0.1" and "0.3". Whole
// numbers up to 15 digits are written in full rather than with an exponent.
std::string shortEndText(long double value, long double span, int pixels, char decimalSeparator);

// The texts of `view` for a range grid: each end written short (above) for the plot area's pixels,
// the x and y step texts as given. The ends read back within a quarter pixel of the view's and
// never reversed; when the area has no pixels the ends are written in full.
RangeTexts shortViewTexts(const GraphRange& view, const PlotArea& area, const std::string& xStepText,
                          const std::string& yStepText, char decimalSeparator);

} // namespace common
