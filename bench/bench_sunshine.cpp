// The sunshine export of a 31-day five-minute month (8928 records, one
// threshold computation per record with radiation) and the station extremes
// over a folder of ten years of such months.
#include "core/dialogs.h"
#include "core/month_load.h"
#include "demo_station.h"
#include "exports/solar_geometry.h"
#include "exports/station_extremes.h"
#include "exports/sunshine.h"
#include "month_fixture.h"
#include "scripted_dialogs.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace pluvelle;
using pluvelle::testing::ScriptedDialogs;
using pluvelle::testing::TempDir;

void BM_SunshineThreshold(benchmark::State& state) {
    std::uint16_t minute = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunshineThreshold(12, minute, 21, 6, 2015, 45.5, -5.25));
        minute = static_cast<std::uint16_t>((minute + 1) % 60);
    }
}
BENCHMARK(BM_SunshineThreshold);

void BM_SunshineExportMonth(benchmark::State& state) {
    TempDir dir;
    const auto paths = demo::WriteDemoStation(dir.path().string());
    const MonthSession january = ReadMonthSession(paths.front());
    state.counters["records"] = january.month.TotalArchiveRecords();
    for (auto _ : state) {
        ScriptedDialogs dialogs;
        dialogs.timeBase(Answer::Yes).fileName(dir.file("sunshine.csv"));
        SunshineRequest request{{"45.5", "-5.25", "50"}, std::nullopt, {}};
        if (SunshineExportFlow(january.month, dialogs, request) != CommandResult::Done)
            state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_SunshineExportMonth)->Unit(benchmark::kMillisecond);

void BM_StationExtremesTenYears(benchmark::State& state) {
    TempDir dir;
    const auto months = demo::BuildDemoStation();
    for (int i = 0; i < 120; ++i) {
        const std::string name = std::to_string(2016 + i / 12) + "-" + (i % 12 < 9 ? "0" : "") +
                                 std::to_string(i % 12 + 1) + ".wlk";
        testing::WriteFile(dir.file(name), demo::DemoMonthBytes(months[static_cast<std::size_t>(i) % months.size()]));
    }
    for (auto _ : state) {
        ScriptedDialogs dialogs;
        if (StationExtremesFlow(dir.path().string(), dialogs) != CommandResult::Done)
            state.SkipWithError("extremes failed");
    }
}
BENCHMARK(BM_StationExtremesTenYears)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
