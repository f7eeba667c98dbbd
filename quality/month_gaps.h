#pragma once
// Missing records: where two consecutive records lie further apart than the
// archive interval, at the month's edges, and whole days without data.
#include "core/month_table.h"
#include "record_times.h"

#include <string>
#include <vector>

namespace pluvelle {

struct MonthGap {
    RowTime first;          // first missing record time
    RowTime last;           // last missing record time
    int interval;           // archive interval, minutes
    int missingRecords;
    int rowBefore;          // table row just before the gap (0 at the month's start)
    bool touchesEmptyDay;   // some missing times fall on a day without any record
};

// The most common spacing of consecutive records (5 when there are too few).
int TypicalInterval(const std::vector<TimedRow>& rows);
std::vector<MonthGap> FindGaps(const MonthTable& table, int daysInMonth);
// Every missing record time of a gap, in order (24:00 closes a day).
std::vector<RowTime> MissingTimes(const MonthGap& gap);
// "Du 03/07 12:05 au 03/07 12:55 : 11 enregistrements manquants"
std::string DescribeGap(const MonthGap& gap, const std::string& monthText);

// Days in a month from the path texts; February has 29 days in years divisible by 4.
int DaysInMonth(const std::string& monthText, const std::string& yearText);

} // namespace pluvelle
