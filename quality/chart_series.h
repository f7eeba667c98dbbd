#pragma once
// The month's quantities as time series for the charts, read from the
// table's texts, and the thinning that keeps a 44,640-record month quick to
// draw. Only the drawing is thinned: the checker always reads every record.
#include "core/month_table.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace pluvelle {

enum class ChartQuantity {
    Temperature,
    TemperatureHigh,
    TemperatureLow,
    Pressure,
    Humidity,
    Wind,
    Gust,
    Rain,
    RainTotal,
    Radiation,
};
inline constexpr int kChartQuantityCount = 10;

struct ChartQuantityInfo {
    ChartQuantity quantity;
    int column;              // the table column read (the accumulated rain sums column 8)
    std::string_view label;  // UTF-8, as the series' check box shows it
    std::string_view unit;
};
// In the order of ChartQuantity.
const std::array<ChartQuantityInfo, kChartQuantityCount>& ChartQuantities();
const ChartQuantityInfo& InfoOf(ChartQuantity q);

// Every record of the month, by time.
struct MonthSeries {
    int year = 0;   // of the first record's date; 0 when the table has no record
    int month = 0;
    std::vector<int> rows;     // table row of each record
    std::vector<int> minutes;  // minutes since the month's start (24:00 closes a day)
    // Per quantity, one value per record; NaN where the table shows no number.
    std::array<std::vector<double>, kChartQuantityCount> values;
    std::vector<int> indexByRow;  // record index of a table row, -1 for none

    std::size_t size() const { return rows.size(); }
    const std::vector<double>& of(ChartQuantity q) const { return values[static_cast<int>(q)]; }
    int indexOfRow(int row) const {
        return row >= 0 && row < static_cast<int>(indexByRow.size()) ? indexByRow[row] : -1;
    }
    // Whether any record has a number for `q`.
    bool hasData(ChartQuantity q) const;
};

MonthSeries BuildMonthSeries(const MonthTable& table);

// Indices of the points worth drawing of the line (x, y), x ascending, for a
// window [from, to] `buckets` pixels wide: per bucket the first, lowest,
// highest and last point, so the drawn line looks as the full one would; all
// points when they are fewer. The nearest point outside each end is kept too
// so the line runs to the window's edges. NaN values are left out.
std::vector<int> ThinForDrawing(std::span<const double> x, std::span<const double> y, double from, double to,
                                int buckets);

} // namespace pluvelle
