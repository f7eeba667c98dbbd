#pragma once
// "Aller à…": the user types a day and a time, "dd hh:mm", and the table
// goes to that record or the nearest one.
#include "core/month_table.h"
#include "quality/record_times.h"

#include <optional>
#include <string_view>

namespace pluvelle {

// "dd hh:mm" with one or two digits each, spaces around allowed, "h" taken
// for ":" ("5 13h10"). Hours 0 to 24 (24 only as 24:00, the record that closes
// a day), minutes 0 to 59, days 1 to `daysInMonth`. Nothing when the text is
// not of that form.
std::optional<RowTime> ParseDayTime(std::string_view text, int daysInMonth);

// The record row whose time is nearest to `when`; between two equally near
// ones the later. 0 when the table holds no record.
int NearestRow(const MonthTable& table, RowTime when);

} // namespace pluvelle
