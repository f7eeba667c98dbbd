#include "quality/chart_series.h"

#include "core/conversions.h"
#include "core/record_text.h"
#include "month_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace pluvelle {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

MonthTable Rows(std::initializer_list<std::pair<const char*, const char*>> dateAndTemperature) {
    MonthTable t;
    t.writeTitles();
    int row = 1;
    for (const auto& [date, temp] : dateAndTemperature) {
        t.setCell(row, 0, date);
        t.setCell(row, 1, temp);
        t.setCell(row, 8, "0.2");
        ++row;
    }
    return t;
}

TEST(ChartSeries, ReadsTimesValuesAndTheMonthFromTheTable) {
    MonthTable t = Rows({{"03/07/2014 23:55", "12.5"}, {"03/07/2014 24:00", "- -"}, {"04/07/2014 00:05", "11.0"}});
    t.setCell(2, 8, "- -");
    const MonthSeries s = BuildMonthSeries(t);
    EXPECT_EQ(s.year, 2014);
    EXPECT_EQ(s.month, 7);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s.minutes, (std::vector<int>{2 * 1440 + 1435, 3 * 1440, 3 * 1440 + 5}));
    EXPECT_EQ(s.of(ChartQuantity::Temperature)[0], 12.5);
    EXPECT_TRUE(std::isnan(s.of(ChartQuantity::Temperature)[1]));  // "- -" is no number
    EXPECT_TRUE(std::isnan(s.of(ChartQuantity::Pressure)[0]));     // nor an empty cell
    // The accumulated rain steps over a missing interval.
    const auto& total = s.of(ChartQuantity::RainTotal);
    EXPECT_NEAR(total[0], 0.2, 1e-9);
    EXPECT_TRUE(std::isnan(total[1]));
    EXPECT_NEAR(total[2], 0.4, 1e-9);
    EXPECT_EQ(s.indexOfRow(3), 2);
    EXPECT_EQ(s.indexOfRow(0), -1);
    EXPECT_EQ(s.indexOfRow(500), -1);
    EXPECT_TRUE(s.hasData(ChartQuantity::Temperature));
    EXPECT_FALSE(s.hasData(ChartQuantity::Radiation));
}

TEST(ChartSeries, RecordsOutOfOrderAreDrawnByTime) {
    const MonthSeries s = BuildMonthSeries(Rows({{"05/07/2014 10:00", "1"}, {"05/07/2014 09:00", "2"}}));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s.rows, (std::vector<int>{2, 1}));
    EXPECT_EQ(s.indexOfRow(2), 0);
    EXPECT_EQ(s.of(ChartQuantity::Temperature)[0], 2);
}

TEST(ChartSeries, AnEmptyTableHasNoRecord) {
    MonthTable t;
    t.writeTitles();
    const MonthSeries s = BuildMonthSeries(t);
    EXPECT_EQ(s.size(), 0u);
    EXPECT_EQ(s.year, 0);
    EXPECT_EQ(s.indexOfRow(1), -1);
}

TEST(ChartSeries, EachQuantityReadsItsColumn) {
    MonthTable t;
    t.writeTitles();
    FormatRecordRow(testing::SampleRecord(600), "03/07/2014", t, 1);
    const MonthSeries s = BuildMonthSeries(t);
    for (const auto& q : ChartQuantities()) {
        if (q.quantity == ChartQuantity::RainTotal) continue;
        EXPECT_DOUBLE_EQ(s.of(q.quantity)[0], ParseNumber(t.cell(1, q.column))) << q.label;
    }
}

// Thinning: the drawn line keeps every extreme, stays in time order and
// reaches the window's edges.
TEST(ThinForDrawing, KeepsTheExtremesOfEveryBucket) {
    std::vector<double> x(44640), y(44640);
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = static_cast<double>(i), y[i] = std::sin(i * 0.01);
    y[12345] = 50;   // a spike
    y[30000] = -50;  // a drop
    y[20000] = kNaN;
    const auto kept = ThinForDrawing(x, y, 0, 44639, 1000);
    EXPECT_LE(kept.size(), 4000u);
    EXPECT_GT(kept.size(), 1000u);
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
    EXPECT_EQ(std::adjacent_find(kept.begin(), kept.end()), kept.end());
    EXPECT_NE(std::find(kept.begin(), kept.end(), 12345), kept.end());
    EXPECT_NE(std::find(kept.begin(), kept.end(), 30000), kept.end());
    EXPECT_EQ(std::find(kept.begin(), kept.end(), 20000), kept.end());
    EXPECT_EQ(kept.front(), 0);
    EXPECT_EQ(kept.back(), 44639);
}

TEST(ThinForDrawing, AWindowKeepsItsPointsAndOneNeighbourEachSide) {
    const std::vector<double> x = {0, 10, 20, 30, 40, 50, 60};
    const std::vector<double> y = {1, kNaN, 3, 4, 5, kNaN, 7};
    struct Case {
        double from, to;
        std::vector<int> kept;
    } const cases[] = {
        {15, 45, {0, 2, 3, 4, 6}},  // neighbours skip the missing values
        {-100, 100, {0, 2, 3, 4, 6}},
        {21, 29, {2, 3}},  // no point inside: the two around it
        {70, 80, {6}},
        {30, 30, {}},  // an empty window
    };
    for (const auto& c : cases) EXPECT_EQ(ThinForDrawing(x, y, c.from, c.to, 100), c.kept) << c.from << "-" << c.to;
    EXPECT_TRUE(ThinForDrawing({}, {}, 0, 1, 10).empty());
}

} // namespace
} // namespace pluvelle
