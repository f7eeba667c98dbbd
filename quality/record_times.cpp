#include "record_times.h"

#include "core/conversions.h"

#include <charconv>

namespace pluvelle {

namespace {
std::optional<int> Digits(const std::string& s, std::size_t at, std::size_t count) {
    if (at + count > s.size()) return std::nullopt;
    int v = 0;
    const auto res = std::from_chars(s.data() + at, s.data() + at + count, v);
    if (res.ec != std::errc() || res.ptr != s.data() + at + count) return std::nullopt;
    return v;
}
} // namespace

std::optional<RowTime> ParseRowTime(const std::string& t) {
    const auto day = Digits(t, 0, 2), hour = Digits(t, 11, 2), minute = Digits(t, 14, 2);
    if (!day || !hour || !minute || *day < 1 || *day > 31 || *hour > 24 || *minute > 59) return std::nullopt;
    return RowTime{*day, *hour * 60 + *minute};
}

std::vector<TimedRow> TimedRows(const MonthTable& table) {
    std::vector<TimedRow> rows;
    for (int r = 1; r < table.rowCount(); ++r) {
        const std::string& when = table.cell(r, 0);
        if (when.empty()) break;
        if (const auto t = ParseRowTime(when)) rows.push_back({r, *t});
    }
    return rows;
}

std::optional<double> CellNumber(const MonthTable& table, int row, int col) {
    const std::string& text = table.cell(row, col);
    if (text.empty() || text == MissingText) return std::nullopt;
    const char c = text.find_first_not_of(' ') == std::string::npos ? ' ' : text[text.find_first_not_of(' ')];
    if (!(c == '-' || c == '+' || c == '.' || (c >= '0' && c <= '9'))) return std::nullopt;
    return ParseNumber(text);
}

} // namespace pluvelle
