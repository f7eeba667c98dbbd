#include "demo_station.h"

#include "daily_summaries.h"
#include "weather_model.h"

#include "core/atomic_file.h"
#include "core/month_save.h"
#include "core/paths.h"

#include <algorithm>
#include <filesystem>

namespace pluvelle::demo {

namespace {

constexpr std::uint64_t kSeed = 0x5EED2026;
constexpr char kIdCode[] = "WDAT5.3";

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

int DayOfYear(int year, int month, int day) {
    int n = day;
    for (int m = 1; m < month; ++m) n += DaysInMonth(year, m);
    return n;
}

std::string FileName(int year, int month) {
    std::string mm = std::to_string(month);
    if (mm.size() == 1) mm = "0" + mm;
    return std::to_string(year) + "-" + mm + ".wlk";
}

void StationFaults(int month, int day, std::vector<ArchiveRecord>& records) {
    if (month == kLostDayMonth && day == kLostDay) records.clear();
    if (month == kHumidityGapMonth && day == kHumidityGapDay)
        for (ArchiveRecord& r : records)
            if (r.packedTime >= kHumidityGapFirst && r.packedTime <= kHumidityGapLast) r.insideHum = -32768;
}

void AddDay(MonthFile& file, int day, std::vector<ArchiveRecord> records) {
    if (records.empty()) return;
    file.dayCount[day] = static_cast<std::int16_t>(records.size() + 2);
    file.summary1[day] = EncodeDailySummary1(SummarizeDayOne(records));
    file.summary2[day] = EncodeDailySummary2(SummarizeDayTwo(records));
    file.records[day] = std::move(records);
}

} // namespace

std::vector<DemoMonth> BuildDemoStation() {
    WeatherModel weather(kSeed, StationSite{}, DayOfYear(kDemoYear, kDemoFirstMonth, 1));
    std::vector<DemoMonth> months;
    for (int i = 0; i < kDemoMonthCount; ++i) {
        DemoMonth m;
        m.year = kDemoYear;
        m.month = kDemoFirstMonth + i;
        m.fileName = FileName(m.year, m.month);
        std::copy(std::begin(kIdCode), std::end(kIdCode) - 1, m.file.header.idCode.begin());
        for (int day = 1; day <= DaysInMonth(m.year, m.month); ++day) {
            std::vector<ArchiveRecord> records = weather.NextDay();
            StationFaults(m.month, day, records);
            AddDay(m.file, day, std::move(records));
        }
        RebuildDayIndex(m.file);
        months.push_back(std::move(m));
    }
    return months;
}

std::string DemoMonthBytes(const DemoMonth& month) { return SerializeMonth(month.file, month.file.records); }

std::vector<std::string> WriteDemoStation(const std::string& folder) {
    std::filesystem::create_directories(PathFromUtf8(folder));
    std::vector<std::string> written;
    for (const DemoMonth& m : BuildDemoStation()) {
        const std::string path = PathToUtf8(PathFromUtf8(folder) / m.fileName);
        WriteFileAtomically(path, DemoMonthBytes(m));
        written.push_back(path);
    }
    return written;
}

} // namespace pluvelle::demo
