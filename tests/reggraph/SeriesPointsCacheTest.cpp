#include "reggraph/SeriesPointsCache.h"

#include "common/NumberParse.h"
#include "projects/DataLists.h"

#include <gtest/gtest.h>

using namespace reggraph;
using projects::DataLists;

namespace {

DataLists twoPoints(const char* x1, const char* x2) {
    DataLists lists;
    lists.setCell(1, 1, x1);
    lists.setCell(2, 1, "10");
    lists.setCell(1, 2, x2);
    lists.setCell(2, 2, "20");
    return lists;
}

} // namespace

TEST(SeriesPointsCache, ReadsAgainAfterEveryChangeThatTheReadingCouldSee) {
    DataLists lists = twoPoints("1", "2");
    SeriesPointsCache cache;
    EXPECT_EQ(cache.points(&lists, '.', BadCells::Refuse).xs, (std::vector<long double>{1, 2}));
    EXPECT_EQ(cache.points(&lists, '.', BadCells::Refuse).ys, (std::vector<long double>{10, 20}));

    lists.setCell(1, 2, "5");
    EXPECT_EQ(cache.points(&lists, '.', BadCells::Refuse).xs, (std::vector<long double>{1, 5}));

    lists.setCell(1, 3, "7");
    lists.setCell(2, 3, "70");
    EXPECT_EQ(cache.points(&lists, '.', BadCells::Refuse).xs, (std::vector<long double>{1, 5, 7}));

    lists.setVariableCount(2);
    EXPECT_TRUE(cache.points(&lists, '.', BadCells::Refuse).xs.empty()) << "two variables draw no series";
    lists.setVariableCount(1);
    EXPECT_EQ(cache.points(&lists, '.', BadCells::Refuse).xs.size(), 3u);

    // Other lists of the same revision put in place of these ones, at the same address.
    const DataLists other = twoPoints("8", "9");
    lists = twoPoints("3", "4");
    EXPECT_EQ(cache.points(&lists, '.', BadCells::Refuse).xs, (std::vector<long double>{3, 4}));
    lists = other;
    EXPECT_EQ(cache.points(&lists, '.', BadCells::Refuse).xs, (std::vector<long double>{8, 9}));

    EXPECT_TRUE(cache.points(nullptr, '.', BadCells::Refuse).xs.empty());
}

TEST(SeriesPointsCache, TheSeparatorAndTheOtherListsAreReadAfresh) {
    DataLists commas = twoPoints("1,5", "2,5");
    DataLists dots = twoPoints("3", "4");
    SeriesPointsCache cache;
    EXPECT_EQ(cache.points(&commas, '.', BadCells::LeaveOut).xs.size(), 0u);
    EXPECT_EQ(cache.points(&commas, ',', BadCells::LeaveOut).xs, (std::vector<long double>{1.5L, 2.5L}));
    EXPECT_EQ(cache.points(&dots, ',', BadCells::LeaveOut).xs, (std::vector<long double>{3, 4}));
    EXPECT_EQ(cache.points(&commas, ',', BadCells::LeaveOut).xs, (std::vector<long double>{1.5L, 2.5L}));
}

TEST(SeriesPointsCache, ARefusedReadingIsNotKeptAndALeftOutCellIsReportedEveryTime) {
    DataLists lists = twoPoints("1", "abc");
    SeriesPointsCache cache;
    EXPECT_THROW(cache.points(&lists, '.', BadCells::Refuse), common::ConversionError);
    EXPECT_THROW(cache.points(&lists, '.', BadCells::Refuse), common::ConversionError);

    for (int drawing = 0; drawing < 2; ++drawing) {
        const SeriesPoints& points = cache.points(&lists, '.', BadCells::LeaveOut);
        EXPECT_EQ(points.xs, (std::vector<long double>{1}));
        ASSERT_TRUE(points.firstBadCell.has_value());
        EXPECT_EQ(points.firstBadCell->column, 1);
        EXPECT_EQ(points.firstBadCell->row, 2);
    }
    EXPECT_THROW(cache.points(&lists, '.', BadCells::Refuse), common::ConversionError)
        << "refusing must not take the reading that left the cell out";

    lists.setCell(1, 2, "2");
    EXPECT_EQ(cache.points(&lists, '.', BadCells::Refuse).xs, (std::vector<long double>{1, 2}));
}
