#include "graph/IntegralDrawing.h"

#include "engine/TFunction.h"

namespace graph {

namespace {

int baseRow(const GraphCoordinates& c) {
    if (c.axisRow != 0)
        return c.axisRow;
    return c.range.Ymin >= 0 ? c.bottom : c.top;
}

} // namespace

std::vector<ShadingLine> integralShading(engine::TFunction& f, const GraphCoordinates& c, long double a,
                                         long double b) {
    std::vector<ShadingLine> lines;
    const int base = baseRow(c);
    for (int i = 0; i <= c.width; ++i) {
        const long double x = c.xOfColumnOffset(i);
        long double y = 0;
        if (x < a || x > b || !f.Evaluate(x, y))
            continue;
        int end = 0;
        if (c.range.Ymin < y && y < c.range.Ymax)
            end = c.rowOfY(y);
        else if (y < c.range.Ymin)
            end = c.bottom;
        else if (y > c.range.Ymin)
            end = c.top;
        else
            continue;
        lines.push_back({c.left + i, base, end});
    }
    return lines;
}

} // namespace graph
