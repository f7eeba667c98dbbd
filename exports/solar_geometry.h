#pragma once
// The sun's position for a station and an instant (low-precision solar theory,
// epoch 1900 January 0.5, time in Julian centuries), and the sunshine
// threshold radiation derived from the sun's elevation. Angles are in degrees
// except where handed to the trigonometric functions.
#include <cstdint>

namespace pluvelle {

// Every year divisible by 4 counts as a leap year (no century rule).
std::uint16_t DayOfYear(std::uint16_t day, std::uint16_t month, std::uint16_t year);
// Julian Day at 0 h UT; a day past the month's end gives the following day.
double JulianDay(std::uint16_t day, std::uint16_t month, std::uint16_t year);
// Greenwich sidereal time in hours.
double GreenwichSiderealTime(std::uint16_t day, std::uint16_t month, std::uint16_t year, std::uint16_t hour,
                             std::uint16_t minute);
// Periodic corrections to the sun's longitude, in degrees; T in Julian centuries.
double SolarPerturbations(double T);
// The product of n factors x; 1 when n <= 0.
double IntPower(int n, double x);
double DegToRad(double x);
double RadToDeg(double x);

// Right ascension in degrees from the sun's longitude and the obliquity:
// 180 is added whenever cos(longitude) < 0, 360 when it is >= 0 and the
// numerator is negative.
double RightAscension(double sunLongitude, double obliquity);

// Sine of the sun's elevation. UT instant; longitude west positive.
double SunElevationSine(std::uint16_t hour, std::uint16_t minute, std::uint16_t day, std::uint16_t month,
                        std::uint16_t year, double latitude, double longitude);
// Clear-sky radiation scale of day N of the year (0 on 1 January), W/m².
double DayFactor(int dayIndex);

// Radiation in W/m² above which an interval ending at that UT instant counts
// as sunny. Never negative, and positive also with the sun below the horizon:
// callers must keep night-time records out by other means.
double SunshineThreshold(std::uint16_t hour, std::uint16_t minute, std::uint16_t day, std::uint16_t month,
                         std::uint16_t year, double latitude, double longitude);

} // namespace pluvelle
