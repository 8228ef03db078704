#include "graph/Zoom.h"

namespace graph {

common::GraphRange zoomedRange(const common::GraphRange& range, long double xFactor, long double yFactor,
                               ZoomDirection direction) {
    common::GraphRange zoomed;
    for (int row = 0; row < common::RangeRowCount; ++row) {
        const auto rangeRow = common::RangeRow(row);
        const long double factor = row <= common::Xstep ? xFactor : yFactor;
        zoomed[rangeRow] =
            direction == ZoomDirection::In ? range[rangeRow] / factor : range[rangeRow] * factor;
    }
    return zoomed;
}

} // namespace graph
