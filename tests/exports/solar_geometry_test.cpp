#include "exports/solar_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pluvelle {
namespace {

TEST(SolarGeometry, DayOfYearCountsEveryFourthYearAsLeap) {
    struct Case { std::uint16_t day, month, year, expected; };
    const Case cases[] = {{1, 1, 2015, 1}, {1, 3, 2016, 61}, {1, 3, 2015, 60}, {1, 3, 2100, 61}, {31, 12, 2015, 365},
                          {31, 12, 2016, 366}};
    for (const Case& c : cases)
        EXPECT_EQ(DayOfYear(c.day, c.month, c.year), c.expected) << c.day << "/" << c.month << "/" << c.year;
}

TEST(SolarGeometry, JulianDayAtMidnight) {
    EXPECT_DOUBLE_EQ(JulianDay(1, 1, 2000), 2451544.5);
    EXPECT_DOUBLE_EQ(JulianDay(15, 6, 2015), 2457188.5);
    EXPECT_DOUBLE_EQ(JulianDay(29, 2, 2016), 2457447.5);
    // A day past the month's end is the next month's first day.
    EXPECT_DOUBLE_EQ(JulianDay(32, 1, 2000), JulianDay(1, 2, 2000));
    EXPECT_DOUBLE_EQ(JulianDay(32, 12, 2015), JulianDay(1, 1, 2016));
}

TEST(SolarGeometry, SiderealTimeAtGreenwich) {
    EXPECT_NEAR(GreenwichSiderealTime(1, 1, 2000, 0, 0), 6.6645, 5e-5);
    // A sidereal day is shorter: twelve clock hours advance it 12.0329 hours,
    // and the result wraps once past 24.
    EXPECT_NEAR(GreenwichSiderealTime(1, 1, 2000, 12, 0), 6.6645 + 12.0329, 1e-4);
    EXPECT_NEAR(GreenwichSiderealTime(1, 1, 2000, 23, 30), 6.6645 + 23.5 * 1.002737908 - 24, 1e-4);
}

TEST(SolarGeometry, SmallHelpers) {
    EXPECT_DOUBLE_EQ(IntPower(0, 7.5), 1);
    EXPECT_DOUBLE_EQ(IntPower(-2, 7.5), 1);
    EXPECT_DOUBLE_EQ(IntPower(3, -2), -8);
    EXPECT_DOUBLE_EQ(DegToRad(180), 3.141592653589793);
    EXPECT_DOUBLE_EQ(RadToDeg(DegToRad(123.25)), 123.25);
    EXPECT_LT(std::abs(SolarPerturbations(0.155)), 0.00134 + 0.00154 + 0.002 + 0.00179 + 0.00178);
}

TEST(SolarGeometry, RightAscensionQuadrants) {
    // With no obliquity the right ascension is the longitude itself, in 0..360.
    struct Case { double longitude, expected; };
    const Case cases[] = {{30, 30}, {135, 135}, {180, 180}, {225, 225}, {315, 315}, {90, 90}, {270, 270}};
    for (const Case& c : cases) EXPECT_NEAR(RightAscension(c.longitude, 0), c.expected, 1e-9) << c.longitude;
    // x < 0 takes 180 whatever the sign of y; 360 only when x >= 0 and y < 0.
    struct Tilted { double longitude, turnAdded; };
    const Tilted tilted[] = {{100, 180}, {260, 180}, {-10, 360}, {350, 360}, {10, 0}};
    for (const Tilted& c : tilted) {
        const double quotient = std::tan(DegToRad(c.longitude)) * std::cos(DegToRad(23.44));
        EXPECT_NEAR(RightAscension(c.longitude, 23.44), c.turnAdded + RadToDeg(std::atan(quotient)), 1e-9)
            << c.longitude;
    }
}

TEST(SolarGeometry, SunshineThresholdExamples) {
    struct Case {
        std::uint16_t hour, day, month;
        double latitude, longitude, sinH, dayFactor, threshold;
    };
    const Case cases[] = {
        {12, 21, 6, 45, 0, 0.930, 724.87, 662.0},
        {10, 21, 12, 45, -5, 0.309, 852.04, 196.5},
        // Sun below the horizon: the absolute value still gives a large level.
        {0, 21, 12, 45, 0, -0.930, 852.04, 778.1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << "h " << c.day << "/" << c.month);
        EXPECT_NEAR(SunElevationSine(c.hour, 0, c.day, c.month, 2015, c.latitude, c.longitude), c.sinH, 5e-4);
        EXPECT_NEAR(DayFactor(DayOfYear(c.day, c.month, 2015) - 1), c.dayFactor, 5e-3);
        EXPECT_NEAR(SunshineThreshold(c.hour, 0, c.day, c.month, 2015, c.latitude, c.longitude), c.threshold, 0.1);
    }
}

TEST(SolarGeometry, LastMinuteOfTheYearCarriesIntoTheNextDay) {
    // The corrected instant of 23:59 is 00:00 of 32 December; the level must
    // follow on smoothly from the minute before.
    const double before = SunshineThreshold(23, 58, 31, 12, 2015, 45, 0);
    const double last = SunshineThreshold(23, 59, 31, 12, 2015, 45, 0);
    EXPECT_GT(last, 0);
    EXPECT_NEAR(last, before, 1.0);
}

} // namespace
} // namespace pluvelle
