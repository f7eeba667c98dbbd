// The demo station folder: always the same bytes, well-formed months that
// Pluvelle opens, and daily summaries that agree with the records.
#include "demo_station.h"

#include "core/conversions.h"
#include "core/month_load.h"
#include "month_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

namespace pluvelle::demo {
namespace {

using pluvelle::testing::ReadFile;
using pluvelle::testing::TempDir;

class DemoStationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempDir>();
        paths_ = WriteDemoStation(folder_->path().string());
        for (const std::string& path : paths_) sessions_.push_back(ReadMonthSession(path));
    }
    static void TearDownTestSuite() {
        sessions_.clear();
        folder_.reset();
    }

    static inline std::unique_ptr<TempDir> folder_;
    static inline std::vector<std::string> paths_;
    static inline std::vector<MonthSession> sessions_;
};

TEST_F(DemoStationTest, WritesTheSameThreeMonthsEveryTime) {
    ASSERT_EQ(paths_.size(), 3u);
    const char* names[] = {"2026-01.wlk", "2026-02.wlk", "2026-03.wlk"};
    TempDir again;
    const std::vector<std::string> second = WriteDemoStation(again.path().string());
    ASSERT_EQ(second.size(), 3u);
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        EXPECT_EQ(std::filesystem::path(paths_[i]).filename().string(), names[i]);
        const std::string bytes = ReadFile(paths_[i]);
        EXPECT_FALSE(bytes.empty());
        EXPECT_TRUE(bytes == ReadFile(second[i])) << names[i] << " differs between two runs";
    }
}

TEST_F(DemoStationTest, HeaderAndDayIndexMatchTheRecords) {
    const int monthDays[] = {31, 28, 31};
    for (std::size_t i = 0; i < sessions_.size(); ++i) {
        SCOPED_TRACE(paths_[i]);
        const MonthFile& m = sessions_[i].month;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(m.header.idCode.data()), 7), "WDAT5.3");
        EXPECT_EQ(m.header.dayIndex[0].recordsInDay, 0);
        EXPECT_EQ(m.header.dayIndex[0].startPos, 0);
        int position = 0;
        for (int d = 1; d <= 31; ++d) {
            const bool lost = i == 1 && d == kLostDay;
            const int expected = d > monthDays[i] || lost ? 0 : 288 + 2;
            EXPECT_EQ(m.dayCount[d], expected) << "day " << d;
            if (m.dayCount[d] != 0) {
                EXPECT_EQ(m.header.dayIndex[d].startPos, position) << "day " << d;
            }
            position += m.dayCount[d];
        }
        EXPECT_EQ(m.header.totalRecords, position);
        EXPECT_EQ(ReadFile(paths_[i]).size(), kHeaderSize + kRecordSize * static_cast<std::size_t>(position));
    }
}

TEST_F(DemoStationTest, RecordsCloseEveryFiveMinutesUpToMidnight) {
    for (const MonthSession& s : sessions_)
        for (int d = 1; d <= 31; ++d) {
            const auto& records = s.month.records[d];
            for (std::size_t u = 0; u < records.size(); ++u) {
                ASSERT_EQ(records[u].packedTime, static_cast<int>(5 * (u + 1))) << "day " << d;
                ASSERT_EQ(records[u].archiveInterval, 5);
                ASSERT_EQ(records[u].dataType, 1);
            }
        }
}

TEST_F(DemoStationTest, LostDayHasNoRows) {
    const MonthSession& february = sessions_[1];
    const int rows = february.month.TotalArchiveRecords();
    EXPECT_EQ(rows, 27 * 288);
    EXPECT_EQ(february.table.cell(rows, 0), "28/02/2026 24:00");
    EXPECT_TRUE(february.table.rowIsEmpty(rows + 1));
    for (int r = 1; r <= rows; ++r) ASSERT_NE(february.table.cell(r, 0).substr(0, 10), "17/02/2026") << "row " << r;
    EXPECT_EQ(february.table.cell(16 * 288, 0), "16/02/2026 24:00");
    EXPECT_EQ(february.table.cell(16 * 288 + 1, 0), "18/02/2026 00:05");
}

