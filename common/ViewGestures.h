#pragma once

#include "common/ViewArithmetic.h"

#include <chrono>
#include <functional>
#include <optional>

namespace common {

// The factors of one Zoom In and one Zoom Out command, per axis.
struct ZoomFactors {
    long double inX = 2;
    long double inY = 2;
    long double outX = 2;
    long double outY = 2;
};

enum class ZoomAxes { Both, XOnly, YOnly };

// The keys that move a view: a tenth of the view in a direction, or one notch in or out about the
// centre.
enum class ViewKey { Left, Right, Up, Down, ZoomIn, ZoomOut };

// The graph as a gesture finds it: the range grid's texts now and the view drawn now. The view drawn
// is where a gesture starts from unless the grid still shows what the last gesture wrote.
struct ViewNow {
    RangeTexts texts;
    GraphRange shown;
};

// What a gesture asks of its window: keep the grid's present texts for Undo Zoom when the change
// starts a gesture, then write `texts` into the grid and redraw.
struct ViewChange {
    RangeTexts texts;
    bool startsGesture = false;
};

// Wheel zoom about the pointer, panning by dragging, and panning and zooming by keys, on the texts
// of a range grid. Every change is written short (ViewArithmetic.h) but remembered exactly, and so
// are the steps before they are rounded to 1, 2 or 5 times a power of ten: a run of gestures works
// on the exact view, so rounding never adds up and many small zooms still change the steps. Wheel
// turns less than WheelPause apart make one gesture, a drag from press to release one, each key one.
// Nothing here shows a message: a gesture that would pass a limit does nothing.
class ViewGestures {
public:
    using Time = std::chrono::steady_clock::time_point;
    // The plot area a view is drawn on; it may depend on the view (room for its scale labels).
    using AreaOf = std::function<PlotArea(const GraphRange&)>;
    // Whether the window can draw a view; views it cannot are never produced.
    using Drawable = std::function<bool(const GraphRange&)>;

    static constexpr std::chrono::milliseconds WheelPause{500};
    static constexpr int AngleDeltaPerNotch = 120;
    static constexpr int KeyPanParts = 10;

    ViewGestures(char decimalSeparator, AreaOf areaOf, Drawable drawable = {});

    // A wheel turn of `angleDelta` (120 a notch, away from the user positive: zooming in) with the
    // pointer at (column, row): three notches zoom as far as one zoom command.
    std::optional<ViewChange> wheel(const ViewNow& now, long double column, long double row, int angleDelta,
                                    ZoomAxes axes, const ZoomFactors& factors, Time time);
    // One key press: each is a gesture of its own.
    std::optional<ViewChange> key(const ViewNow& now, ViewKey key, const ZoomFactors& factors);
    // One notch about the centre of the plot area; in when `in`, else out.
    std::optional<ViewChange> zoomKey(const ViewNow& now, bool in, const ZoomFactors& factors);
    // Moves the view by xParts and yParts tenths of its width and height (positive: right and up).
    std::optional<ViewChange> panKey(const ViewNow& now, int xParts, int yParts);

    // A pan drag grabs the world point under the pointer and keeps it under the pointer.
    void beginDrag(const ViewNow& now, long double column, long double row);
    std::optional<ViewChange> dragTo(const ViewNow& now, long double column, long double row);
    void endDrag() { drag_.reset(); }
    bool dragging() const { return drag_.has_value(); }

private:
    enum class Gesture { None, Wheel, Drag, Key };

    // Where a gesture starts: the exact view last written while the grid still shows it, else the
    // view drawn. Nothing when that is no usable view.
    struct Start {
        GraphRange exact;
        PlotArea area;
        std::string xStepText;
        std::string yStepText;
    };
    std::optional<Start> startOf(const ViewNow& now) const;
    std::optional<ViewChange> zoom(const ViewNow& now, long double column, long double row,
                                   long double notches, ZoomAxes axes, const ZoomFactors& factors);
    // Places `view` so the world point (x, y) lies at (column, row) on the area it will be drawn
    // on, writes it and remembers it; nothing when it is not acceptable or changes no text.
    std::optional<ViewChange> settle(const ViewNow& now, const Start& start, GraphRange view, long double x,
                                     long double y, long double column, long double row);
    std::optional<ViewChange> changed(std::optional<ViewChange> change);
    void startGesture(Gesture gesture);

    char decimalSeparator_;
    AreaOf areaOf_;
    Drawable drawable_;
    std::optional<RangeTexts> written_;
    GraphRange exact_;
    Gesture gesture_ = Gesture::None;
    bool gestureChanged_ = false;
    std::optional<Time> lastWheel_;
    struct Drag {
        Start start;
        long double x;
        long double y;
    };
    std::optional<Drag> drag_;
};

} // namespace common
