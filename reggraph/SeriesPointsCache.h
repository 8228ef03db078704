#pragma once

#include "reggraph/SeriesDrawing.h"

#include <cstdint>
#include <optional>

namespace reggraph {

// The series points last read from a lists grid, read again only when the lists (their address or
// revision), the decimal separator or the handling of bad cells differ from that reading; a view
// change or a resize then redraws without converting every cell again. The cache never reads
// through an address it keeps, so lists may go away before it.
class SeriesPointsCache {
public:
    // As seriesPoints(lists, decimalSeparator, badCells); a reading that throws is not kept. The
    // reference stays valid until the next call.
    const SeriesPoints& points(const projects::DataLists* lists, char decimalSeparator, BadCells badCells);

private:
    struct Reading {
        const projects::DataLists* lists;
        std::uint64_t revision;
        char decimalSeparator;
        BadCells badCells;
        bool operator==(const Reading&) const = default;
    };
    std::optional<Reading> reading_;
    SeriesPoints points_;
};

} // namespace reggraph
