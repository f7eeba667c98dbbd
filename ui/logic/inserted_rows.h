#pragma once
// Taking back rows added by row insertion (one record or the records of a
// gap), and putting them in again, exactly: the table's rows, the records of
// the days they went into, the header with its day index and the day counts.
#include "core/month_session.h"

#include <string>
#include <vector>

namespace pluvelle {

// Removes `rows` (ascending) from the table, moving the rows below up; the
// rows freed at the end become empty. Returns the removed rows' 47 texts.
std::vector<std::vector<std::string>> RemoveTableRows(MonthTable& table, const std::vector<int>& rows);

// Puts `texts` back at `rows` (ascending, the places they will have once all
// are in), moving the rows below down.
void InsertTableRows(MonthTable& table, const std::vector<int>& rows, std::vector<std::vector<std::string>> texts);

class InsertedRows {
public:
    // Call before the insertion, with the store as it still is.
    explicit InsertedRows(const MonthFile& before);

    // Call once the insertion added `rows` (ascending) to the table. Keeps of
    // the earlier store only the days whose records changed.
    void inserted(const MonthFile& after, std::vector<int> rows);

    const std::vector<int>& rows() const { return rows_; }
    void undo(MonthSession& session);
    void redo(MonthSession& session);

private:
    // The parts of the store an insertion changes; exchanging them with the
    // session's goes from one state to the other either way.
    void exchange(MonthFile& month);

    WlkHeader header_;
    std::array<std::int16_t, kDaysInIndex> dayCount_;
    std::vector<int> days_;
    std::array<std::vector<ArchiveRecord>, kDaysInIndex> records_;
    std::vector<int> rows_;
    std::vector<std::vector<std::string>> texts_;  // the rows while taken back
};

} // namespace pluvelle
