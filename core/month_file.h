#pragma once
// The month store: everything of the open month that the table does not show
// (header and day index, both daily summaries of each day, the record fields
// that are not columns), so that saving can rebuild the file.
#include "wlk_format.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pluvelle {

struct MonthFile {
    std::string currentFilePath;
    std::string currentFileTail;   // "yyyy-mm.wlk"
    std::string currentFolder;     // trailing separator included
    std::string currentYearText;   // at most 4 characters
    std::string currentMonthText;  // at most 2 characters

    WlkHeader header;
    std::array<std::int16_t, kDaysInIndex> dayCount{};  // index 1..31, summaries included
    std::array<RecordBytes, kDaysInIndex> summary1{};   // DailySummary1 of each day, as read
    std::array<RecordBytes, kDaysInIndex> summary2{};   // DailySummary2 of each day, as read
    // records[d][u - 1] is slot u of day d.
    std::array<std::vector<ArchiveRecord>, kDaysInIndex> records;

    // Collector of the last archive record loaded; a month without records
    // keeps the 0.2 mm collector so saving never divides by zero.
    std::uint16_t currentRainCode = 0x2000;
    double currentMmPerClick = 0.2;
    std::uint16_t MissingRadiationCount = 0;

    int ArchiveCount(int day) const { return dayCount[day] > 2 ? dayCount[day] - 2 : 0; }
    int TotalArchiveRecords() const;
    // Makes room for `count` archive slots in day d, new slots zeroed.
    void EnsureSlots(int day, int count);
};

// Sets each day's `recordsInDay` from `dayCount`, `startPos` from the earlier
// days, and `totalRecords` to the sum (entry 0 stays zero).
void RebuildDayIndex(MonthFile& month);

// Splits a month file path into tail, folder, year and month texts: the last
// 11 characters are "yyyy-mm.wlk", everything before is the folder.
void SetCurrentPath(MonthFile& month, const std::string& path);

// "dd/mm/yyyy" of day d of the month.
std::string DayDateText(const MonthFile& month, int day);

} // namespace pluvelle
