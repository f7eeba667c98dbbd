// The "Graphiques" window on a one-minute month (31 days, 44,640 records):
// building the series from the table, thinning them for drawing, the
// suspect search over every record, opening the window to its first drawn
// frame, and the work one edit costs. "weather" is a month whose values
// move (its pressure, smoother than any real one, lingers for hours at each
// turn and gives a few thousand frozen-sensor suspects); "frozen" repeats one
// record all month, the worst case for the suspects (every value of three
// sensors is stuck).
#include "core/month_load.h"
#include "month_fixture.h"
#include "quality/chart_series.h"
#include "quality/suspect_values.h"
#include "scripted_dialogs.h"
#include "ui/window/chart_panel.h"
#include "ui/window/main_window.h"
#include "ui/window/month_charts.h"
#include "ui/window/month_table_model.h"
#include "ui/window/suspect_marks.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

using namespace pluvelle;
using pluvelle::testing::FixtureDay;
using pluvelle::testing::TempDir;

enum Month { Weather, Frozen };

// A month every minute; "weather" follows a daily swing with some noise.
std::string WriteMonth(const TempDir& dir, Month kind) {
    std::vector<FixtureDay> days;
    for (int d = 1; d <= 31; ++d) {
        FixtureDay day{d, pluvelle::testing::RecordsEvery(1, 1, 1440)};
        if (kind == Weather)
            for (auto& r : day.records) {
                const double minute = (d - 1) * 1440 + r.packedTime;
                const double swing = std::sin(minute / 1440 * 2 * M_PI) + 0.05 * std::sin(minute * 0.7);
                r.outsideTemp = static_cast<std::int16_t>(550 + 150 * swing);
                r.hiOutsideTemp = static_cast<std::int16_t>(r.outsideTemp + 1);
                r.lowOutsideTemp = static_cast<std::int16_t>(r.outsideTemp - 1);
                r.barometer = static_cast<std::int16_t>(29900 + 300 * std::sin(minute / 5000) + (r.packedTime % 3));
                r.outsideHum = static_cast<std::int16_t>(70 - 20 * swing);
                r.windSpeed = static_cast<std::uint8_t>(5 + 4 * (1 + swing));
                r.hiWindSpeed = static_cast<std::uint8_t>(r.windSpeed + 6);
                r.solarRad = static_cast<std::int16_t>(std::max(0.0, 800 * swing));
                r.hiSolarRad = static_cast<std::int16_t>(r.solarRad + 20);
            }
        days.push_back(day);
    }
    const std::string path = dir.file(kind == Weather ? "2013-01.wlk" : "2013-03.wlk");
    pluvelle::testing::WriteFile(path, pluvelle::testing::MonthBytes(days));
    return path;
}

const MonthSession& LoadedMonth(Month kind) {
    static TempDir dir;
    static MonthSession months[2] = {ReadMonthSession(WriteMonth(dir, Weather)),
                                     ReadMonthSession(WriteMonth(dir, Frozen))};
    return months[kind];
}

void BM_BuildMonthSeries(benchmark::State& state) {
    const MonthTable& table = LoadedMonth(Weather).table;
    for (auto _ : state) benchmark::DoNotOptimize(BuildMonthSeries(table));
    state.counters["records"] = static_cast<double>(BuildMonthSeries(table).size());
}
BENCHMARK(BM_BuildMonthSeries)->Unit(benchmark::kMillisecond);

// Every line of the month thinned to a 1200-pixel-wide chart.
void BM_ThinAllLines(benchmark::State& state) {
    const MonthSeries s = BuildMonthSeries(LoadedMonth(Weather).table);
    std::vector<double> x(s.minutes.begin(), s.minutes.end());
    std::size_t points = 0;
    for (auto _ : state) {
        points = 0;
        for (const auto& line : s.values) points += ThinForDrawing(x, line, x.front(), x.back(), 1200).size();
    }
    state.counters["points_drawn"] = static_cast<double>(points);
}
BENCHMARK(BM_ThinAllLines)->Unit(benchmark::kMicrosecond);

void BM_FindSuspects(benchmark::State& state) {
    const MonthTable& table = LoadedMonth(static_cast<Month>(state.range(0))).table;
    std::size_t found = 0;
    for (auto _ : state) found = FindSuspects(table).items().size();
    state.counters["suspects"] = static_cast<double>(found);
}
BENCHMARK(BM_FindSuspects)->ArgName("frozen")->Arg(Weather)->Arg(Frozen)->Unit(benchmark::kMillisecond);

struct OpenWindow {
    pluvelle::testing::ScriptedDialogs dialogs;
    ui::TForm1 form{&dialogs};
    explicit OpenWindow(const std::string& path) {
        form.show();
        dialogs.fileName(path);
        form.OuvrirWLKClick();
        QApplication::processEvents();
        form.charts().suspects().refresh();
    }
};

// From the click on "Graphiques" to every band drawn, the month loaded before.
void BM_OpenChartsToFirstFrame(benchmark::State& state) {
    TempDir dir;
    const std::string path = WriteMonth(dir, static_cast<Month>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<OpenWindow>(path);
        state.ResumeTiming();
        window->form.GraphiquesClick();
        ui::ChartPanel* panel = window->form.charts().panel();
        panel->refresh();
        panel->repaint();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenChartsToFirstFrame)->ArgName("frozen")->Arg(Weather)->Arg(Frozen)->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One typed value: the suspects found again, the series rebuilt and drawn.
void BM_FollowOneEdit(benchmark::State& state) {
    TempDir dir;
    OpenWindow window(WriteMonth(dir, Weather));
    window.form.GraphiquesClick();
    ui::ChartPanel* panel = window.form.charts().panel();
    panel->refresh();
    ui::MonthTableModel& model = window.form.tableModel();
    int n = 0;
    for (auto _ : state) {
        model.setData(model.index(20000, 1), ++n % 2 ? "35.0" : "5.0");
        window.form.charts().suspects().refresh();
        panel->refresh();
        panel->repaint();
    }
}
BENCHMARK(BM_FollowOneEdit)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
