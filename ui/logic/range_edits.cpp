#include "range_edits.h"

#include "core/conversions.h"

#include <algorithm>

namespace pluvelle {

namespace {

void AddChange(const MonthTable& table, int row, int col, const std::string& text, std::vector<CellChange>& out) {
    const std::string& before = table.cell(row, col);
    if (before != text) out.push_back({row, col, before, text});
}

} // namespace

int LastRecordRow(const MonthTable& table) {
    int row = 0;
    while (row + 1 < table.rowCount() && !table.cell(row + 1, 0).empty()) ++row;
    return row;
}

std::optional<CellRange> RecordCells(const MonthTable& table, CellRange range) {
    range.top = std::max(range.top, 1);
    range.left = std::max(range.left, 1);
    range.bottom = std::min(range.bottom, LastRecordRow(table));
    range.right = std::min(range.right, kColumnCount - 1);
    if (range.empty()) return std::nullopt;
    return range;
}

TextBlock CopyRange(const MonthTable& table, CellRange range) {
    const int lastRow = LastRecordRow(table);
    const bool wholeColumns = range.top <= 1 && range.bottom >= lastRow;
    const std::optional<CellRange> cells = RecordCells(table, range);
    TextBlock block;
    if (!cells) return block;
    auto rowTexts = [&](int row) {
        std::vector<std::string> texts;
        for (int c = cells->left; c <= cells->right; ++c) texts.push_back(table.cell(row, c));
        return texts;
    };
    if (wholeColumns) block.push_back(rowTexts(0));
    for (int r = cells->top; r <= cells->bottom; ++r) block.push_back(rowTexts(r));
    return block;
}

std::string ValueText(const std::string& value) { return value.empty() ? std::string(MissingText) : value; }

std::vector<CellChange> PasteChanges(const MonthTable& table, CellRange selection, const TextBlock& block) {
    if (block.size() == 1 && block[0].size() == 1) return FillChanges(table, selection, block[0][0]);
    std::vector<CellChange> changes;
    const int lastRow = LastRecordRow(table);
    for (std::size_t i = 0; i < block.size(); ++i) {
        const int row = selection.top + static_cast<int>(i);
        if (row < 1) continue;
        if (row > lastRow) break;
        for (std::size_t j = 0; j < block[i].size(); ++j) {
            const int col = selection.left + static_cast<int>(j);
            if (col < 1) continue;
            if (col >= kColumnCount) break;
            AddChange(table, row, col, ValueText(block[i][j]), changes);
        }
    }
    return changes;
}

std::vector<CellChange> FillChanges(const MonthTable& table, CellRange range, const std::string& value) {
    std::vector<CellChange> changes;
    const std::optional<CellRange> cells = RecordCells(table, range);
    if (!cells) return changes;
    const std::string text = ValueText(value);
    for (int r = cells->top; r <= cells->bottom; ++r)
        for (int c = cells->left; c <= cells->right; ++c) AddChange(table, r, c, text, changes);
    return changes;
}

CellRange ChangedRange(const std::vector<CellChange>& changes) {
    if (changes.empty()) return {};
    CellRange r{changes[0].row, changes[0].col, changes[0].row, changes[0].col};
    for (const CellChange& c : changes) {
        r.top = std::min(r.top, c.row);
        r.bottom = std::max(r.bottom, c.row);
        r.left = std::min(r.left, c.col);
        r.right = std::max(r.right, c.col);
    }
    return r;
}

} // namespace pluvelle
