// Opening and saving whole months, the two commands a station keeper waits
// for: the demo station's 31-day five-minute month (8928 records), the same
// month archived every minute (44,640 records), and a real one-minute month.
#include "core/conversions.h"
#include "core/month_load.h"
#include "core/month_reader.h"
#include "core/month_save.h"
#include "demo_station.h"
#include "month_fixture.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace pluvelle;
using pluvelle::testing::TempDir;

// January of the demo station: 31 full days at five minutes.
const std::string& FiveMinuteMonthBytes() {
    static const std::string bytes = demo::DemoMonthBytes(demo::BuildDemoStation().front());
    return bytes;
}

// The same weather archived every minute: each five-minute record repeated
// for the five minutes it covers, 1440 records a day.
const std::string& OneMinuteMonthBytes() {
    static const std::string bytes = [] {
        demo::DemoMonth january = demo::BuildDemoStation().front();
        MonthFile& m = january.file;
        for (int d = 1; d <= 31; ++d) {
            std::vector<ArchiveRecord> minutes;
            for (const ArchiveRecord& r : m.records[d])
                for (int k = 4; k >= 0; --k) {
                    ArchiveRecord copy = r;
                    copy.archiveInterval = 1;
                    copy.packedTime = static_cast<std::int16_t>(r.packedTime - k);
                    minutes.push_back(copy);
                }
            m.dayCount[d] = static_cast<std::int16_t>(minutes.size() + 2);
            m.records[d] = std::move(minutes);
        }
        RebuildDayIndex(m);
        return demo::DemoMonthBytes(january);
    }();
    return bytes;
}

std::string RealOneMinuteMonthPath() { return pluvelle::testing::RealDataFolder() + "/station-j/2012-02.wlk"; }

// A month file on disk for the length of a benchmark.
struct MonthOnDisk {
    TempDir dir;
    std::string path;
    explicit MonthOnDisk(const std::string& bytes) : path(dir.file("2026-01.wlk")) {
        pluvelle::testing::WriteFile(path, bytes);
    }
};

void ReportRecords(benchmark::State& state, const MonthSession& s) {
    state.counters["records"] = s.month.TotalArchiveRecords();
}

// Loading: parse the bytes, fill a fresh store and table (as opening does).
void LoadFromBytes(benchmark::State& state, const std::string& bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    int records = 0;
    for (auto _ : state) {
        MonthSession s;
        BuildMonth(ParseMonthImage(data, bytes.size(), "2026-01.wlk"), "/demo/2026-01.wlk", s.month, s.table);
        records = s.month.TotalArchiveRecords();
        benchmark::DoNotOptimize(s.table.cell(records, 46));
    }
    state.counters["records"] = records;
}

void LoadFromFile(benchmark::State& state, const std::string& path) {
    int records = 0;
    for (auto _ : state) {
        MonthSession s = ReadMonthSession(path);
        records = s.month.TotalArchiveRecords();
        benchmark::DoNotOptimize(s.table.cell(records, 46));
    }
    state.counters["records"] = records;
}

// Saving: every cell parsed back into its field, the file written atomically.
void SaveToFile(benchmark::State& state, const std::string& source) {
    MonthSession s = ReadMonthSession(source);
    TempDir out;
    const std::string target = out.file("saved.wlk");
    for (auto _ : state) SaveMonthToPath(s, target);
    ReportRecords(state, s);
}

// Saving without the disk: the table converted and the file's bytes built.
void ConvertAndSerialize(benchmark::State& state, const std::string& source) {
    MonthSession s = ReadMonthSession(source);
    for (auto _ : state) {
        const std::string bytes = SerializeMonth(s.month, ConvertTable(s));
        benchmark::DoNotOptimize(bytes.data());
    }
    ReportRecords(state, s);
}

