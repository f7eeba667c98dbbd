#include "weather_model.h"

#include "comfort_indices.h"

#include <algorithm>
#include <cmath>

namespace pluvelle::demo {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHpaPerInHg = 33.863788;
// Synoptic waves: periods in days and amplitudes in hPa.
constexpr std::array<double, 3> kWavePeriodDays = {6.3, 3.7, 11.1};
constexpr std::array<double, 3> kWaveAmplitude = {8.5, 4.5, 4.0};

std::int16_t Round16(double v) { return static_cast<std::int16_t>(std::lround(v)); }
std::uint8_t Round8(double v) { return static_cast<std::uint8_t>(std::clamp<long>(std::lround(v), 0, 250)); }

// Daily temperature shape, -1 at dawn, +1 mid-afternoon: a cosine rise, then
// an exponential cooling through the evening and the night.
double DiurnalShape(double hour) {
    constexpr double dawn = 7.6, peak = 14.6, decay = 0.28;
    if (hour >= dawn && hour <= peak) return -std::cos(kPi * (hour - dawn) / (peak - dawn));
    const double since = hour > peak ? hour - peak : hour + 24.0 - peak;
    const double span = 24.0 - (peak - dawn);
    const double tail = std::exp(-decay * span);
    return 2.0 * (std::exp(-decay * since) - tail) / (1.0 - tail) - 1.0;
}

double HumidityFromDewPoint(double tempC, double dewC) {
    const double saturation = std::exp(17.62 * tempC / (243.12 + tempC));
    const double actual = std::exp(17.62 * dewC / (243.12 + dewC));
    return std::clamp(100.0 * actual / saturation, 15.0, 100.0);
}

} // namespace

std::uint8_t CompassCode(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360.0;
    return static_cast<std::uint8_t>(static_cast<int>(std::floor((d + 11.25) / 22.5)) % 16);
}

ArchiveRecord BlankRecord(int packedTime) {
    ArchiveRecord r;
    r.dataType = 1;
    r.archiveInterval = kIntervalMinutes;
    r.packedTime = static_cast<std::int16_t>(packedTime);
    SetOptionalSensorsMissing(r);
    return r;
}

WeatherModel::WeatherModel(std::uint64_t seed, const StationSite& site, int firstDayOfYear)
    : rng_(seed), site_(site), firstDayOfYear_(firstDayOfYear) {
    for (double& phase : wavePhase_) phase = rng_.Uniform(0.0, 2.0 * kPi);
}

double WeatherModel::SynopticPressure(long minute) const {
    double p = 1015.5;
    for (std::size_t i = 0; i < wavePhase_.size(); ++i)
        p += kWaveAmplitude[i] * std::sin(2.0 * kPi * minute / (kWavePeriodDays[i] * 1440.0) + wavePhase_[i]);
    return p;
}

// Daily mean temperature of the season, about 3 °C early January to 11 °C late March.
double WeatherModel::SeasonalMeanC(double dayOfYear) const { return 2.6 + 0.09 * (dayOfYear - 1.0); }

void WeatherModel::StepRain(double pressure, MinuteWeather& w) {
    if (showerLeft_ > 0) {
        --showerLeft_;
        rainAccumMm_ += showerRateMmH_ / 60.0 * rng_.Uniform(0.5, 1.5);
    } else if (cloud_ > 0.72) {
        const double chance = 0.004 * (cloud_ - 0.72) / 0.28 * (pressure < 1012.0 ? 1.0 : 0.25);
        if (rng_.Chance(chance)) {
            showerLeft_ = 15 + static_cast<int>(rng_.Uniform(0.0, 110.0));
            showerRateMmH_ = std::min(12.0, 0.4 - 1.5 * std::log(1.0 - rng_.Uniform()));
        }
    }
    while (rainAccumMm_ >= kMmPerClick) {
        rainAccumMm_ -= kMmPerClick;
        ++w.rainClicks;
    }
    if (w.rainClicks > 0) {
        // A tipping-bucket rate: clicks over the time since the previous tip.
        const long since = std::min<long>(15, minute_ - lastTipMinute_);
        w.rainRateClicksPerHour = 60.0 * w.rainClicks / static_cast<double>(std::max<long>(1, since));
        lastTipMinute_ = minute_;
    }
    if (showerLeft_ > 0) lastRainMinute_ = minute_;
}

