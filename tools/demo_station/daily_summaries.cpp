#include "daily_summaries.h"

#include "comfort_indices.h"
#include "core/conversions.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace pluvelle::demo {

namespace {

constexpr int kNoData = -32768;
constexpr double kJoulesPerLangley = 41840.0;
constexpr double kJoulesPerMed = 210.0;       // minimal erythemal dose
constexpr double kUvIndexWm2 = 0.025;         // erythemal W/m² of one UV index unit
constexpr double kSunshineWm2 = 120.0;        // sunlight counts from this radiation on
constexpr double kDegreeDayBaseF = 65.0;

std::int16_t Word(double v) { return static_cast<std::int16_t>(std::clamp<long>(std::lround(v), -32767, 32767)); }

// Highest and lowest value of a quantity over the day, with the time each was
// first reached and the record it came from, and the running mean.
struct Extremes {
    int hi = kNoData, low = kNoData;
    int hiTime = kUnusedTime, lowTime = kUnusedTime;
    std::size_t hiIndex = 0, lowIndex = 0;
    double sum = 0;
    int count = 0;

    void Add(int value, int time, std::size_t index) {
        if (count == 0 || value > hi) hi = value, hiTime = time, hiIndex = index;
        if (count == 0 || value < low) low = value, lowTime = time, lowIndex = index;
        sum += value;
        ++count;
    }
    std::int16_t Hi() const { return static_cast<std::int16_t>(hi); }
    std::int16_t Low() const { return static_cast<std::int16_t>(low); }
    std::int16_t Mean() const { return count > 0 ? Word(sum / count) : static_cast<std::int16_t>(kNoData); }
};

// `value` gives a record's value, or nothing when the record lacks it.
template <typename Value>
Extremes Scan(const std::vector<ArchiveRecord>& records, Value value) {
    Extremes e;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (const std::optional<int> v = value(records[i])) e.Add(*v, records[i].packedTime, i);
    return e;
}

std::optional<int> Present(std::int16_t v) { return v == kNoData ? std::nullopt : std::optional<int>(v); }

double TempF(const ArchiveRecord& r) { return r.outsideTemp / 10.0; }
double HumPct(const ArchiveRecord& r) { return r.outsideHum / 10.0; }
double WindMph(const ArchiveRecord& r) { return r.windSpeed / 10.0; }

// A derived temperature in tenths of °F, for records that have what it needs.
template <typename Index>
Extremes ScanIndex(const std::vector<ArchiveRecord>& records, Index index) {
    return Scan(records, [&](const ArchiveRecord& r) -> std::optional<int> {
        if (r.outsideTemp == kNoData || r.outsideHum == kNoData) return std::nullopt;
        return static_cast<int>(std::lround(index(r) * 10.0));
    });
}

int Minutes(const ArchiveRecord& r) { return r.archiveInterval; }

} // namespace