void BM_LoadFiveMinuteMonthFromBytes(benchmark::State& state) { LoadFromBytes(state, FiveMinuteMonthBytes()); }
void BM_LoadFiveMinuteMonthFromFile(benchmark::State& state) {
    MonthOnDisk file(FiveMinuteMonthBytes());
    LoadFromFile(state, file.path);
}
void BM_SaveFiveMinuteMonth(benchmark::State& state) {
    MonthOnDisk file(FiveMinuteMonthBytes());
    SaveToFile(state, file.path);
}
void BM_ConvertAndSerializeFiveMinuteMonth(benchmark::State& state) {
    MonthOnDisk file(FiveMinuteMonthBytes());
    ConvertAndSerialize(state, file.path);
}

void BM_LoadOneMinuteMonthFromBytes(benchmark::State& state) { LoadFromBytes(state, OneMinuteMonthBytes()); }
void BM_LoadOneMinuteMonthFromFile(benchmark::State& state) {
    MonthOnDisk file(OneMinuteMonthBytes());
    LoadFromFile(state, file.path);
}
void BM_SaveOneMinuteMonth(benchmark::State& state) {
    MonthOnDisk file(OneMinuteMonthBytes());
    SaveToFile(state, file.path);
}

void BM_LoadRealOneMinuteMonth(benchmark::State& state) { LoadFromFile(state, RealOneMinuteMonthPath()); }
void BM_SaveRealOneMinuteMonth(benchmark::State& state) { SaveToFile(state, RealOneMinuteMonthPath()); }
void BM_ConvertAndSerializeRealOneMinuteMonth(benchmark::State& state) {
    ConvertAndSerialize(state, RealOneMinuteMonthPath());
}

// FormatFixed over the values a month shows: temperatures, pressures, speeds,
// rain, UV, whole numbers, halves and negatives.
void BM_FormatFixed(benchmark::State& state) {
    struct Call {
        double value;
        int precision, decimals;
    };
    std::vector<Call> calls;
    for (int i = 0; i < 1000; ++i) {
        const double t = (i * 7 % 900 - 300) / 10.0 * 5 / 9;
        calls.push_back({t, 4, 1});                                        // temperature
        calls.push_back({(29000 + i * 3) / 1000.0 * 25.4 * 1.33322, 5, 1}); // pressure
        calls.push_back({(i % 400) / 10.0 * 1.609, 4, 1});                  // wind
        calls.push_back({(i % 37) * 0.2, 4, 1});                            // rain
        calls.push_back({(i % 60) * 10 / 10.0, 4, 0});                      // humidity
        calls.push_back({(i % 9) * 25.4 / 1000, 4, 2});                     // evapotranspiration
        calls.push_back({i * 0.05 - 25.0, 4, 1});                          // halves
    }
    std::size_t n = 0;
    for (auto _ : state) {
        for (const Call& c : calls) {
            std::string text = FormatFixed(c.value, c.precision, c.decimals);
            benchmark::DoNotOptimize(text.data());
        }
        n += calls.size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(n));
}

constexpr auto kMs = benchmark::kMillisecond;

BENCHMARK(BM_LoadFiveMinuteMonthFromBytes)->Unit(kMs);
BENCHMARK(BM_LoadFiveMinuteMonthFromFile)->Unit(kMs);
BENCHMARK(BM_SaveFiveMinuteMonth)->Unit(kMs);
BENCHMARK(BM_ConvertAndSerializeFiveMinuteMonth)->Unit(kMs);
BENCHMARK(BM_LoadOneMinuteMonthFromBytes)->Unit(kMs);
BENCHMARK(BM_LoadOneMinuteMonthFromFile)->Unit(kMs);
BENCHMARK(BM_SaveOneMinuteMonth)->Unit(kMs);
BENCHMARK(BM_LoadRealOneMinuteMonth)->Unit(kMs);
BENCHMARK(BM_SaveRealOneMinuteMonth)->Unit(kMs);
BENCHMARK(BM_ConvertAndSerializeRealOneMinuteMonth)->Unit(kMs);
BENCHMARK(BM_FormatFixed)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
