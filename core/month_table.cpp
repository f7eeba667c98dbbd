#include "month_table.h"

#include <algorithm>
#include <stdexcept>

namespace pluvelle {

const std::array<std::string_view, kColumnCount> MonthColumns = {
    "Date Heure", "TempExt",   "T.ExtMax",  "T.ExtMin",  "TempInt",   "Pression",  "HumExt",    "HumInt",
    "Pluie",      "IntensPluie", "VitVent", "RafVent",   "DirVent",   "DVentMax",  "NbRelVent", "RadSol",
    "RadMax",     "UV",        "UVMax",     "Temp1",     "Temp2",     "Temp3",     "Temp4",     "ExtraRad",
    "Prevision",  "ET ",       "TempSol1",  "TempSol2",  "TempSol3",  "TempSol4",  "TempSol5",  "TempSol6",
    "HumidSol1",  "HumidSol2", "HumidSol3", "HumidSol4", "HumidSol5", "HumidSol6", "Humid1",    "Humid2",
    "Humid3",     "Humid4",    "TempSup1",  "TempSup2",  "TempSup3",  "HumidSup1", "HumidSup2"};

MonthTable::MonthTable(int rows) : rows_(std::max(rows, 1)) {}

const std::string& MonthTable::EmptyText() {
    static const std::string empty;
    return empty;
}

void MonthTable::Store(int row) {
    if (row < stored_) return;
    if (row >= rows_) throw std::out_of_range("table row " + std::to_string(row) + " past the table's end");
    stored_ = row + 1;
    cells_.resize(static_cast<std::size_t>(stored_) * kColumnCount);
}

void MonthTable::clear(int rows) {
    rows_ = std::max(rows, 1);
    stored_ = 0;
    cells_.clear();
}

void MonthTable::writeTitles() {
    for (int c = 0; c < kColumnCount; ++c) cell(0, c) = std::string(MonthColumns[c]);
}

void MonthTable::ensureRows(int rows) { rows_ = std::max(rows_, rows); }

void MonthTable::reserveRows(int rows) {
    cells_.reserve(static_cast<std::size_t>(std::clamp(rows, 0, rows_)) * kColumnCount);
}

bool MonthTable::rowIsEmpty(int row) const {
    for (int c = 0; c < kColumnCount; ++c)
        if (!cell(row, c).empty()) return false;
    return true;
}

void MonthTable::insertEmptyRow(int row) {
    if (!rowIsEmpty(rows_ - 1)) ensureRows(rows_ + 1);
    if (row >= stored_) return;  // already empty, nothing below it to move
    if (stored_ < rows_) Store(stored_);  // one more stored row receives the last one
    auto first = cells_.begin() + static_cast<std::ptrdiff_t>(Index(row, 0));
    auto last = cells_.begin() + static_cast<std::ptrdiff_t>(Index(stored_ - 1, 0));
    std::move_backward(first, last, cells_.end());
    for (int c = 0; c < kColumnCount; ++c) cells_[Index(row, c)].clear();
}

} // namespace pluvelle
