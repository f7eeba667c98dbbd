#include "chart_series.h"

#include "record_times.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace pluvelle {

const std::array<ChartQuantityInfo, kChartQuantityCount>& ChartQuantities() {
    static const std::array<ChartQuantityInfo, kChartQuantityCount> quantities = {{
        {ChartQuantity::Temperature, 1, "Température", "°C"},
        {ChartQuantity::TemperatureHigh, 2, "T. max", "°C"},
        {ChartQuantity::TemperatureLow, 3, "T. min", "°C"},
        {ChartQuantity::Pressure, 5, "Pression", "hPa"},
        {ChartQuantity::Humidity, 6, "Humidité", "%"},
        {ChartQuantity::Wind, 10, "Vent moyen", "km/h"},
        {ChartQuantity::Gust, 11, "Rafale", "km/h"},
        {ChartQuantity::Rain, 8, "Pluie par intervalle", "mm"},
        {ChartQuantity::RainTotal, 8, "Pluie cumulée", "mm"},
        {ChartQuantity::Radiation, 15, "Rayonnement solaire", "W/m²"},
    }};
    return quantities;
}

const ChartQuantityInfo& InfoOf(ChartQuantity q) { return ChartQuantities()[static_cast<std::size_t>(q)]; }

bool MonthSeries::hasData(ChartQuantity q) const {
    const auto& v = of(q);
    return std::any_of(v.begin(), v.end(), [](double d) { return !std::isnan(d); });
}

namespace {

constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

int DigitsAt(const std::string& s, std::size_t at, std::size_t count) {
    int v = 0;
    if (at + count > s.size()) return 0;
    const auto res = std::from_chars(s.data() + at, s.data() + at + count, v);
    return res.ec == std::errc() && res.ptr == s.data() + at + count ? v : 0;
}

// Records by time; a table in file order is already, so this is a check.
std::vector<TimedRow> RowsByTime(const MonthTable& table) {
    std::vector<TimedRow> rows = TimedRows(table);
    const auto earlier = [](const TimedRow& a, const TimedRow& b) {
        return a.time.monthMinute() < b.time.monthMinute();
    };
    if (!std::is_sorted(rows.begin(), rows.end(), earlier)) std::stable_sort(rows.begin(), rows.end(), earlier);
    return rows;
}

void FillRainTotal(MonthSeries& s) {
    const auto& rain = s.of(ChartQuantity::Rain);
    auto& total = s.values[static_cast<int>(ChartQuantity::RainTotal)];
    total.resize(rain.size());
    double sum = 0;
    for (std::size_t i = 0; i < rain.size(); ++i) {
        if (!std::isnan(rain[i])) sum += rain[i];
        total[i] = std::isnan(rain[i]) ? kNoNumber : sum;
    }
}

} // namespace

MonthSeries BuildMonthSeries(const MonthTable& table) {
    MonthSeries s;
    const std::vector<TimedRow> rows = RowsByTime(table);
    if (rows.empty()) return s;
    const std::string& first = table.cell(rows.front().row, 0);
    s.month = DigitsAt(first, 3, 2);
    s.year = DigitsAt(first, 6, 4);
    s.rows.reserve(rows.size());
    s.minutes.reserve(rows.size());
    for (const auto& r : rows) {
        s.rows.push_back(r.row);
        s.minutes.push_back(r.time.monthMinute());
    }
    for (const auto& q : ChartQuantities()) {
        if (q.quantity == ChartQuantity::RainTotal) continue;
        auto& v = s.values[static_cast<int>(q.quantity)];
        v.reserve(rows.size());
        for (const auto& r : rows) v.push_back(CellNumber(table, r.row, q.column).value_or(kNoNumber));
    }
    FillRainTotal(s);
    s.indexByRow.assign(static_cast<std::size_t>(*std::max_element(s.rows.begin(), s.rows.end())) + 1, -1);
    for (std::size_t i = 0; i < s.rows.size(); ++i)
        s.indexByRow[static_cast<std::size_t>(s.rows[i])] = static_cast<int>(i);
    return s;
}

namespace {

// The first, lowest, highest and last point of one bucket.
struct Bucket {
    int first = -1, last = -1, low = -1, high = -1;
    void take(int i, std::span<const double> y) {
        if (first < 0) first = low = high = i;
        last = i;
        if (y[i] < y[low]) low = i;
        if (y[i] > y[high]) high = i;
    }
    void flush(std::vector<int>& out) {
        if (first < 0) return;
        int kept[] = {first, low, high, last};
        std::sort(std::begin(kept), std::end(kept));
        for (int k : kept)
            if (out.empty() || out.back() != k) out.push_back(k);
        *this = Bucket{};
    }
};

} // namespace

std::vector<int> ThinForDrawing(std::span<const double> x, std::span<const double> y, double from, double to,
                                int buckets) {
    std::vector<int> out;
    const std::size_t n = std::min(x.size(), y.size());
    if (n == 0 || !(to > from)) return out;
    buckets = std::max(buckets, 1);
    const auto begin = x.begin(), end = x.begin() + static_cast<std::ptrdiff_t>(n);
    const int lo = static_cast<int>(std::lower_bound(begin, end, from) - begin);
    const int hi = static_cast<int>(std::upper_bound(begin, end, to) - begin);
    for (int i = lo - 1; i >= 0; --i)
        if (!std::isnan(y[i])) {
            out.push_back(i);
            break;
        }
    if (hi - lo <= 4 * buckets) {
        for (int i = lo; i < hi; ++i)
            if (!std::isnan(y[i])) out.push_back(i);
    } else {
        Bucket bucket;
        int current = -1;
        const double perUnit = buckets / (to - from);
        for (int i = lo; i < hi; ++i) {
            if (std::isnan(y[i])) continue;
            const int b = std::min(buckets - 1, static_cast<int>((x[i] - from) * perUnit));
            if (b != current) bucket.flush(out), current = b;
            bucket.take(i, y);
        }
        bucket.flush(out);
    }
    for (int i = hi; i < static_cast<int>(n); ++i)
        if (!std::isnan(y[i])) {
            out.push_back(i);
            break;
        }
    return out;
}

} // namespace pluvelle
