#pragma once
// Inserting every missing record of a gap, each by the row insertion of the
// table editor: a row of "- -" at its place, a record in the store, the
// header and day counts kept consistent.
#include "core/month_session.h"
#include "quality/record_times.h"

#include <string>
#include <vector>

namespace pluvelle {

struct GapFilling {
    std::vector<int> rows;   // the new rows, ascending
    int onEmptyDays = 0;     // times left out: a day without data has no summaries to go with a record
    int refused = 0;         // times the insertion refused (a full day, a time already there)
};

// Inserts a record at each of `times` (ascending; 24:00 closes a day).
GapFilling FillMissingRecords(MonthSession& session, const std::vector<RowTime>& times);

// What the user is told when some times could not be filled; empty when all were.
std::string DescribeFilling(const GapFilling& filling);

} // namespace pluvelle
