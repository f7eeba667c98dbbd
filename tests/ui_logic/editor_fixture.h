#pragma once
// Shared checks of the table editor's tests: a month loaded from a file built
// in code, and whether the table, the store and the header still agree.
#include "core/month_load.h"
#include "core/record_text.h"

#include "month_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pluvelle::testing {

// Writes `days` as `name` (yyyy-mm.wlk) in `dir` and loads it.
inline MonthSession LoadFixture(const TempDir& dir, const std::string& name, const std::vector<FixtureDay>& days) {
    WriteFile(dir.file(name), MonthBytes(days));
    return ReadMonthSession(dir.file(name));
}

// Header totals and day index agree with `dayCount`; `startPos` is checked for
// the days with records (the others keep what the file had).
inline void ExpectConsistentHeader(const MonthFile& m) {
    int total = 0;
    for (int d = 1; d <= 31; ++d) {
        EXPECT_EQ(m.header.dayIndex[d].recordsInDay, m.dayCount[d]) << "day " << d;
        if (m.dayCount[d] != 0) {
            EXPECT_EQ(m.header.dayIndex[d].startPos, total) << "day " << d;
        }
        total += m.dayCount[d];
    }
    EXPECT_EQ(m.header.totalRecords, total);
}

// Row r of the table is the record the save will put it into: same date and
// time, for every record; the row after the last is empty.
inline void ExpectTableMatchesStore(const MonthSession& s) {
    int row = 0;
    for (int d = 1; d <= 31; ++d) {
        if (s.month.dayCount[d] == 0) continue;
        ASSERT_GE(static_cast<int>(s.month.records[d].size()), s.month.ArchiveCount(d));
        for (int u = 0; u < s.month.ArchiveCount(d); ++u) {
            ++row;
            ASSERT_LT(row, s.table.rowCount());
            EXPECT_EQ(s.table.cell(row, 0),
                      RecordTimeText(DayDateText(s.month, d), s.month.records[d][static_cast<std::size_t>(u)].packedTime))
                << "row " << row;
        }
    }
    if (row + 1 < s.table.rowCount()) {
        EXPECT_EQ(s.table.cell(row + 1, 0), "") << "row " << row + 1;
    }
}

// Everything a refused command must leave as it was.
struct SessionSnapshot {
    explicit SessionSnapshot(const MonthSession& s)
        : header(EncodeHeader(s.month.header)), dayCount(s.month.dayCount), records(s.month.records),
          rows(s.table.rowCount()), unsaved(s.unsavedChanges) {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kColumnCount; ++c) {
                cells += s.table.cell(r, c);
                cells += '\x1f';
            }
    }
    bool operator==(const SessionSnapshot&) const = default;

    HeaderBytes header;
    std::array<std::int16_t, kDaysInIndex> dayCount;
    std::array<std::vector<ArchiveRecord>, kDaysInIndex> records;
    int rows;
    bool unsaved;
    std::string cells;  // every cell, each followed by a unit separator
};

} // namespace pluvelle::testing
