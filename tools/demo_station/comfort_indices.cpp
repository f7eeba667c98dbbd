#include "comfort_indices.h"

#include <algorithm>
#include <cmath>

namespace pluvelle::demo {

double CelsiusToF(double c) { return c * 9.0 / 5.0 + 32.0; }
double FToCelsius(double f) { return (f - 32.0) * 5.0 / 9.0; }

double DewPointF(double tempF, double humidityPct) {
    // Magnus formula.
    const double t = FToCelsius(tempF);
    const double g = std::log(std::max(humidityPct, 1.0) / 100.0) + 17.62 * t / (243.12 + t);
    return CelsiusToF(243.12 * g / (17.62 - g));
}

double WindChillF(double tempF, double windMph) {
    if (tempF > 50.0 || windMph < 3.0) return tempF;
    const double v = std::pow(windMph, 0.16);
    return std::min(tempF, 35.74 + 0.6215 * tempF - 35.75 * v + 0.4275 * tempF * v);
}

double HeatIndexF(double tempF, double humidityPct) {
    const double t = tempF;
    const double rh = humidityPct;
    const double simple = 0.5 * (t + 61.0 + (t - 68.0) * 1.2 + rh * 0.094);
    if ((simple + t) / 2.0 < 80.0) return simple;
    return -42.379 + 2.04901523 * t + 10.14333127 * rh - 0.22475541 * t * rh - 0.00683783 * t * t -
           0.05481717 * rh * rh + 0.00122874 * t * t * rh + 0.00085282 * t * rh * rh - 0.00000199 * t * t * rh * rh;
}

double ThwIndexF(double tempF, double humidityPct, double windMph) {
    return HeatIndexF(tempF, humidityPct) - 1.072 * windMph;
}

double ThswIndexF(double tempF, double humidityPct, double windMph, double solarWm2) {
    const double t = FToCelsius(tempF);
    const double vapourHpa = humidityPct / 100.0 * 6.105 * std::exp(17.27 * t / (237.7 + t));
    const double windMs = windMph * 0.44704;
    const double absorbed = 0.4 * std::max(solarWm2, 0.0);
    return CelsiusToF(t + 0.348 * vapourHpa - 0.70 * windMs + 0.70 * absorbed / (windMs + 10.0) - 4.25);
}

double WetBulbF(double tempF, double humidityPct) {
    // Stull's fit, good from 5 to 99 % at ordinary temperatures.
    const double t = FToCelsius(tempF);
    const double rh = std::clamp(humidityPct, 5.0, 100.0);
    const double w = t * std::atan(0.151977 * std::sqrt(rh + 8.313659)) + std::atan(t + rh) -
                     std::atan(rh - 1.676331) + 0.00391838 * std::pow(rh, 1.5) * std::atan(0.023101 * rh) - 4.686035;
    return CelsiusToF(std::min(w, t));
}

} // namespace pluvelle::demo
