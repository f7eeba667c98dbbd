#pragma once
// Height of the sun and clear-sky radiation at the demo station.

namespace pluvelle::demo {

struct StationSite {
    double latitude = 45.0;   // degrees north
    double longitude = 5.0;   // degrees east
    int clockOffsetMinutes = 60;  // the logger keeps winter time (UTC+1) all year
};

// Sine of the sun's height above the horizon at `clockMinutes` of local clock
// time on day `dayOfYear` (1 = 1 January).
double SunHeightSine(const StationSite& site, int dayOfYear, double clockMinutes);

// Global radiation on a horizontal surface under a clear sky, W/m².
double ClearSkyRadiation(double sunHeightSine);

// UV index under a clear sky.
double ClearSkyUvIndex(double sunHeightSine);

} // namespace pluvelle::demo