void WeatherModel::StepTemperatures(double hour, double dayOfYear, MinuteWeather& w) {
    cloudSlow_ += (cloud_ - cloudSlow_) / 480.0;
    const bool raining = showerLeft_ > 0;
    rainCooling_ += ((raining ? -1.6 : 0.0) - rainCooling_) / 60.0;
    const double mean = SeasonalMeanC(dayOfYear) + anomaly_.Step(rng_);
    const double halfRange = 1.3 + 4.6 * (1.0 - cloudSlow_) - 1.2 * windiness_;
    const double outsideC = mean + halfRange * DiurnalShape(hour) + fastTemp_.Step(rng_) + rainCooling_;

    // The dew point follows the day's mean, close under cloud and rain, far
    // below in the dry air of a clear sky or the mistral.
    const double target = raining ? 0.3 : 0.6 + 5.0 * (1.0 - cloud_) + 3.0 * windiness_ * northness_;
    depression_ += (target - depression_) / (raining ? 30.0 : 180.0);
    outsideDewC_ = mean - 0.6 * halfRange - std::max(0.0, depression_ + depressionNoise_.Step(rng_));
    outsideDewC_ = std::min(outsideDewC_, outsideC - 0.2);  // the sensor seldom reads saturation
    w.outsideF = CelsiusToF(outsideC);
    w.outsideHumPct = HumidityFromDewPoint(outsideC, outsideDewC_);

    // A heated house: day and night settings, a little of the weather through the walls.
    const double setting = hour >= 6.5 && hour < 22.5 ? 20.6 : 17.8;
    insideC_ += (setting + 0.06 * (outsideC - 6.0) + 0.002 * w.solarWm2 - insideC_) / 45.0;
    w.insideF = CelsiusToF(insideC_ + insideNoise_.Step(rng_));
    w.insideHumPct = std::clamp(43.0 + 0.9 * (outsideDewC_ - 1.0) - 1.4 * (insideC_ - 19.5), 28.0, 66.0);
}

void WeatherModel::StepWind(double hour, double tendency, MinuteWeather& w) {
    // Strong pressure changes bring wind: the mistral from the north behind a
    // trough (pressure rising), southerlies ahead of the next one.
    const double target = std::clamp(0.12 + 0.2 * std::fabs(tendency) + windNoise_.Step(rng_), 0.0, 1.0);
    windiness_ += (target - windiness_) / 150.0;
    northness_ += ((tendency > 0.2 ? 1.0 : tendency < -0.2 ? 0.0 : northness_) - northness_) / 360.0;
    const double prevailing = northness_ > 0.5 ? 355.0 : 165.0;
    const double daytime = hour > 9.5 && hour < 18.5 ? std::sin(kPi * (hour - 9.5) / 9.0) : 0.0;
    const double mean = (0.6 + 21.0 * std::pow(windiness_, 1.3)) * (0.6 + 0.65 * daytime);
    w.windMph = std::max(0.0, mean * (1.0 + turbulence_.Step(rng_)));
    w.gustMph = w.windMph * (1.2 + 0.25 * std::fabs(rng_.Normal()));
    w.windDegrees = prevailing + directionNoise_.Step(rng_) + 10.0 * rng_.Normal();
}

void WeatherModel::StepSun(double clockMinutes, int dayOfYear, MinuteWeather& w) {
    const double sine = SunHeightSine(site_, dayOfYear, clockMinutes);
    // Broken clouds: the sun comes and goes; a low overcast lets little through.
    if (shaded_ ? rng_.Chance(0.1 * (1.0 - cloud_)) : rng_.Chance(0.1 * cloud_)) shaded_ = !shaded_;
    double transmission = shaded_ ? 0.18 + 0.2 * (1.0 - cloud_) : 0.98 - 0.15 * cloud_ * cloud_;
    if (showerLeft_ > 0) transmission *= 0.6;
    w.solarWm2 = ClearSkyRadiation(sine) * transmission;
    w.uvIndex = ClearSkyUvIndex(sine) * std::pow(transmission, 0.8);
}

void WeatherModel::StepEvapotranspiration(const MinuteWeather& w) {
    // Driven by the sun, slowed by the cold.
    const double tempC = FToCelsius(w.outsideF);
    etInches_ += w.solarWm2 * 60.0 / 2.45e6 * 0.35 * std::clamp((tempC + 6.0) / 20.0, 0.1, 1.2) / 25.4;
}

int WeatherModel::ForecastRule(double pressure, double tendency) const {
    const bool rainedLately = minute_ - lastRainMinute_ < 360;
    if (showerLeft_ > 0) return tendency < 0 ? 89 : 85;
    if (tendency <= -1.6) return 94;
    if (tendency <= -0.6) return pressure < 1012.0 ? 15 : 45;
    if (tendency >= 1.6) return 120;
    if (tendency >= 0.6) return rainedLately ? 70 : pressure >= 1018.0 ? 2 : 5;
    if (pressure >= 1020.0) return 1;
    return pressure >= 1009.0 ? 6 : 90;
}

