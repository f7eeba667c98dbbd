#include "quality/month_gaps.h"

#include "core/record_text.h"
#include "month_fixture.h"

#include <gtest/gtest.h>

namespace pluvelle {
namespace {

// Rows at the given (day, minute) times.
MonthTable Rows(const std::vector<std::pair<int, int>>& times) {
    MonthTable t;
    t.writeTitles();
    int row = 0;
    for (const auto& [day, minute] : times) {
        const std::string date = (day < 10 ? "0" : "") + std::to_string(day) + "/02/2024";
        FormatRecordRow(testing::SampleRecord(minute), date, t, ++row);
    }
    return t;
}

std::vector<std::pair<int, int>> Every(int day, int interval, int first, int last) {
    std::vector<std::pair<int, int>> out;
    for (int m = first; m <= last; m += interval) out.push_back({day, m});
    return out;
}

TEST(MonthGaps, AMissingHourAndTheMonthsEdges) {
    auto times = Every(1, 5, 5, 1440);
    times.erase(times.begin() + 100, times.begin() + 112);  // 08:25 .. 09:20
    const MonthTable t = Rows(times);
    const auto gaps = FindGaps(t, 1);
    ASSERT_EQ(gaps.size(), 1u);
    EXPECT_EQ(gaps[0].interval, 5);
    EXPECT_EQ(gaps[0].missingRecords, 12);
    EXPECT_EQ(gaps[0].first.minuteOfDay, 505);
    EXPECT_EQ(gaps[0].last.minuteOfDay, 560);
    EXPECT_EQ(gaps[0].rowBefore, 100);
    EXPECT_FALSE(gaps[0].touchesEmptyDay);
    EXPECT_EQ(DescribeGap(gaps[0], "02"), "Du 01/02 08:25 au 01/02 09:20 : 12 enregistrements manquants");
    EXPECT_EQ(MissingTimes(gaps[0]).size(), 12u);
}

TEST(MonthGaps, WholeDaysWithoutDataAndTheEndOfTheMonth) {
    auto times = Every(1, 10, 10, 1440);
    const auto day3 = Every(3, 10, 10, 1430);
    times.insert(times.end(), day3.begin(), day3.end());
    const auto gaps = FindGaps(Rows(times), 3);
    ASSERT_EQ(gaps.size(), 2u);
    EXPECT_EQ(gaps[0].missingRecords, 144);  // all of day 2
    EXPECT_TRUE(gaps[0].touchesEmptyDay);
    EXPECT_EQ(gaps[0].first.day, 2);
    EXPECT_EQ(gaps[0].last.day, 2);
    EXPECT_EQ(gaps[0].last.minuteOfDay, 1440);
    EXPECT_EQ(gaps[1].missingRecords, 1);  // day 3's 24:00
    EXPECT_EQ(DescribeGap(gaps[1], "02"), "Le 03/02 24:00 : 1 enregistrement manquant");
}

TEST(MonthGaps, CompleteMonthHasNone) {
    std::vector<std::pair<int, int>> times;
    for (int d = 1; d <= 2; ++d) {
        const auto day = Every(d, 5, 5, 1440);
        times.insert(times.end(), day.begin(), day.end());
    }
    EXPECT_TRUE(FindGaps(Rows(times), 2).empty());
}

TEST(MonthGaps, DaysInMonth) {
    EXPECT_EQ(DaysInMonth("02", "2024"), 29);
    EXPECT_EQ(DaysInMonth("02", "2023"), 28);
    EXPECT_EQ(DaysInMonth("04", "2016"), 30);
    EXPECT_EQ(DaysInMonth("xx", "2016"), 31);
}

} // namespace
} // namespace pluvelle
