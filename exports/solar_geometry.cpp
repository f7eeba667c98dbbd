#include "solar_geometry.h"

#include <cmath>
#include <numbers>

namespace pluvelle {

namespace {

// Truncation toward zero to a whole number.
double Trunc(double x) { return static_cast<double>(static_cast<std::int64_t>(x)); }

double SinDeg(double x) { return std::sin(DegToRad(x)); }
double CosDeg(double x) { return std::cos(DegToRad(x)); }

// Reduces an angle by whole turns, keeping its sign.
double WithoutTurns(double degrees) { return degrees - 360 * Trunc(degrees / 360); }

constexpr double kEpochJulianDay = 2415020;  // 1900 January 0.5
constexpr double kDaysPerCentury = 36525;

} // namespace

std::uint16_t DayOfYear(std::uint16_t day, std::uint16_t month, std::uint16_t year) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int n = day;
    for (int m = 1; m < month && m <= 12; ++m) n += (m == 2 && year % 4 == 0) ? 29 : kLengths[m - 1];
    return static_cast<std::uint16_t>(n);
}

double JulianDay(std::uint16_t day, std::uint16_t month, std::uint16_t year) {
    const double y = month < 3 ? year - 1.0 : year;
    const double m = month < 3 ? month + 12.0 : month;
    const double a = Trunc(y / 100);
    const double b = Trunc(a / 4);
    return Trunc(365.25 * y) + Trunc(30.6001 * (m + 1)) + day + 1720994.5 + (2 - a + b);
}

double GreenwichSiderealTime(std::uint16_t day, std::uint16_t month, std::uint16_t year, std::uint16_t hour,
                             std::uint16_t minute) {
    const double t0 = (JulianDay(day, month, year) - kEpochJulianDay) / kDaysPerCentury;
    const double revolutions = 100.0021359 * t0 + 0.276919398 + 0.000001075 * IntPower(2, t0);
    double gst = (revolutions - Trunc(revolutions)) * 24 + (hour + minute / 60.0) * 1.002737908;
    if (gst > 24) gst -= 24;
    return gst;
}

double SolarPerturbations(double T) {
    return 0.00134 * CosDeg(153.23 + 22518.7541 * T) + 0.00154 * CosDeg(216.57 + 45037.5082 * T) +
           0.002 * CosDeg(312.69 + 32964.3577 * T) +
           0.00179 * SinDeg(350.74 + 445267.1142 * T - 0.00144 * IntPower(2, T)) +
           0.00178 * SinDeg(231.19 + 20.2 * T);
}

double IntPower(int n, double x) {
    double p = 1;
    for (int i = 0; i < n; ++i) p *= x;
    return p;
}

double DegToRad(double x) { return x / 180 * std::numbers::pi; }
double RadToDeg(double x) { return x / std::numbers::pi * 180; }

double RightAscension(double sunLongitude, double obliquity) {
    const double y = SinDeg(sunLongitude) * CosDeg(obliquity);
    const double x = CosDeg(sunLongitude);
    // cos(longitude) = 0 puts the sun at 90° or 270°, as the quotient's limit does.
    double alpha = x == 0 ? (y < 0 ? -90.0 : 90.0) : RadToDeg(std::atan(y / x));
    if (x < 0) alpha += 180;
    else if (y < 0) alpha += 360;
    return alpha;
}

double SunElevationSine(std::uint16_t hour, std::uint16_t minute, std::uint16_t day, std::uint16_t month,
                        std::uint16_t year, double latitude, double longitude) {
    // Dynamical time runs about a minute ahead of UT: the sun's position is
    // taken at the corrected instant, the sidereal time at the clock's.
    const double t1 = (JulianDay(day, month, year) - kEpochJulianDay) / kDaysPerCentury - 1;
    const double deltaT = (102 + 102 * t1 + 25.3 * IntPower(2, t1) + 0.56 * (year - 2100.0)) / 60;
    int mm = static_cast<int>(Trunc(deltaT)) + minute;
    int hh = hour;
    std::uint16_t correctedDay = day;
    if (mm >= 60) {
        mm -= 60;
        hh += 1;
    }
    if (hh >= 24) {
        hh -= 24;
        correctedDay = static_cast<std::uint16_t>(day + 1);  // JulianDay carries it into the next month
    }
    const double T =
        (JulianDay(correctedDay, month, year) + hh / 24.0 + mm / 1440.0 - kEpochJulianDay) / kDaysPerCentury;
    const double gst = GreenwichSiderealTime(day, month, year, hour, minute);

    const double meanLongitude = WithoutTurns(279.69668 + 36000.76892 * T + 0.0003025 * IntPower(2, T));
    const double meanAnomaly =
        WithoutTurns(358.47583 + 35999.04975 * T - 0.00015 * IntPower(2, T) - 0.0000033 * IntPower(3, T));
    const double centre = (1.91946 - 0.004789 * T - 0.000014 * IntPower(2, T)) * SinDeg(meanAnomaly) +
                          (0.020094 - 0.0001 * T) * SinDeg(2 * meanAnomaly) + 0.000293 * SinDeg(3 * meanAnomaly);
    const double sunLongitude = meanLongitude + centre + SolarPerturbations(T);
    const double node = 259.18 - 1934.142 * T;
    const double obliquity = 23.452294 - 0.0130125 * T - 0.00000164 * IntPower(2, T) +
                             0.000000503 * IntPower(3, T) + 0.00256 * CosDeg(node);
    const double alpha = RightAscension(sunLongitude, obliquity);
    const double declination = RadToDeg(std::asin(SinDeg(obliquity) * SinDeg(sunLongitude)));
    const double hourAngle = 15 * gst - alpha - longitude;
    return SinDeg(latitude) * SinDeg(declination) + CosDeg(latitude) * CosDeg(declination) * CosDeg(hourAngle);
}

double DayFactor(int dayIndex) { return 1080 * (0.73 + 0.06 * std::cos(dayIndex * 0.01721420632103996)); }

double SunshineThreshold(std::uint16_t hour, std::uint16_t minute, std::uint16_t day, std::uint16_t month,
                         std::uint16_t year, double latitude, double longitude) {
    const int dayIndex = DayOfYear(day, month, year) - 1;
    const double sinH = SunElevationSine(hour, minute, day, month, year, latitude, longitude);
    if (sinH == 0) return 0;
    return DayFactor(dayIndex) * std::exp(1.25 * std::log(std::fabs(sinH)));
}

} // namespace pluvelle