DailySummary1 SummarizeDayOne(const std::vector<ArchiveRecord>& records) {
    DailySummary1 s;
    s.timeValues1.fill(kUnusedTime);
    int span = 0;
    double windRun = 0, rainMm = 0, uvDose = 0;
    for (const ArchiveRecord& r : records) {
        span += Minutes(r);
        windRun += r.windSpeed * Minutes(r) / 60.0;
        rainMm += RainClicks(r.rain) * RainMmPerClick(r.rain);
        if (r.uv <= 250) uvDose += r.uv / 10.0 * kUvIndexWm2 * Minutes(r) * 60.0 / kJoulesPerMed;
    }
    s.dataSpan = static_cast<std::int16_t>(span);

    const Extremes outHi = Scan(records, [](const ArchiveRecord& r) { return Present(r.hiOutsideTemp); });
    const Extremes outLow = Scan(records, [](const ArchiveRecord& r) { return Present(r.lowOutsideTemp); });
    const Extremes out = Scan(records, [](const ArchiveRecord& r) { return Present(r.outsideTemp); });
    const Extremes in = Scan(records, [](const ArchiveRecord& r) { return Present(r.insideTemp); });
    s.hiOutTemp = outHi.Hi();
    s.lowOutTemp = outLow.Low();
    s.avgOutTemp = out.Mean();
    s.hiInTemp = in.Hi();
    s.lowInTemp = in.Low();
    s.avgInTemp = in.Mean();
    s.timeValues1[kHiOutTempTime] = outHi.hiTime;
    s.timeValues1[kLowOutTempTime] = outLow.lowTime;
    s.timeValues1[kHiInTempTime] = in.hiTime;
    s.timeValues1[kLowInTempTime] = in.lowTime;

    const Extremes chill = ScanIndex(records, [](const ArchiveRecord& r) { return WindChillF(TempF(r), WindMph(r)); });
    const Extremes dew = ScanIndex(records, [](const ArchiveRecord& r) { return DewPointF(TempF(r), HumPct(r)); });
    s.hiChill = chill.Hi();
    s.lowChill = chill.Low();
    s.avgChill = chill.Mean();
    s.hiDew = dew.Hi();
    s.lowDew = dew.Low();
    s.avgDew = dew.Mean();
    s.timeValues1[kLowChillTime] = chill.lowTime;
    s.timeValues1[kHiChillTime] = chill.hiTime;
    s.timeValues1[kLowDewTime] = dew.lowTime;
    s.timeValues1[kHiDewTime] = dew.hiTime;

    const Extremes outHum = Scan(records, [](const ArchiveRecord& r) { return Present(r.outsideHum); });
    const Extremes inHum = Scan(records, [](const ArchiveRecord& r) { return Present(r.insideHum); });
    s.hiOutHum = outHum.Hi();
    s.lowOutHum = outHum.Low();
    s.avgOutHum = outHum.Mean();
    s.hiInHum = inHum.Hi();
    s.lowInHum = inHum.Low();
    s.timeValues1[kHiOutHumTime] = outHum.hiTime;
    s.timeValues1[kLowOutHumTime] = outHum.lowTime;
    s.timeValues1[kHiInHumTime] = inHum.hiTime;
    s.timeValues1[kLowInHumTime] = inHum.lowTime;

    const Extremes bar = Scan(records, [](const ArchiveRecord& r) {
        return r.barometer == 0 ? std::nullopt : std::optional<int>(r.barometer);
    });
    s.hiBar = bar.Hi();
    s.lowBar = bar.Low();
    s.avgBar = bar.Mean();
    s.timeValues1[kHiBarTime] = bar.hiTime;
    s.timeValues1[kLowBarTime] = bar.lowTime;

    const Extremes gust = Scan(records, [](const ArchiveRecord& r) { return std::optional<int>(r.hiWindSpeed); });
    const Extremes speed = Scan(records, [](const ArchiveRecord& r) { return std::optional<int>(r.windSpeed); });
    s.hiSpeed = gust.Hi();
    s.dirHiSpeed = records.empty() ? 255 : records[gust.hiIndex].hiWindDirection;
    s.avgSpeed = speed.Mean();
    s.dailyWindRun = Word(windRun);  // tenths of mph over hours: tenths of mile
    s.timeValues1[kHiSpeedTime] = gust.hiTime;

    // Highest mean over two consecutive five-minute records.
    Extremes tenMinutes;
    for (std::size_t i = 1; i < records.size(); ++i)
        tenMinutes.Add((records[i - 1].windSpeed + records[i].windSpeed) / 2, records[i].packedTime, i);
    s.hi10MinSpeed = tenMinutes.count > 0 ? tenMinutes.Hi() : static_cast<std::int16_t>(kNoData);
    s.hi10MinDir = tenMinutes.count > 0 ? records[tenMinutes.hiIndex].windDirection : 255;
    s.timeValues1[kHi10MinSpeedTime] = tenMinutes.hiTime;

    s.dailyRainTotal = Word(rainMm / 25.4 * 1000.0);
    // The day's rate is kept in hundredths of inch per hour.
    const Extremes rate = Scan(records, [](const ArchiveRecord& r) {
        return std::optional<int>(static_cast<int>(std::lround(r.hiRainRate * RainMmPerClick(r.rain) / 0.254)));
    });
    s.dailyHiRainRate = rate.Hi();
    s.timeValues1[kHiRainRateTime] = rate.hiTime;

    const Extremes uv = Scan(records, [](const ArchiveRecord& r) {
        return r.hiUv > 250 ? std::nullopt : std::optional<int>(r.hiUv);
    });
    s.dailyUvDose = Word(uvDose * 10.0);
    s.dailyHiUv = uv.count > 0 ? static_cast<std::uint8_t>(uv.hi) : 255;
    s.timeValues1[kHiUvTime] = uv.hiTime;
    return s;
}

