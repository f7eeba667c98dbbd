#pragma once
// The time of a table row, read back from its "dd/mm/yyyy hh:mm" text.
#include "core/month_table.h"

#include <optional>
#include <string>
#include <vector>

namespace pluvelle {

struct RowTime {
    int day = 0;
    int minuteOfDay = 0;  // 1440 for the record that closes the day
    // Minutes since the start of the month: (day - 1) * 1440 + minuteOfDay.
    int monthMinute() const { return (day - 1) * 1440 + minuteOfDay; }
};

std::optional<RowTime> ParseRowTime(const std::string& dateTimeText);

// The record rows of the table (rows 1.. until the first empty date), with their times.
struct TimedRow {
    int row;
    RowTime time;
};
std::vector<TimedRow> TimedRows(const MonthTable& table);

// The number the table shows in a cell, or nothing for "- -", an empty cell or text.
std::optional<double> CellNumber(const MonthTable& table, int row, int col);

} // namespace pluvelle