MinuteWeather WeatherModel::Step() {
    ++minute_;
    const long clock = (minute_ - 1) % 1440 + 1;  // minutes after midnight at the minute's end
    const int day = firstDayOfYear_ + static_cast<int>((minute_ - 1) / 1440);
    const double hour = clock / 60.0;
    const double dayOfYear = day + hour / 24.0;

    MinuteWeather w;
    const double synoptic = SynopticPressure(minute_);
    const double tendency = synoptic - SynopticPressure(minute_ - 180);  // hPa over 3 hours
    // Twice-daily atmospheric tide, highest near 10:00 and 22:00.
    const double tide = 0.6 * std::cos(4.0 * kPi * (hour - 10.0) / 24.0);
    w.pressureHpa = synoptic + tide + pressureNoise_.Step(rng_);

    const double cloudTarget = 0.5 - (synoptic - 1014.0) / 16.0 - 0.3 * tendency + cloudNoise_.Step(rng_);
    cloud_ += (std::clamp(cloudTarget, 0.0, 1.0) - cloud_) / 90.0;

    StepRain(synoptic, w);
    StepWind(hour, tendency, w);
    StepSun(static_cast<double>(clock), day, w);
    StepTemperatures(hour, dayOfYear, w);
    StepEvapotranspiration(w);
    if (clock % 60 == 0 || minute_ == 1) forecast_ = ForecastRule(synoptic, tendency);
    w.forecastRule = forecast_;
    return w;
}

ArchiveRecord WeatherModel::Archive(const std::array<MinuteWeather, kIntervalMinutes>& minutes, int packedTime) {
    ArchiveRecord r = BlankRecord(packedTime);
    const MinuteWeather& last = minutes.back();
    double tempSum = 0, tempHi = -1e9, tempLo = 1e9, windSum = 0, solarSum = 0, solarHi = 0, uvSum = 0, uvHi = 0;
    double gust = 0, gustDegrees = 0, east = 0, north = 0, rate = 0;
    int clicks = 0;
    for (const MinuteWeather& m : minutes) {
        tempSum += m.outsideF;
        tempHi = std::max(tempHi, m.outsideF);
        tempLo = std::min(tempLo, m.outsideF);
        windSum += m.windMph;
        east += m.windMph * std::sin(m.windDegrees * kPi / 180.0);
        north += m.windMph * std::cos(m.windDegrees * kPi / 180.0);
        if (m.gustMph > gust) {
            gust = m.gustMph;
            gustDegrees = m.windDegrees;
        }
        solarSum += m.solarWm2;
        solarHi = std::max(solarHi, m.solarWm2);
        uvSum += m.uvIndex;
        uvHi = std::max(uvHi, m.uvIndex);
        clicks += m.rainClicks;
        rate = std::max(rate, m.rainRateClicksPerHour);
    }
    const double n = kIntervalMinutes;
    r.outsideTemp = Round16(tempSum / n * 10.0);
    r.hiOutsideTemp = std::max(r.outsideTemp, Round16(tempHi * 10.0));
    r.lowOutsideTemp = std::min(r.outsideTemp, Round16(tempLo * 10.0));
    r.insideTemp = Round16(last.insideF * 10.0);
    r.barometer = Round16(last.pressureHpa / kHpaPerInHg * 1000.0);
    r.outsideHum = static_cast<std::int16_t>(10 * std::lround(last.outsideHumPct));
    r.insideHum = static_cast<std::int16_t>(10 * std::lround(last.insideHumPct));
    r.rain = static_cast<std::uint16_t>(kRainCollector | std::min(clicks, 0x0FFF));
    r.hiRainRate = Round16(rate);
    // The console archives whole miles per hour.
    const long speed = std::lround(windSum / n);
    const long gustWhole = std::max(speed, std::lround(gust));
    r.windSpeed = static_cast<std::int16_t>(10 * speed);
    r.hiWindSpeed = static_cast<std::int16_t>(10 * gustWhole);
    if (gustWhole == 0) {
        r.windDirection = r.hiWindDirection = 255;  // dead calm: the vane reports nothing
    } else {
        r.windDirection = CompassCode(std::atan2(east, north) * 180.0 / kPi);
        r.hiWindDirection = CompassCode(gustDegrees);
    }
    r.numWindSamples = static_cast<std::int16_t>(112 + rng_.Next() % 9);
    r.solarRad = Round16(solarSum / n);
    r.hiSolarRad = std::max(r.solarRad, Round16(solarHi));
    r.uv = Round8(uvSum / n * 10.0);
    r.hiUv = std::max(r.uv, Round8(uvHi * 10.0));
    r.forecast = static_cast<std::uint8_t>(last.forecastRule);
    const double etThousandths = std::floor(etInches_ * 1000.0);
    r.et = static_cast<std::uint8_t>(etThousandths);
    etInches_ -= etThousandths / 1000.0;
    return r;
}

std::vector<ArchiveRecord> WeatherModel::NextDay() {
    std::vector<ArchiveRecord> records;
    records.reserve(kRecordsPerDay);
    std::array<MinuteWeather, kIntervalMinutes> minutes;
    for (int end = kIntervalMinutes; end <= 1440; end += kIntervalMinutes) {
        for (MinuteWeather& m : minutes) m = Step();
        records.push_back(Archive(minutes, end));
    }
    return records;
}

} // namespace pluvelle::demo