DailySummary2 SummarizeDayTwo(const std::vector<ArchiveRecord>& records) {
    DailySummary2 s;
    s.timeValues2.fill(kUnusedTime);
    int windPackets = 0, sunMinutes = 0, et = 0;
    double solarJoules = 0, heatingDays = 0, coolingDays = 0;
    for (const ArchiveRecord& r : records) {
        windPackets += r.numWindSamples;
        if (r.solarRad >= 0) solarJoules += r.solarRad * Minutes(r) * 60.0;
        if (r.solarRad >= kSunshineWm2) sunMinutes += Minutes(r);
        et += r.et;
        if (r.outsideTemp != kNoData) {
            heatingDays += std::max(0.0, kDegreeDayBaseF - TempF(r)) * Minutes(r) / 1440.0;
            coolingDays += std::max(0.0, TempF(r) - kDegreeDayBaseF) * Minutes(r) / 1440.0;
        }
        if (r.windDirection < 16) s.dirBins[r.windDirection] = std::min(4095, s.dirBins[r.windDirection] + Minutes(r));
    }
    s.numWindPackets = static_cast<std::int16_t>(static_cast<std::uint16_t>(windPackets));
    s.dailySolarEnergy = Word(solarJoules / kJoulesPerLangley * 10.0);
    s.minSunlight = static_cast<std::int16_t>(sunMinutes);
    s.dailyEtTotal = static_cast<std::int16_t>(et);
    s.heatDegreeDays = Word(heatingDays * 10.0);
    s.coolDegreeDays = Word(coolingDays * 10.0);

    const Extremes solar = Scan(records, [](const ArchiveRecord& r) {
        return r.hiSolarRad < 0 ? std::nullopt : std::optional<int>(r.hiSolarRad);
    });
    s.hiSolar = solar.count > 0 ? solar.Hi() : static_cast<std::int16_t>(kNoData);
    s.timeValues2[kHiSolarTime] = solar.hiTime;

    const Extremes heat = ScanIndex(records, [](const ArchiveRecord& r) { return HeatIndexF(TempF(r), HumPct(r)); });
    const Extremes thw = ScanIndex(records, [](const ArchiveRecord& r) { return ThwIndexF(TempF(r), HumPct(r), WindMph(r)); });
    const Extremes thsw = ScanIndex(records, [](const ArchiveRecord& r) {
        return ThswIndexF(TempF(r), HumPct(r), WindMph(r), std::max<int>(0, r.solarRad));
    });
    const Extremes wetBulb = ScanIndex(records, [](const ArchiveRecord& r) { return WetBulbF(TempF(r), HumPct(r)); });
    s.hiHeat = heat.Hi();
    s.lowHeat = heat.Low();
    s.avgHeat = heat.Mean();
    s.hiThw = thw.Hi();
    s.lowThw = thw.Low();
    s.hiThsw = thsw.Hi();
    s.lowThsw = thsw.Low();
    s.hiWetBulb = wetBulb.Hi();
    s.lowWetBulb = wetBulb.Low();
    s.avgWetBulb = wetBulb.Mean();
    s.timeValues2[kHiHeatTime] = heat.hiTime;
    s.timeValues2[kLowHeatTime] = heat.lowTime;
    s.timeValues2[kHiThswTime] = thsw.hiTime;
    s.timeValues2[kLowThwTime] = thw.lowTime;
    s.timeValues2[kHiThwTime] = thw.hiTime;
    s.timeValues2[kHiWetBulbTime] = wetBulb.hiTime;
    s.timeValues2[kLowWetBulbTime] = wetBulb.lowTime;
    return s;
}

} // namespace pluvelle::demo
