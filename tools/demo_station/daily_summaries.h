#pragma once
// The two daily summaries of a day, derived from its archive records as a
// console derives them: extremes with the time each was first reached, means,
// totals, and the minutes of wind from each direction.
#include "core/wlk_format.h"

#include <vector>

namespace pluvelle::demo {

// Which extreme's time each packed slot of `timeValues1` holds.
enum TimeSlot1 {
    kHiOutTempTime = 0, kLowOutTempTime, kHiInTempTime, kLowInTempTime,
    kLowChillTime, kHiChillTime, kLowDewTime, kHiDewTime,
    kHiOutHumTime, kLowOutHumTime, kHiInHumTime, kLowInHumTime,
    kHiBarTime, kLowBarTime, kHiSpeedTime, kHi10MinSpeedTime, kHiRainRateTime, kHiUvTime
};
// The same for `timeValues2`; slots 6 and 9 are not used.
enum TimeSlot2 {
    kHiSolarTime = 0, kHiHeatTime, kLowHeatTime, kHiThswTime, kLowThwTime, kHiThwTime,
    kHiWetBulbTime = 7, kLowWetBulbTime = 8
};
// An empty time slot: all twelve bits set.
inline constexpr int kUnusedTime = 4095;

DailySummary1 SummarizeDayOne(const std::vector<ArchiveRecord>& records);
DailySummary2 SummarizeDayTwo(const std::vector<ArchiveRecord>& records);

} // namespace pluvelle::demo
