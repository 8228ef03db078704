#include "graph/CurveSampler.h"

#include "engine/TFunction.h"

namespace graph {

namespace {

// Builds pieces from pen moves and lines; a move that follows a lone point replaces it, so a curve
// running along an edge does not leave a trail of empty pieces.
class PieceBuilder {
public:
    explicit PieceBuilder(CurveShape& shape) : shape_(shape) {}

    void moveTo(Pixel point) {
        if (!shape_.pieceStarts.empty() && int(shape_.points.size()) - shape_.pieceStarts.back() == 1) {
            shape_.points.back() = point;
            return;
        }
        shape_.pieceStarts.push_back(int(shape_.points.size()));
        shape_.points.push_back(point);
    }
    void lineTo(Pixel point) { shape_.points.push_back(point); }

private:
    CurveShape& shape_;
};

void sampleDots(engine::TFunction& function, const GraphCoordinates& c, CurveShape& shape) {
    for (int i = 0; i <= c.width; ++i) {
        long double y = 0;
        if (!function.Evaluate(c.xOfColumnOffset(i), y))
            continue;
        const int row = c.rowOfY(y);
        if (row >= 0 && row < c.clientHeight)
            shape.points.push_back({c.left + i, row});
    }
}

void sampleSolid(engine::TFunction& function, const GraphCoordinates& c, CurveShape& shape) {
    PieceBuilder pieces(shape);
    bool previousBelow = false;
    bool previousAbove = false;
    bool penDown = false;
    for (int i = 0; i <= c.width; ++i) {
        long double y = 0;
        if (!function.Evaluate(c.xOfColumnOffset(i), y)) {
            // The next defined sample starts a new piece, wherever the last one ended.
            penDown = false;
            previousBelow = false;
            previousAbove = false;
            continue;
        }
        const bool previousOutside = previousBelow || previousAbove;
        if (previousOutside)
            penDown = false;
        int row = c.rowOfY(y);
        const bool below = row > c.bottom;
        const bool above = row < c.top;
        if (below)
            row = c.bottom;
        else if (above)
            row = c.top;
        if (previousOutside && !below && !above)
            penDown = true;
        const Pixel point{c.left + i, row};
        if (penDown) {
            pieces.lineTo(point);
        } else {
            pieces.moveTo(point);
            penDown = true;
        }
        previousBelow = below;
        previousAbove = above;
    }
}

} // namespace

CurveShape sampleCurve(engine::TFunction& function, const GraphCoordinates& coordinates, bool dotted) {
    CurveShape shape;
    shape.dotted = dotted;
    shape.points.reserve(coordinates.width > 0 ? coordinates.width + 1 : 0);
    if (dotted)
        sampleDots(function, coordinates, shape);
    else
        sampleSolid(function, coordinates, shape);
    return shape;
}

} // namespace graph
