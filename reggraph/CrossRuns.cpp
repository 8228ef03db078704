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

// Stable counting sort by one key; a scatter lies within a picture, so its keys spread over a few
// thousand values only and this is far quicker than a comparison sort.
std::vector<PixelRun> sortedBy(const std::vector<PixelRun>& runs, RunKey key, int lowest, long long spread) {
    std::vector<std::size_t> starts(static_cast<std::size_t>(spread) + 2, 0);
    for (const PixelRun& run : runs)
        ++starts[static_cast<std::size_t>(run.*key - lowest) + 1];
    for (std::size_t k = 1; k < starts.size(); ++k)
        starts[k] += starts[k - 1];
    std::vector<PixelRun> sorted(runs.size());
    for (const PixelRun& run : runs)
        sorted[starts[static_cast<std::size_t>(run.*key - lowest)]++] = run;
    return sorted;
}

std::vector<PixelRun> merged(std::vector<PixelRun> arms) {
    if (arms.empty())
        return arms;
    const auto [lowestLine, lineSpread] = keySpread(arms, &PixelRun::line);
    const auto [lowestFrom, fromSpread] = keySpread(arms, &PixelRun::from);
    if (lineSpread < CountingSortLimit && fromSpread < CountingSortLimit) {
        arms = sortedBy(sortedBy(arms, &PixelRun::from, lowestFrom, fromSpread), &PixelRun::line, lowestLine,
                        lineSpread);
    } else {
        std::sort(arms.begin(), arms.end(), [](const PixelRun& a, const PixelRun& b) {
            return a.line != b.line ? a.line < b.line : a.from < b.from;
        });
    }
    std::vector<PixelRun> runs;
    runs.reserve(arms.size());
    for (const PixelRun& arm : arms) {
        if (!runs.empty() && runs.back().line == arm.line && arm.from <= runs.back().to)
            runs.back().to = std::max(runs.back().to, arm.to);
        else
            runs.push_back(arm);
    }
    return runs;
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
