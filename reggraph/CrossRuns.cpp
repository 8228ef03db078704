#include "reggraph/CrossRuns.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace reggraph {

namespace {

using RunKey = int PixelRun::*;

// The lowest key and how far the keys spread above it.
std::pair<int, long long> keySpread(const std::vector<PixelRun>& runs, RunKey key) {
    const auto [lowest, highest] = std::minmax_element(
        runs.begin(), runs.end(), [key](const PixelRun& a, const PixelRun& b) { return a.*key < b.*key; });
    return {(*lowest).*key, static_cast<long long>((*highest).*key) - (*lowest).*key};
}

// Keys spread wider than this are sorted by comparison instead of counting.
constexpr long long CountingSortLimit = 1 << 16;

// Stable counting sort of `runs` by one key into `sorted`, of the same size; a scatter lies within a
// picture, so its keys spread over a few thousand values only and this is far quicker than a
// comparison sort.
void sortInto(const std::vector<PixelRun>& runs, std::vector<PixelRun>& sorted, RunKey key, int lowest,
              long long spread) {
    std::vector<std::size_t> starts(static_cast<std::size_t>(spread) + 2, 0);
    for (const PixelRun& run : runs)
        ++starts[static_cast<std::size_t>(run.*key - lowest) + 1];
    for (std::size_t k = 1; k < starts.size(); ++k)
        starts[k] += starts[k - 1];
    for (const PixelRun& run : runs)
        sorted[starts[static_cast<std::size_t>(run.*key - lowest)]++] = run;
}

// Sorted and merged within the arms' own storage: a merged run never lies past the arms it came
// from, and fresh buffers of this size cost more in page faults than the sorting itself.
std::vector<PixelRun> merged(std::vector<PixelRun> arms) {
    if (arms.empty())
        return arms;
    const auto [lowestLine, lineSpread] = keySpread(arms, &PixelRun::line);
    const auto [lowestFrom, fromSpread] = keySpread(arms, &PixelRun::from);
    if (lineSpread < CountingSortLimit && fromSpread < CountingSortLimit) {
        std::vector<PixelRun> byFrom(arms.size());
        sortInto(arms, byFrom, &PixelRun::from, lowestFrom, fromSpread);
        sortInto(byFrom, arms, &PixelRun::line, lowestLine, lineSpread);
    } else {
        std::sort(arms.begin(), arms.end(), [](const PixelRun& a, const PixelRun& b) {
            return a.line != b.line ? a.line < b.line : a.from < b.from;
        });
    }
    std::size_t count = 1;
    for (std::size_t i = 1; i < arms.size(); ++i) {
        PixelRun& last = arms[count - 1];
        if (last.line == arms[i].line && arms[i].from <= last.to)
            last.to = std::max(last.to, arms[i].to);
        else
            arms[count++] = arms[i];
    }
    arms.resize(count);
    return arms;
}

} // namespace

CrossRuns crossRuns(std::span<const PixelPoint> centres, int armLength) {
    std::vector<PixelRun> rows;
    std::vector<PixelRun> columns;
    rows.reserve(centres.size());
    columns.reserve(centres.size());
    for (const PixelPoint& c : centres) {
        rows.push_back({c.y, c.x - armLength, c.x + armLength + 1});
        columns.push_back({c.x, c.y - armLength, c.y + armLength + 1});
    }
    return {merged(std::move(rows)), merged(std::move(columns))};
}

} // namespace reggraph