TEST_F(DemoStationTest, MissingSensorsShowMissing) {
    const MonthSession& january = sessions_[0];
    const int firstOfGapDay = (kHumidityGapDay - 1) * 288 + 1;
    for (int u = 0; u < 288; ++u) {
        const int row = firstOfGapDay + u;
        const int time = 5 * (u + 1);
        const bool gap = time >= kHumidityGapFirst && time <= kHumidityGapLast;
        EXPECT_EQ(january.table.cell(row, 7) == MissingText, gap) << january.table.cell(row, 0);
        for (int col : {19, 22, 23, 26, 31, 32, 38, 42, 45, 46}) ASSERT_EQ(january.table.cell(row, col), MissingText);
    }
    // Everywhere else the inside humidity is there.
    EXPECT_NE(january.table.cell(firstOfGapDay - 1, 7), MissingText);
    EXPECT_NE(january.table.cell(1, 7), MissingText);
}

TEST_F(DemoStationTest, SunShinesOnlyByDay) {
    int sunnyNoons = 0, days = 0;
    for (const MonthSession& s : sessions_)
        for (int d = 1; d <= 31; ++d) {
            const auto& records = s.month.records[d];
            if (records.empty()) continue;
            ++days;
            for (const ArchiveRecord& r : records) {
                const bool night = r.packedTime <= 6 * 60 || r.packedTime >= 19 * 60 + 30;
                if (night) {
                    ASSERT_EQ(r.solarRad, 0) << "day " << d << " time " << r.packedTime;
                    ASSERT_EQ(r.uv, 0);
                }
                ASSERT_GE(r.solarRad, 0);
                ASSERT_LE(r.solarRad, r.hiSolarRad);
            }
            if (records[12 * 12 - 1].hiSolarRad > 150) ++sunnyNoons;
        }
    EXPECT_GT(sunnyNoons, days / 3);
}

// First record of a day whose `value` equals `target`.
template <typename Value>
int TimeOf(const std::vector<ArchiveRecord>& records, int target, Value value) {
    for (const ArchiveRecord& r : records)
        if (value(r) == target) return r.packedTime;
    return -1;
}

