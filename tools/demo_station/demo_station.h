#pragma once
// The demo station folder: three consecutive months of a five-minute station,
// with the sensors it lacks, a few hours without inside humidity and one day
// the logger lost.
#include "core/month_file.h"

#include <string>
#include <vector>

namespace pluvelle::demo {

struct DemoMonth {
    int year = 0;
    int month = 0;
    std::string fileName;  // "yyyy-mm.wlk"
    MonthFile file;        // header, day index, summaries and records
};

inline constexpr int kDemoYear = 2026;
inline constexpr int kDemoFirstMonth = 1;
inline constexpr int kDemoMonthCount = 3;
// 17 February: the logger was unplugged for the whole day.
inline constexpr int kLostDayMonth = 2;
inline constexpr int kLostDay = 17;
// 20 January 09:00 to 13:00: the inside humidity sensor failed.
inline constexpr int kHumidityGapMonth = 1;
inline constexpr int kHumidityGapDay = 20;
inline constexpr int kHumidityGapFirst = 9 * 60 + 5;  // packed times of the records lacking it
inline constexpr int kHumidityGapLast = 13 * 60;

// The months of the demo station, always the same.
std::vector<DemoMonth> BuildDemoStation();
// The bytes of a month's .wlk file.
std::string DemoMonthBytes(const DemoMonth& month);
// Writes every month into `folder` (UTF-8 path, created if needed); returns the files' paths.
std::vector<std::string> WriteDemoStation(const std::string& folder);

} // namespace pluvelle::demo
