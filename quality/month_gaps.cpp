#include "month_gaps.h"

#include <map>
#include <set>

namespace pluvelle {

namespace {

RowTime FromMonthMinute(int m) {
    const int day = (m - 1) / 1440 + 1;
    return RowTime{day, m - (day - 1) * 1440};
}

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

std::string Stamp(const RowTime& t, const std::string& monthText) {
    return TwoDigits(t.day) + "/" + monthText + " " + TwoDigits(t.minuteOfDay / 60) + ":" + TwoDigits(t.minuteOfDay % 60);
}

} // namespace

int TypicalInterval(const std::vector<TimedRow>& rows) {
    std::map<int, int> counts;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const int dt = rows[i].time.monthMinute() - rows[i - 1].time.monthMinute();
        if (dt > 0 && dt <= 120) ++counts[dt];
    }
    int best = 5, bestCount = 0;
    for (const auto& [dt, n] : counts)
        if (n > bestCount) best = dt, bestCount = n;
    return best;
}

std::vector<MonthGap> FindGaps(const MonthTable& table, int daysInMonth) {
    const std::vector<TimedRow> rows = TimedRows(table);
    const int interval = TypicalInterval(rows);
    std::set<int> daysWithData;
    for (const auto& r : rows) daysWithData.insert(r.time.day);
    std::vector<MonthGap> gaps;
    auto add = [&](int fromMinute, int toMinute, int rowBefore) {  // exclusive bounds, month minutes
        const int first = fromMinute + interval;
        if (first >= toMinute) return;
        const int count = (toMinute - 1 - first) / interval + 1;
        MonthGap g{FromMonthMinute(first), FromMonthMinute(first + (count - 1) * interval), interval, count, rowBefore,
                   false};
        for (int d = g.first.day; d <= g.last.day; ++d) g.touchesEmptyDay |= daysWithData.count(d) == 0;
        gaps.push_back(g);
    };
    int previous = 0, rowBefore = 0;
    for (const auto& r : rows) {
        add(previous, r.time.monthMinute(), rowBefore);
        previous = std::max(previous, r.time.monthMinute());
        rowBefore = r.row;
    }
    add(previous, daysInMonth * 1440 + interval, rowBefore);
    return gaps;
}

std::vector<RowTime> MissingTimes(const MonthGap& gap) {
    std::vector<RowTime> times;
    const int first = gap.first.monthMinute();
    for (int k = 0; k < gap.missingRecords; ++k) times.push_back(FromMonthMinute(first + k * gap.interval));
    return times;
}

std::string DescribeGap(const MonthGap& gap, const std::string& monthText) {
    const std::string what = gap.missingRecords == 1 ? " : 1 enregistrement manquant"
                                                     : " : " + std::to_string(gap.missingRecords) +
                                                           " enregistrements manquants";
    const std::string days = gap.touchesEmptyDay ? " (jours sans données)" : "";
    if (gap.missingRecords == 1) return "Le " + Stamp(gap.first, monthText) + what + days;
    return "Du " + Stamp(gap.first, monthText) + " au " + Stamp(gap.last, monthText) + what + days;
}

int DaysInMonth(const std::string& monthText, const std::string& yearText) {
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 0, year = 0;
    try {
        month = std::stoi(monthText);
        year = std::stoi(yearText);
    } catch (...) {
        return 31;
    }
    if (month < 1 || month > 12) return 31;
    return month == 2 && year % 4 == 0 ? 29 : lengths[month - 1];
}

} // namespace pluvelle
