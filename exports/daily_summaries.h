#pragma once
// The daily summaries export: for every day of the month file that has data,
// its two daily summaries as the station recorded them, in metric units, on a
// values line followed by a line with the clock times of the extremes.
#include "core/dialogs.h"
#include "core/month_file.h"
#include "core/wlk_format.h"

#include <string>

namespace pluvelle {

// The 65 column names and their units, with the spaces the file has always had.
std::string DailySummariesHeaderLine();
std::string DailySummariesUnitsLine();
// 65 fields: the date, then the values of both summaries.
std::string DailyValuesLine(const std::string& date, const DailySummary1& s1, const DailySummary2& s2);
// 48 fields: the times of the extremes under their values' columns.
std::string DailyTimesLine(const DailySummary1& s1, const DailySummary2& s2);

// The `ExportResume1` command: reads the open month's file again from disk
// (unsaved edits are not exported) and writes the CSV the user names.
CommandResult ExportDailySummariesFlow(const MonthFile& month, Dialogs& dialogs);

} // namespace pluvelle
