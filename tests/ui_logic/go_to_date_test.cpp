// "Aller à…": reading "dd hh:mm" and finding the nearest record.
#include "ui/logic/go_to_date.h"

#include <gtest/gtest.h>

#include <optional>

namespace pluvelle {
namespace {

TEST(GoToDate, ReadsDayAndTime) {
    const struct {
        const char* text;
        std::optional<int> monthMinute;  // (day - 1) * 1440 + minute of day
    } cases[] = {
        {"05 13:10", 4 * 1440 + 790},
        {"5 13:10", 4 * 1440 + 790},
        {"  05   7:05 ", 4 * 1440 + 425},
        {"05 13h10", 4 * 1440 + 790},
        {"30 24:00", 30 * 1440},
        {"01 00:00", 0},
        {"31 12:00", std::nullopt},  // June has 30 days
        {"00 12:00", std::nullopt},
        {"05 24:05", std::nullopt},
        {"05 25:00", std::nullopt},
        {"05 12:60", std::nullopt},
        {"05 1310", std::nullopt},
        {"05", std::nullopt},
        {"05 13:10x", std::nullopt},
        {"005 13:10", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<RowTime> t = ParseDayTime(c.text, 30);
        ASSERT_EQ(t.has_value(), c.monthMinute.has_value());
        if (t) {
            EXPECT_EQ(t->monthMinute(), *c.monthMinute);
        }
    }
}

TEST(GoToDate, NearestRecordWinsAndTiesGoToTheLater) {
    MonthTable table;
    const char* times[] = {"03/06/2014 10:00", "03/06/2014 10:10", "03/06/2014 24:00", "05/06/2014 00:05"};
    for (int r = 0; r < 4; ++r) table.setCell(r + 1, 0, times[r]);
    const struct {
        RowTime when;
        int row;
    } cases[] = {
        {{3, 600}, 1}, {{3, 603}, 1}, {{3, 605}, 2}, {{3, 607}, 2}, {{1, 0}, 1},
        {{4, 0}, 3},  // 04 00:00 is 03 24:00
        {{4, 722}, 3}, {{4, 723}, 4}, {{30, 1440}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when.monthMinute());
        EXPECT_EQ(NearestRow(table, c.when), c.row);
    }
    EXPECT_EQ(NearestRow(MonthTable(), {3, 600}), 0);
}

} // namespace
} // namespace pluvelle
