#include "suspect_values.h"

#include "month_gaps.h"
#include "record_times.h"

#include "core/conversions.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace pluvelle {

const std::vector<QuantityLimits>& SuspectLimits() {
    static const std::vector<QuantityLimits> limits = {
        // column           min     max   jump  within  stuck     stuck from
        {1 /*TempExt*/,     -50,    55,   3,    5,      4 * 60,   55},
        {2 /*T.ExtMax*/,    -50,    55,   0,    0,      0,        0},
        {3 /*T.ExtMin*/,    -50,    55,   0,    0,      0,        0},
        {4 /*TempInt*/,     -20,    50,   3,    5,      0,        0},
        {5 /*Pression*/,    900,    1080, 2,    10,     6 * 60,   1080},
        {6 /*HumExt*/,      1,      100,  25,   5,      12 * 60,  95},
        {7 /*HumInt*/,      1,      100,  0,    0,      0,        0},
        {8 /*Pluie*/,       0,      50,   0,    0,      0,        0},
        {9 /*IntensPluie*/, 0,      1000, 0,    0,      0,        0},
        {10 /*VitVent*/,    0,      150,  0,    0,      0,        0},
        {11 /*RafVent*/,    0,      250,  0,    0,      0,        0},
        {15 /*RadSol*/,     0,      1400, 0,    0,      0,        0},
        {16 /*RadMax*/,     0,      1800, 0,    0,      0,        0},
        {17 /*UV*/,         0,      16,   0,    0,      0,        0},
        {18 /*UVMax*/,      0,      16,   0,    0,      0,        0},
    };
    return limits;
}

const std::vector<HighLowPair>& HighLowPairs() {
    static const std::vector<HighLowPair> pairs = {{2, 3}, {11, 10}, {16, 15}, {18, 17}};
    return pairs;
}

