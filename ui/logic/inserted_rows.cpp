#include "inserted_rows.h"

#include <algorithm>
#include <utility>

namespace pluvelle {

namespace {

int LastNonEmptyRow(const MonthTable& table) {
    int row = table.rowCount() - 1;
    while (row > 0 && table.rowIsEmpty(row)) --row;
    return row;
}

void MoveRow(MonthTable& table, int from, int to) {
    for (int c = 0; c < kColumnCount; ++c) table.cell(to, c) = std::move(table.cell(from, c));
}

} // namespace

std::vector<std::vector<std::string>> RemoveTableRows(MonthTable& table, const std::vector<int>& rows) {
    std::vector<std::vector<std::string>> removed;
    if (rows.empty()) return removed;
    const int last = std::max(LastNonEmptyRow(table), rows.back());
    std::size_t next = 0;  // the next row of `rows` to take out
    int to = rows.front();
    for (int from = rows.front(); from <= last; ++from) {
        if (next < rows.size() && rows[next] == from) {
            std::vector<std::string> texts(kColumnCount);
            for (int c = 0; c < kColumnCount; ++c) texts[c] = std::move(table.cell(from, c));
            removed.push_back(std::move(texts));
            ++next;
        } else {
            MoveRow(table, from, to++);
        }
    }
    for (int r = to; r <= last; ++r)
        for (int c = 0; c < kColumnCount; ++c) table.cell(r, c).clear();
    return removed;
}

void InsertTableRows(MonthTable& table, const std::vector<int>& rows, std::vector<std::vector<std::string>> texts) {
    if (rows.empty()) return;
    const int oldLast = std::max(LastNonEmptyRow(table), rows.back() - static_cast<int>(rows.size()));
    const int newLast = oldLast + static_cast<int>(rows.size());
    table.ensureRows(newLast + 1);
    int from = oldLast;
    std::size_t next = rows.size();  // rows[next - 1] is the next place to fill, from the end
    for (int to = newLast; to >= rows.front(); --to) {
        if (next > 0 && rows[next - 1] == to) {
            --next;
            for (int c = 0; c < kColumnCount; ++c) table.cell(to, c) = std::move(texts[next][c]);
        } else {
            MoveRow(table, from--, to);
        }
    }
}

InsertedRows::InsertedRows(const MonthFile& before)
    : header_(before.header), dayCount_(before.dayCount), records_(before.records) {}

void InsertedRows::inserted(const MonthFile& after, std::vector<int> rows) {
    rows_ = std::move(rows);
    std::sort(rows_.begin(), rows_.end());
    for (int d = 1; d <= 31; ++d) {
        const bool changed = dayCount_[d] != after.dayCount[d] || records_[d] != after.records[d];
        if (changed) days_.push_back(d);
        else records_[d] = {};
    }
}

void InsertedRows::exchange(MonthFile& month) {
    std::swap(header_, month.header);
    std::swap(dayCount_, month.dayCount);
    for (int d : days_) std::swap(records_[d], month.records[d]);
}

void InsertedRows::undo(MonthSession& session) {
    texts_ = RemoveTableRows(session.table, rows_);
    exchange(session.month);
}

void InsertedRows::redo(MonthSession& session) {
    InsertTableRows(session.table, rows_, std::move(texts_));
    texts_.clear();
    exchange(session.month);
}

} // namespace pluvelle
