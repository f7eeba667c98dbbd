#include "month_table.h"

#include <algorithm>

namespace pluvelle {

const std::array<std::string_view, kColumnCount> MonthColumns = {
    "Date Heure", "TempExt",   "T.ExtMax",  "T.ExtMin",  "TempInt",   "Pression",  "HumExt",    "HumInt",
    "Pluie",      "IntensPluie", "VitVent", "RafVent",   "DirVent",   "DVentMax",  "NbRelVent", "RadSol",
    "RadMax",     "UV",        "UVMax",     "Temp1",     "Temp2",     "Temp3",     "Temp4",     "ExtraRad",
    "Prevision",  "ET ",       "TempSol1",  "TempSol2",  "TempSol3",  "TempSol4",  "TempSol5",  "TempSol6",
    "HumidSol1",  "HumidSol2", "HumidSol3", "HumidSol4", "HumidSol5", "HumidSol6", "Humid1",    "Humid2",
    "Humid3",     "Humid4",    "TempSup1",  "TempSup2",  "TempSup3",  "HumidSup1", "HumidSup2"};

MonthTable::MonthTable(int rows) : rows_(rows), cells_(static_cast<std::size_t>(rows) * kColumnCount) {}

void MonthTable::clear(int rows) {
    rows_ = std::max(rows, 1);
    cells_.assign(static_cast<std::size_t>(rows_) * kColumnCount, std::string());
}

void MonthTable::writeTitles() {
    for (int c = 0; c < kColumnCount; ++c) cells_[Index(0, c)] = std::string(MonthColumns[c]);
}

void MonthTable::ensureRows(int rows) {
    if (rows <= rows_) return;
    cells_.resize(static_cast<std::size_t>(rows) * kColumnCount);
    rows_ = rows;
}

bool MonthTable::rowIsEmpty(int row) const {
    for (int c = 0; c < kColumnCount; ++c)
        if (!cells_[Index(row, c)].empty()) return false;
    return true;
}

void MonthTable::insertEmptyRow(int row) {
    if (!rowIsEmpty(rows_ - 1)) ensureRows(rows_ + 1);
    auto first = cells_.begin() + static_cast<std::ptrdiff_t>(Index(row, 0));
    auto last = cells_.begin() + static_cast<std::ptrdiff_t>(Index(rows_ - 1, 0));
    std::move_backward(first, last, cells_.begin() + static_cast<std::ptrdiff_t>(Index(rows_, 0)));
    for (int c = 0; c < kColumnCount; ++c) cells_[Index(row, c)].clear();
}

} // namespace pluvelle
