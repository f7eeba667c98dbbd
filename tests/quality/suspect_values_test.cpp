#include "quality/suspect_values.h"

#include "core/month_load.h"
#include "core/record_text.h"
#include "demo_station.h"
#include "month_fixture.h"

#include <gtest/gtest.h>


namespace pluvelle {
namespace {

// A calm 5-minute day: every quantity moves a little, nothing is suspect.
MonthTable CalmDay(int records = 288) {
    MonthTable t;
    t.writeTitles();
    for (int i = 1; i <= records; ++i) {
        ArchiveRecord r = testing::SampleRecord(i * 5);
        r.outsideTemp = static_cast<std::int16_t>(600 + (i % 20));
        r.hiOutsideTemp = static_cast<std::int16_t>(r.outsideTemp + 2);
        r.lowOutsideTemp = static_cast<std::int16_t>(r.outsideTemp - 2);
        r.barometer = static_cast<std::int16_t>(29900 + (i % 30));
        r.outsideHum = static_cast<std::int16_t>(600 + 10 * (i % 7));
        FormatRecordRow(r, "03/07/2014", t, i);
    }
    return t;
}

std::vector<Suspect> Found(const MonthTable& t) { return FindSuspects(t).items(); }

TEST(Suspects, ACalmDayHasNone) { EXPECT_TRUE(Found(CalmDay()).empty()); }

TEST(Suspects, EachRuleFindsItsFault) {
    struct Case {
        const char* what;
        void (*spoil)(MonthTable&);
        int row, column;
        SuspectRule rule;
    };
    const Case cases[] = {
        {"out of range", [](MonthTable& t) { t.setCell(50, 6, "140"); }, 50, 6, SuspectRule::OutOfRange},
        {"pressure out of range", [](MonthTable& t) { t.setCell(51, 5, "1200.0"); }, 51, 5, SuspectRule::OutOfRange},
        {"temperature spike", [](MonthTable& t) { t.setCell(100, 1, "25.0"); }, 100, 1, SuspectRule::Jump},
        {"high below low", [](MonthTable& t) { t.setCell(120, 2, "10.0"); }, 120, 2, SuspectRule::HighBelowLow},
        {"gust below mean", [](MonthTable& t) { t.setCell(121, 11, "1.0"); }, 121, 11, SuspectRule::HighBelowLow},
        {"rain in frost",
         [](MonthTable& t) {
             for (int r = 1; r <= 288; ++r) t.setCell(r, 1, r % 2 ? "-10.0" : "-10.1");
             t.setCell(140, 8, "0.2");
         },
         140, 8, SuspectRule::RainInFrost},
        {"frozen thermometer",
         [](MonthTable& t) {
             for (int r = 10; r <= 70; ++r) t.setCell(r, 1, "15.6");
         },
         40, 1, SuspectRule::Stuck},
    };
    for (const auto& c : cases) {
        MonthTable t = CalmDay();
        c.spoil(t);
        const SuspectList list = FindSuspects(t);
        EXPECT_TRUE(list.isSuspect(c.row, c.column)) << c.what;
        bool ruleSeen = false;
        for (const auto& s : list.items()) ruleSeen |= s.row == c.row && s.column == c.column && s.rule == c.rule;
        EXPECT_TRUE(ruleSeen) << c.what;
        EXPECT_FALSE(DescribeSuspect(list.items().front(), t).empty());
    }
}

TEST(Suspects, ASpikeIsOneSuspectAndDisappearsOnceCorrected) {
    MonthTable t = CalmDay();
    t.setCell(100, 1, "25.0");
    auto found = Found(t);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].row, 100);
    t.setCell(100, 1, "15.9");
    EXPECT_TRUE(Found(t).empty());
}

TEST(Suspects, JumpLimitsScaleWithTheTimeBetweenRecords) {
    MonthTable t;
    t.writeTitles();
    ArchiveRecord a = testing::SampleRecord(600), b = testing::SampleRecord(720);  // two hours apart
    b.outsideTemp = static_cast<std::int16_t>(a.outsideTemp + 80);                // +4.4 °C
    b.hiOutsideTemp = static_cast<std::int16_t>(b.outsideTemp + 2);
    b.lowOutsideTemp = static_cast<std::int16_t>(b.outsideTemp - 2);
    FormatRecordRow(a, "03/07/2014", t, 1);
    FormatRecordRow(b, "03/07/2014", t, 2);
    EXPECT_TRUE(Found(t).empty());
}