TEST_F(DemoStationTest, SummariesAgreeWithTheRecords) {
    for (const MonthSession& s : sessions_)
        for (int d = 1; d <= 31; ++d) {
            const auto& records = s.month.records[d];
            if (records.empty()) continue;
            SCOPED_TRACE(DayDateText(s.month, d));
            const DailySummary1 s1 = DecodeDailySummary1(s.month.summary1[d].data());
            const DailySummary2 s2 = DecodeDailySummary2(s.month.summary2[d].data());
            EXPECT_EQ(s1.dataType, 2);
            EXPECT_EQ(s2.dataType, 3);
            EXPECT_EQ(s1.dataSpan, 1440);

            struct Extreme {
                const char* name;
                int summary;
                int slotTime;
                int (*value)(const ArchiveRecord&);
                bool highest;
            };
            const Extreme extremes[] = {
                {"hiOutTemp", s1.hiOutTemp, s1.timeValues1[0], [](const ArchiveRecord& r) { return int{r.hiOutsideTemp}; }, true},
                {"lowOutTemp", s1.lowOutTemp, s1.timeValues1[1], [](const ArchiveRecord& r) { return int{r.lowOutsideTemp}; }, false},
                {"hiInTemp", s1.hiInTemp, s1.timeValues1[2], [](const ArchiveRecord& r) { return int{r.insideTemp}; }, true},
                {"lowInTemp", s1.lowInTemp, s1.timeValues1[3], [](const ArchiveRecord& r) { return int{r.insideTemp}; }, false},
                {"hiOutHum", s1.hiOutHum, s1.timeValues1[8], [](const ArchiveRecord& r) { return int{r.outsideHum}; }, true},
                {"lowOutHum", s1.lowOutHum, s1.timeValues1[9], [](const ArchiveRecord& r) { return int{r.outsideHum}; }, false},
                {"hiBar", s1.hiBar, s1.timeValues1[12], [](const ArchiveRecord& r) { return int{r.barometer}; }, true},
                {"lowBar", s1.lowBar, s1.timeValues1[13], [](const ArchiveRecord& r) { return int{r.barometer}; }, false},
                {"hiSpeed", s1.hiSpeed, s1.timeValues1[14], [](const ArchiveRecord& r) { return int{r.hiWindSpeed}; }, true},
                {"dailyHiUv", s1.dailyHiUv, s1.timeValues1[17], [](const ArchiveRecord& r) { return int{r.hiUv}; }, true},
                {"hiSolar", s2.hiSolar, s2.timeValues2[0], [](const ArchiveRecord& r) { return int{r.hiSolarRad}; }, true},
            };
            for (const Extreme& e : extremes) {
                int expected = e.value(records.front());
                for (const ArchiveRecord& r : records)
                    expected = e.highest ? std::max(expected, e.value(r)) : std::min(expected, e.value(r));
                EXPECT_EQ(e.summary, expected) << e.name;
                EXPECT_EQ(e.slotTime, TimeOf(records, expected, e.value)) << e.name << " time";
            }

            // Inside humidity: the hours without it do not count.
            int hiIn = -32768, lowIn = 32767;
            for (const ArchiveRecord& r : records)
                if (r.insideHum != -32768) hiIn = std::max<int>(hiIn, r.insideHum), lowIn = std::min<int>(lowIn, r.insideHum);
            EXPECT_EQ(s1.hiInHum, hiIn);
            EXPECT_EQ(s1.lowInHum, lowIn);

            int clicks = 0, et = 0, windMinutes = 0;
            for (const ArchiveRecord& r : records) {
                EXPECT_EQ(RainCollectorCode(r.rain), 0x2000);
                clicks += RainClicks(r.rain);
                et += r.et;
                if (r.windDirection < 16) windMinutes += 5;
            }
            EXPECT_EQ(s1.dailyRainTotal, static_cast<int>(std::lround(clicks * 0.2 / 25.4 * 1000)));
            EXPECT_EQ(s2.dailyEtTotal, et);
            int binned = 0;
            for (int minutes : s2.dirBins) binned += minutes;
            EXPECT_EQ(binned, windMinutes);
            EXPECT_LE(s1.lowChill, s1.hiChill);
            EXPECT_LE(s1.lowDew, s1.hiDew);
            EXPECT_LE(s1.lowOutTemp, s1.avgOutTemp);
            EXPECT_LE(s1.avgOutTemp, s1.hiOutTemp);
            EXPECT_EQ(s2.timeValues2[6], 4095);
            EXPECT_EQ(s2.timeValues2[9], 4095);
        }
}

TEST_F(DemoStationTest, MonthsReadLikeAStationInTheRhoneValleyInWinter) {
    // Loose climate bounds: a generator fault (wrong units, a sign) breaks them.
    for (const MonthSession& s : sessions_)
        for (int d = 1; d <= 31; ++d) {
            const auto& records = s.month.records[d];
            if (records.empty()) continue;
            const DailySummary1 s1 = DecodeDailySummary1(s.month.summary1[d].data());
            SCOPED_TRACE(DayDateText(s.month, d));
            EXPECT_GT(FahrenheitToCelsius(s1.lowOutTemp / 10.0), -15.0);
            EXPECT_LT(FahrenheitToCelsius(s1.hiOutTemp / 10.0), 25.0);
            EXPECT_GT(FahrenheitToCelsius(s1.hiOutTemp / 10.0) - FahrenheitToCelsius(s1.lowOutTemp / 10.0), 1.0);
            EXPECT_GT(BarometerToHpa(s1.lowBar), 980.0);
            EXPECT_LT(BarometerToHpa(s1.hiBar), 1045.0);
            EXPECT_LE(s1.hiOutHum, 1000);
            EXPECT_GE(s1.lowOutHum, 150);
        }
}

} // namespace
} // namespace pluvelle::demo
