#include "solar_position.h"

#include <cmath>

namespace pluvelle::demo {

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kDegree = kPi / 180.0;
} // namespace

double SunHeightSine(const StationSite& site, int dayOfYear, double clockMinutes) {
    const double utcMinutes = clockMinutes - site.clockOffsetMinutes;
    // Fractional year, then declination and equation of time (Spencer's series).
    const double g = 2.0 * kPi / 365.0 * (dayOfYear - 1 + (utcMinutes / 60.0 - 12.0) / 24.0);
    const double equationOfTime = 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g) -
                                            0.014615 * std::cos(2 * g) - 0.040849 * std::sin(2 * g));
    const double declination = 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) -
                               0.006758 * std::cos(2 * g) + 0.000907 * std::sin(2 * g) -
                               0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g);
    const double solarMinutes = utcMinutes + equationOfTime + 4.0 * site.longitude;
    const double hourAngle = (solarMinutes / 4.0 - 180.0) * kDegree;
    const double latitude = site.latitude * kDegree;
    return std::sin(latitude) * std::sin(declination) +
           std::cos(latitude) * std::cos(declination) * std::cos(hourAngle);
}

double ClearSkyRadiation(double sunHeightSine) {
    if (sunHeightSine <= 0.01) return 0.0;
    return 1098.0 * sunHeightSine * std::exp(-0.057 / sunHeightSine);  // Haurwitz
}

double ClearSkyUvIndex(double sunHeightSine) {
    if (sunHeightSine <= 0.0) return 0.0;
    return 8.0 * std::pow(sunHeightSine, 2.42);
}

} // namespace pluvelle::demo