// A run of one value counts only while records show it: the same reading on
// both sides of a day without records is no frozen sensor; on both sides of
// a few lost records it still is.
TEST(Suspects, AFrozenRunEndsWhereRecordsAreLongMissing) {
    struct Case {
        const char* what;
        const char* secondDay;
        int secondStart;  // minutes after midnight
        bool stuck;
    } const cases[] = {
        {"a lost day", "04/07/2014", 9 * 60, false},
        {"three lost records", "03/07/2014", 12 * 60 + 20, true},
    };
    for (const auto& c : cases) {
        MonthTable t;
        t.writeTitles();
        int row = 1;
        for (int m = 9 * 60; m <= 12 * 60; m += 5) FormatRecordRow(testing::SampleRecord(m), "03/07/2014", t, row++);
        for (int m = c.secondStart; m <= c.secondStart + 180; m += 5)
            FormatRecordRow(testing::SampleRecord(m), c.secondDay, t, row++);
        for (int r = 1; r < row; ++r) t.setCell(r, 1, "15.6");  // 3 hours on each side
        EXPECT_EQ(FindSuspects(t).isSuspect(1, 1), c.stuck) << c.what;
    }
}

TEST(Suspects, MissingValuesAndSaturatedHumidityAreNotFaults) {
    MonthTable t = CalmDay();
    for (int r = 1; r <= 288; ++r) t.setCell(r, 6, "100");
    for (int r = 30; r <= 40; ++r) t.setCell(r, 1, "- -");
    EXPECT_TRUE(Found(t).empty());
}

TEST(Suspects, NextAndPreviousWrapRound) {
    MonthTable t = CalmDay();
    t.setCell(50, 9, "2000");
    t.setCell(200, 9, "-3");
    const SuspectList list = FindSuspects(t);
    ASSERT_EQ(list.items().size(), 2u);
    EXPECT_EQ(list.items()[list.next(1)].row, 50);
    EXPECT_EQ(list.items()[list.next(50)].row, 200);
    EXPECT_EQ(list.items()[list.next(200)].row, 50);
    EXPECT_EQ(list.items()[list.previous(50)].row, 200);
    EXPECT_EQ(list.items()[list.previous(200)].row, 50);
    EXPECT_EQ(SuspectList().next(3), -1);
}

// From a cell, "next" and "previous" step through the suspects of its own
// row before leaving it.
TEST(Suspects, NextAndPreviousFromACell) {
    MonthTable t = CalmDay();
    t.setCell(50, 9, "2000");
    t.setCell(50, 16, "2000");
    t.setCell(200, 9, "-3");
    const SuspectList list = FindSuspects(t);
    ASSERT_EQ(list.items().size(), 3u);
    struct Case {
        int row, column;
        int nextRow, nextColumn, previousRow, previousColumn;
    } const cases[] = {
        {50, 9, 50, 16, 200, 9},
        {50, 16, 200, 9, 50, 9},
        {50, 12, 50, 16, 50, 9},
        {200, 9, 50, 9, 50, 16},
        {1, 1, 50, 9, 200, 9},
    };
    for (const auto& c : cases) {
        const Suspect& n = list.items()[list.next(c.row, c.column)];
        const Suspect& p = list.items()[list.previous(c.row, c.column)];
        EXPECT_EQ(std::make_pair(n.row, n.column), std::make_pair(c.nextRow, c.nextColumn)) << c.row << "," << c.column;
        EXPECT_EQ(std::make_pair(p.row, p.column), std::make_pair(c.previousRow, c.previousColumn))
            << c.row << "," << c.column;
    }
}

TEST(Suspects, DemoStationMonthsAreClean) {
    testing::TempDir dir;
    for (const std::string& path : demo::WriteDemoStation(dir.file(""))) {
        const MonthSession s = ReadMonthSession(path);
        const std::string name = path;
        const SuspectList list = FindSuspects(s.table);
        EXPECT_TRUE(list.items().empty()) << name << ": " << list.items().size() << " suspects, first "
                                          << (list.items().empty() ? "" : DescribeSuspect(list.items()[0], s.table));
    }
}

} // namespace
} // namespace pluvelle
