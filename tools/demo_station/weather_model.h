#pragma once
// A winter-to-spring station in the Rhône valley, simulated minute by minute
// and archived every five minutes the way a logger does: synoptic pressure
// waves with the clouds, showers, mistral and warm southerlies they bring, a
// daily cycle of temperature and humidity, the sun's height, a heated house.
#include "core/wlk_format.h"
#include "random_source.h"
#include "solar_position.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pluvelle::demo {

inline constexpr int kIntervalMinutes = 5;
inline constexpr int kRecordsPerDay = 1440 / kIntervalMinutes;
inline constexpr std::uint16_t kRainCollector = 0x2000;  // 0.2 mm per click
inline constexpr double kMmPerClick = 0.2;

// One minute of weather as the sensors see it.
struct MinuteWeather {
    double outsideF = 0, insideF = 0, pressureHpa = 0, outsideHumPct = 0, insideHumPct = 0;
    double windMph = 0, gustMph = 0, windDegrees = 0;
    double solarWm2 = 0, uvIndex = 0;
    int rainClicks = 0;
    double rainRateClicksPerHour = 0;  // on a minute with clicks
    int forecastRule = 0;
};

class WeatherModel {
public:
    // Starts at midnight opening day `firstDayOfYear` (1 = 1 January).
    WeatherModel(std::uint64_t seed, const StationSite& site, int firstDayOfYear);

    // The archive records of the next day: every five minutes, stamped 5 to
    // 1440 (the record closing at midnight belongs to the day it closes).
    std::vector<ArchiveRecord> NextDay();

private:
    MinuteWeather Step();
    double SynopticPressure(long minute) const;
    double SeasonalMeanC(double dayOfYear) const;
    void StepRain(double pressure, MinuteWeather& w);
    void StepTemperatures(double hour, double dayOfYear, MinuteWeather& w);
    void StepWind(double hour, double tendency, MinuteWeather& w);
    void StepSun(double clockMinutes, int dayOfYear, MinuteWeather& w);
    void StepEvapotranspiration(const MinuteWeather& w);
    int ForecastRule(double pressure, double tendency) const;
    ArchiveRecord Archive(const std::array<MinuteWeather, kIntervalMinutes>& minutes, int packedTime);

    RandomSource rng_;
    StationSite site_;
    int firstDayOfYear_;
    long minute_ = 0;  // minutes simulated so far

    std::array<double, 3> wavePhase_{};
    Wander pressureNoise_{0.35, 600};
    Wander cloudNoise_{0.22, 240};
    Wander anomaly_{2.6, 3600};
    Wander fastTemp_{0.12, 8};
    Wander depressionNoise_{0.8, 300};
    Wander windNoise_{0.12, 240};
    Wander turbulence_{0.28, 3};
    Wander directionNoise_{22.0, 40};
    Wander insideNoise_{0.08, 20};

    double cloud_ = 0.5, cloudSlow_ = 0.5;
    double rainCooling_ = 0, depression_ = 3;
    double windiness_ = 0.2, northness_ = 0.5;
    double insideC_ = 19.5;
    bool shaded_ = false;
    int showerLeft_ = 0;
    double showerRateMmH_ = 0, rainAccumMm_ = 0;
    long lastTipMinute_ = -1000, lastRainMinute_ = -100000;
    int forecast_ = 6;
    double etInches_ = 0;   // evapotranspiration not yet archived
    double outsideDewC_ = 0;
};

// A record with every sensor the demo station lacks at its no-data code.
ArchiveRecord BlankRecord(int packedTime);

// Compass code 0..15 of a direction in degrees.
std::uint8_t CompassCode(double degrees);

} // namespace pluvelle::demo
