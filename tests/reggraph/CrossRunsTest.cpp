#include "reggraph/CrossRuns.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

using namespace reggraph;

namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels of crosses with arms of five, one by one as the picture shows them.
Pixels crossPixels(const std::vector<PixelPoint>& centres) {
    Pixels pixels;
    for (const PixelPoint& c : centres) {
        for (int d = -5; d <= 5; ++d) {
            pixels.insert({c.x + d, c.y});
            pixels.insert({c.x, c.y + d});
        }
    }
    return pixels;
}

Pixels runPixels(const CrossRuns& runs) {
    Pixels pixels;
    for (const PixelRun& run : runs.rows)
        for (int x = run.from; x < run.to; ++x)
            pixels.insert({x, run.line});
    for (const PixelRun& run : runs.columns)
        for (int y = run.from; y < run.to; ++y)
            pixels.insert({run.line, y});
    return pixels;
}

// Ordered by line and position, with a gap of at least one pixel between runs of a line.
bool orderedAndApart(const std::vector<PixelRun>& runs) {
    for (std::size_t i = 1; i < runs.size(); ++i) {
        const PixelRun& a = runs[i - 1];
        const PixelRun& b = runs[i];
        if (a.line > b.line || (a.line == b.line && b.from <= a.to))
            return false;
    }
    return true;
}

} // namespace

TEST(CrossRuns, ArmsMergeOnlyWhereTheyOverlapOrTouch) {
    const CrossRuns one = crossRuns(std::vector<PixelPoint>{{100, 50}}, 5);
    EXPECT_EQ(one.rows, (std::vector<PixelRun>{{50, 95, 106}}));
    EXPECT_EQ(one.columns, (std::vector<PixelRun>{{100, 45, 56}}));

    // 11 pixels apart the arms touch and are one run; 12 apart one pixel between them stays empty.
    const CrossRuns touching = crossRuns(std::vector<PixelPoint>{{111, 50}, {100, 50}, {0, 39}, {0, 50}}, 5);
    EXPECT_EQ(touching.rows, (std::vector<PixelRun>{{39, -5, 6}, {50, -5, 6}, {50, 95, 117}}));
    EXPECT_EQ(touching.columns, (std::vector<PixelRun>{{0, 34, 56}, {100, 45, 56}, {111, 45, 56}}));
    const CrossRuns apart = crossRuns(std::vector<PixelPoint>{{112, 50}, {100, 50}}, 5);
    EXPECT_EQ(apart.rows, (std::vector<PixelRun>{{50, 95, 106}, {50, 107, 118}}));

    // The same point twice, and a cross inside another's arm.
    const CrossRuns repeated = crossRuns(std::vector<PixelPoint>{{7, 7}, {9, 7}, {7, 7}}, 5);
    EXPECT_EQ(repeated.rows, (std::vector<PixelRun>{{7, 2, 15}}));
    EXPECT_EQ(repeated.columns, (std::vector<PixelRun>{{7, 2, 13}, {9, 2, 13}}));

    EXPECT_TRUE(crossRuns(std::vector<PixelPoint>{}, 5).rows.empty());
}

TEST(CrossRuns, CoverExactlyThePixelsOfTheCrosses) {
    std::mt19937 random(5);
    // Dense and sparse scatters, and one spread too wide for counting (far outside any picture).
    for (const int spread : {40, 2000, 3'000'000}) {
        std::uniform_int_distribution<int> coordinate(-spread / 2, spread / 2);
        std::vector<PixelPoint> centres;
        for (int i = 0; i < 3000; ++i)
            centres.push_back({coordinate(random), coordinate(random)});
        const CrossRuns runs = crossRuns(centres, 5);
        EXPECT_EQ(runPixels(runs), crossPixels(centres)) << spread;
        EXPECT_TRUE(orderedAndApart(runs.rows)) << spread;
        EXPECT_TRUE(orderedAndApart(runs.columns)) << spread;
    }
}
