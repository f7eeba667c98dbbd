// Both climatological exports of a full 5-minute month (31 days x 288 = 8928
// records), from the save dialog to the closed CSV, and the WMO windows alone.
#include "exports/daily_summaries.h"
#include "exports/wmo_daily.h"
#include "support/month_fixture.h"
#include "support/scripted_dialogs.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace pluvelle;
using namespace pluvelle::testing;

// A month with a daily temperature wave, some rain and gusts, so the extremes move.
std::vector<FixtureDay> FullMonth(int days) {
    std::vector<FixtureDay> month;
    for (int d = 1; d <= days; ++d) {
        FixtureDay day{d, RecordsEvery(5, 5, 1440), {}, {}};
        for (ArchiveRecord& r : day.records) {
            const double wave = std::sin((r.packedTime - 540) * 3.14159265 / 720);
            r.hiOutsideTemp = static_cast<std::int16_t>(600 + 120 * wave + d);
            r.lowOutsideTemp = static_cast<std::int16_t>(r.hiOutsideTemp - 5);
            r.rain = static_cast<std::uint16_t>(0x2000 | (r.packedTime % 97 == 0 ? 2 : 0));
            r.hiWindSpeed = static_cast<std::int16_t>(50 + (r.packedTime * 7 + d * 13) % 150);
        }
        month.push_back(day);
    }
    return month;
}

struct Folder {
    TempDir dir;
    MonthFile month;
    Folder() {
        WriteFile(dir.file("2014-06.wlk"), MonthBytes(FullMonth(30)));
        WriteFile(dir.file("2014-07.wlk"), MonthBytes(FullMonth(31)));
        WriteFile(dir.file("2014-08.wlk"), MonthBytes(FullMonth(31)));
        SetCurrentPath(month, dir.file("2014-07.wlk"));
    }
};

void BM_DailySummariesExport(benchmark::State& state) {
    Folder f;
    for (auto _ : state) {
        ScriptedDialogs dialogs;
        dialogs.fileName(f.dir.file("resume.csv"));
        benchmark::DoNotOptimize(ExportDailySummariesFlow(f.month, dialogs));
    }
}
BENCHMARK(BM_DailySummariesExport)->Unit(benchmark::kMillisecond);

void BM_WmoDailyExport(benchmark::State& state) {
    Folder f;
    for (auto _ : state) {
        ScriptedDialogs dialogs;
        dialogs.timeBase(Answer::Yes).fileName(f.dir.file("omm.csv"));
        benchmark::DoNotOptimize(ExportWmoDailyFlow(f.month, dialogs));
    }
}
BENCHMARK(BM_WmoDailyExport)->Unit(benchmark::kMillisecond);

// The windows over three months already in memory.
void BM_WmoDailyWindows(benchmark::State& state) {
    Folder f;
    const MonthImage previous = ReadMonthImage(f.dir.file("2014-06.wlk"));
    const MonthImage open = ReadMonthImage(f.dir.file("2014-07.wlk"));
    const MonthImage next = ReadMonthImage(f.dir.file("2014-08.wlk"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeWmoDays(open, {7, 2014}, {&previous, {6, 2014}}, {&next, {8, 2014}},
                                                TimeBase::Legal));
}
BENCHMARK(BM_WmoDailyWindows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