SuspectList::SuspectList(std::vector<Suspect> items, int rows)
    : items_(std::move(items)), flags_(static_cast<std::size_t>(rows) * kColumnCount, 0) {
    std::sort(items_.begin(), items_.end(), [](const Suspect& a, const Suspect& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (const auto& s : items_)
        if (s.row >= 0 && s.row < rows) flags_[static_cast<std::size_t>(s.row) * kColumnCount + s.column] = 1;
}

bool SuspectList::isSuspect(int row, int column) const {
    const std::size_t at = static_cast<std::size_t>(row) * kColumnCount + static_cast<std::size_t>(column);
    return row >= 0 && at < flags_.size() && flags_[at] != 0;
}

namespace {
bool CellBefore(int rowA, int colA, int rowB, int colB) { return rowA != rowB ? rowA < rowB : colA < colB; }
} // namespace

int SuspectList::next(int row, int column) const {
    if (items_.empty()) return -1;
    const auto it = std::partition_point(items_.begin(), items_.end(), [&](const Suspect& s) {
        return !CellBefore(row, column, s.row, s.column);
    });
    return it == items_.end() ? 0 : static_cast<int>(it - items_.begin());
}

int SuspectList::previous(int row, int column) const {
    if (items_.empty()) return -1;
    const auto it = std::partition_point(items_.begin(), items_.end(), [&](const Suspect& s) {
        return CellBefore(s.row, s.column, row, column);
    });
    return it == items_.begin() ? static_cast<int>(items_.size()) - 1 : static_cast<int>(it - items_.begin()) - 1;
}

namespace {

using Column = std::vector<std::optional<double>>;

Column ReadColumn(const MonthTable& table, const std::vector<TimedRow>& rows, int col) {
    Column values;
    values.reserve(rows.size());
    for (const auto& r : rows) values.push_back(CellNumber(table, r.row, col));
    return values;
}

bool IsJump(const QuantityLimits& q, const Column& v, const std::vector<TimedRow>& rows, std::size_t i) {
    if (i == 0 || i >= v.size() || !v[i] || !v[i - 1]) return false;
    const int dt = rows[i].time.monthMinute() - rows[i - 1].time.monthMinute();
    const double allowed = q.jump * std::max(1.0, static_cast<double>(dt) / q.jumpMinutes);
    return std::fabs(*v[i] - *v[i - 1]) > allowed + 1e-9;
}

void CheckJumps(const QuantityLimits& q, const Column& v, const std::vector<TimedRow>& rows,
                std::vector<Suspect>& out) {
    std::vector<bool> spike(v.size(), false);
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (!IsJump(q, v, rows, i)) continue;
        // The way back from a spike is not a second fault.
        if (spike[i - 1]) continue;
        spike[i] = IsJump(q, v, rows, i + 1) && ((*v[i] - *v[i - 1]) * (*v[i + 1] - *v[i]) < 0);
        out.push_back({rows[i].row, q.column, SuspectRule::Jump});
    }
}

// A sensor is only known stuck while records show it: a run of one value
// ends at a stretch without records longer than this (the same value on both
// sides of a lost day proves nothing).
int LongestGapInARun(const std::vector<TimedRow>& rows) { return std::max(60, 2 * TypicalInterval(rows)); }

void CheckStuck(const QuantityLimits& q, const Column& v, const std::vector<TimedRow>& rows, int longestGap,
                std::vector<Suspect>& out) {
    std::size_t start = 0;
    for (std::size_t i = 1; i <= v.size(); ++i) {
        const bool same = i < v.size() && v[i] && v[start] && *v[i] == *v[start] &&
                          rows[i].time.monthMinute() - rows[i - 1].time.monthMinute() <= longestGap;
        if (same) continue;
        const bool atBound = v[start] && (*v[start] >= q.stuckFrom || *v[start] <= q.min);
        if (v[start] && !atBound && i - start > 1 &&
            rows[i - 1].time.monthMinute() - rows[start].time.monthMinute() >= q.stuckMinutes)
            for (std::size_t k = start; k < i; ++k) out.push_back({rows[k].row, q.column, SuspectRule::Stuck});
        start = i;
    }
}

void CheckQuantity(const QuantityLimits& q, const Column& v, const std::vector<TimedRow>& rows, int longestGap,
                   std::vector<Suspect>& out) {
    for (std::size_t i = 0; i < v.size(); ++i)
        if (v[i] && (*v[i] < q.min || *v[i] > q.max)) out.push_back({rows[i].row, q.column, SuspectRule::OutOfRange});
    if (q.jump > 0) CheckJumps(q, v, rows, out);
    if (q.stuckMinutes > 0) CheckStuck(q, v, rows, longestGap, out);
}

} // namespace

SuspectList FindSuspects(const MonthTable& table) {
    const std::vector<TimedRow> rows = TimedRows(table);
    std::vector<Suspect> found;
    const int longestGap = LongestGapInARun(rows);
    for (const auto& q : SuspectLimits())
        CheckQuantity(q, ReadColumn(table, rows, q.column), rows, longestGap, found);
    for (const auto& p : HighLowPairs())
        for (const auto& r : rows) {
            const auto hi = CellNumber(table, r.row, p.high), lo = CellNumber(table, r.row, p.low);
            if (hi && lo && *hi < *lo) found.push_back({r.row, p.high, SuspectRule::HighBelowLow});
        }
    for (const auto& r : rows) {
        const auto rain = CellNumber(table, r.row, 8), temp = CellNumber(table, r.row, 1);
        if (rain && temp && *rain > 0 && *temp < kFrostRainCelsius)
            found.push_back({r.row, 8, SuspectRule::RainInFrost});
    }
    return SuspectList(std::move(found), table.rowCount());
}

std::string DescribeSuspect(const Suspect& s, const MonthTable& table) {
    const std::string name(MonthColumns[s.column]);
    const std::string value = table.cell(s.row, s.column);
    switch (s.rule) {
        case SuspectRule::OutOfRange: {
            for (const auto& q : SuspectLimits())
                if (q.column == s.column)
                    return name + " " + value + " hors des limites physiques (" + FormatFixed(q.min, 6, 0) + " à " +
                           FormatFixed(q.max, 6, 0) + ")";
            return name + " " + value + " hors des limites physiques";
        }
        case SuspectRule::Jump: return name + " " + value + " : saut brutal depuis l'enregistrement précédent";
        case SuspectRule::Stuck: return name + " " + value + " : capteur bloqué sur la même valeur";
        case SuspectRule::HighBelowLow:
            for (const auto& p : HighLowPairs())
                if (p.high == s.column)
                    return name + " " + value + " sous " + std::string(MonthColumns[p.low]) + " " +
                           table.cell(s.row, p.low);
            break;
        case SuspectRule::RainInFrost:
            return "Pluie " + value + " mm par " + table.cell(s.row, 1) + " °C : pluie comptée en pleine gelée";
    }
    return name + " " + value;
}

} // namespace pluvelle
