#include "reggraph/SeriesPointsCache.h"

#include "projects/DataLists.h"

namespace reggraph {

const SeriesPoints& SeriesPointsCache::points(const projects::DataLists* lists, char decimalSeparator,
                                              BadCells badCells) {
    const Reading wanted{lists, lists ? lists->revision() : 0, decimalSeparator, badCells};
    if (reading_ != wanted) {
        reading_.reset();
        points_ = seriesPoints(lists, decimalSeparator, badCells);
        reading_ = wanted;
    }
    return points_;
}

} // namespace reggraph
