#pragma once
// Edits of a rectangle of the table at once: copy, paste, fill, clear. They
// touch only the cells of records (rows 1 to the last dated row, columns 1 to
// 46): the date column is the record's time, and rows without a date are no
// record, so values put there would never reach the file.
#include "tab_text.h"

#include "core/month_table.h"

#include <optional>
#include <string>
#include <vector>

namespace pluvelle {

// Rows top..bottom and columns left..right, all included.
struct CellRange {
    int top = 0;
    int left = 0;
    int bottom = -1;
    int right = -1;
    bool empty() const { return bottom < top || right < left; }
    bool operator==(const CellRange&) const = default;
};

// One cell's text before and after an edit.
struct CellChange {
    int row = 0;
    int col = 0;
    std::string before;
    std::string after;
};

// The last of the dated rows that follow row 0 without a break (0 when the
// table holds no record).
int LastRecordRow(const MonthTable& table);

// The part of `range` that holds record values, or nothing.
std::optional<CellRange> RecordCells(const MonthTable& table, CellRange range);

// The selection's texts; the column titles come first when the selection
// holds every record of its columns.
TextBlock CopyRange(const MonthTable& table, CellRange range);

// An empty value is written "- -": a spreadsheet's empty cell is a missing
// value, and an empty text would be saved as 0.
std::string ValueText(const std::string& value);

// Pasting `block` with `selection` selected: a single value fills the whole
// selection; a larger block goes from the selection's top-left cell, cut at
// the last record row and the last column. Cells whose text would not change
// are left out.
std::vector<CellChange> PasteChanges(const MonthTable& table, CellRange selection, const TextBlock& block);

// Every record cell of `range` set to `value`; unchanged cells left out.
std::vector<CellChange> FillChanges(const MonthTable& table, CellRange range, const std::string& value);

// The bounding rectangle of the changed cells.
CellRange ChangedRange(const std::vector<CellChange>& changes);

} // namespace pluvelle
