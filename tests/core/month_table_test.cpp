#include "core/month_table.h"

#include <gtest/gtest.h>

namespace pluvelle {
namespace {

void FillRows(MonthTable& t, int from, int to) {
    for (int r = from; r <= to; ++r) t.setCell(r, 0, "row " + std::to_string(r));
}

TEST(MonthTable, StartsWithNineThousandEmptyRows) {
    MonthTable t;
    EXPECT_EQ(t.rowCount(), 9000);
    EXPECT_EQ(t.cell(8999, 46), "");
    EXPECT_TRUE(t.rowIsEmpty(4000));
    t.writeTitles();
    EXPECT_EQ(t.cell(0, 0), "Date Heure");
    EXPECT_EQ(t.cell(0, 46), "HumidSup2");
    EXPECT_THROW(t.setCell(9000, 0, "x"), std::out_of_range);
}

TEST(MonthTable, InsertingShiftsRowsDownAndNeverDropsTheLast) {
    const struct { int filledTo; int insertAt; int rows; } cases[] = {
        {5, 3, 9000},      // ordinary
        {5, 6, 9000},      // just after the last filled row
        {5, 100, 9000},    // far below: nothing moves
        {8999, 10, 9001},  // full table grows by one row
        {8999, 8999, 9001},
    };
    for (const auto& c : cases) {
        MonthTable t;
        FillRows(t, 1, c.filledTo);
        t.insertEmptyRow(c.insertAt);
        EXPECT_EQ(t.rowCount(), c.rows) << c.filledTo << "/" << c.insertAt;
        EXPECT_TRUE(t.rowIsEmpty(c.insertAt));
        for (int r = 1; r <= c.filledTo; ++r) {
            const int now = r < c.insertAt ? r : r + 1;
            ASSERT_EQ(t.cell(now, 0), "row " + std::to_string(r)) << "insert at " << c.insertAt;
        }
    }
}

TEST(MonthTable, ClearEmptiesEverythingAndResizes) {
    MonthTable t;
    FillRows(t, 0, 20);
    t.clear(12000);
    EXPECT_EQ(t.rowCount(), 12000);
    EXPECT_TRUE(t.rowIsEmpty(0));
    EXPECT_TRUE(t.rowIsEmpty(20));
    t.ensureRows(100);
    EXPECT_EQ(t.rowCount(), 12000);
}

} // namespace
} // namespace pluvelle
