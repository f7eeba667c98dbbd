#include "core/conversions.h"
#include "core/errors.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace pluvelle {
namespace {

struct FixedCase {
    double value;
    int precision;
    int decimals;
    const char* text;
};

TEST(FormatFixed, RoundsHalvesAwayOnTheExactBinaryValueAndHonoursSignificantDigits) {
    const FixedCase cases[] = {
        {21.27, 4, 1, "21.3"},    {-0.25, 4, 1, "-0.3"},   {123.45, 4, 1, "123.5"},  {1802.61, 4, 1, "1803.0"},
        {5, 4, 1, "5.0"},         {0.25, 4, 1, "0.3"},     {2.5, 4, 0, "3"},         {-2.5, 4, 0, "-3"},
        {0.15, 4, 1, "0.1"},      // 0.1499999... in binary
        {0.35, 4, 1, "0.3"},      // 0.34999... in binary
        {1.005, 4, 2, "1.00"},    // 1.00499... in binary
        {999.96, 4, 1, "1000.0"}, {9.9996, 4, 3, "10.000"}, {1013.2483, 5, 1, "1013.2"}, {0, 4, 1, "0.0"},
        {-0.04, 4, 1, "0.0"},     {0.762, 4, 1, "0.8"},    {12345.6, 4, 1, "12350.0"}, {32767 / 10.0 * 1.609, 4, 1, "5272.0"},
        {1e-9, 4, 2, "0.00"},     {3.0, 18, 2, "3.00"},    {0.5, 4, 0, "1"},          {1234567.0, 4, 0, "1235000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.precision, c.decimals), c.text)
            << c.value << " p" << c.precision << " d" << c.decimals;
}

TEST(FormatFixed, IgnoresTheMachineLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    std::string saved = old ? old : "C";
    if (std::setlocale(LC_ALL, "fr_FR.UTF-8") || std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        EXPECT_EQ(FormatOneDecimal(21.27), "21.3");
        EXPECT_DOUBLE_EQ(ParseNumber("21.5"), 21.5);
    }
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Conversions, StationUnitsToText) {
    EXPECT_EQ(FahrenheitToCelsiusText(165), "73.9");
    EXPECT_EQ(FahrenheitToCelsiusText(68), "20.0");
    EXPECT_EQ(FahrenheitToCelsiusPlus18Text(32), "18.0");
    EXPECT_EQ(BarometerToHpaText(29921), "1013.2");
    EXPECT_EQ(FormatUvOrMissing(25.5), "- -");
    EXPECT_EQ(FormatUvOrMissing(25.0), "25.0");
    EXPECT_EQ(FormatCountOrMissing(-1), "- -");
    EXPECT_EQ(FormatCountOrMissing(0), "0");
    EXPECT_EQ(FormatOneDecimal(RainClicks(0x1003) * RainMmPerClick(0x1003)), "0.8");
    EXPECT_EQ(FormatTwoDecimals(InchThousandthsToMm(2)), "0.05");
}

TEST(Conversions, RainCollectors) {
    const struct { std::uint16_t rain; double mm; int clicks; } cases[] = {
        {0x0001, 2.54, 1}, {0x1003, 0.254, 3}, {0x2005, 0.2, 5}, {0x3000, 1.0, 0}, {0x4FFF, 0.1, 4095}, {0xF002, 0.1, 2},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(RainMmPerClick(c.rain), c.mm) << std::hex << c.rain;
        EXPECT_EQ(RainClicks(c.rain), c.clicks);
    }
}

TEST(Conversions, ClockTexts) {
    const struct { int minutes; const char* text; } cases[] = {
        {0, "00:00"}, {65, "01:05"}, {1439, "23:59"}, {1440, "23:59"}, {4095, "68:15"}, {-5, "00:-5"},
    };
    for (const auto& c : cases) EXPECT_EQ(MinutesToClockText(c.minutes), c.text) << c.minutes;
}

TEST(Conversions, CompassBothWays) {
    const char* names[] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE", "S", "SSO", "SO", "OSO", "O", "ONO", "NO", "NNO"};
    for (int code = 0; code < 16; ++code) {
        EXPECT_EQ(CompassCodeToText(static_cast<std::uint8_t>(code)), names[code]);
        EXPECT_EQ(CompassTextToCode(names[code]), code);
    }
    EXPECT_EQ(CompassCodeToText(255), "Prb");
    EXPECT_EQ(CompassCodeToText(16), "");
    EXPECT_EQ(CompassCodeToText(254), "");
    for (const char* other : {"Prb", "", "- -", "n", "W", "N "}) EXPECT_EQ(CompassTextToCode(other), 255) << other;
}

TEST(ParseNumber, AcceptsTheNumberSyntaxAndDefinesEverythingElse) {
    const struct { const char* text; double value; } cases[] = {
        {"21.5", 21.5},  {"  -3.25", -3.25}, {"+7", 7},     {"1e3", 1000},  {"2.5E-1", 0.25}, {"", 0},
        {"12,5", 12.5},  // French decimal comma
        {"1,2,3", 1},    // not a number: longest numeric prefix
        {"abc", 0},      {"- -", 0},         {"inf", 0},    {"nan", 0},     {"12.5abc", 12.5}, {"3 ", 3},
        {"-", 0},        {".5", 0.5},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(ParseNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_TRUE(std::isinf(ParseNumber("1e999")));
}

TEST(TextToRaw, RoundsHalfToEvenAndClampsIntoTheField) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(CelsiusTextToTenthsF("-17.8"), 0);
    EXPECT_EQ(CelsiusTextToTenthsF("0.0"), 320);
    EXPECT_EQ(CelsiusTextToTenthsF("20.0"), 680);
    EXPECT_EQ(HpaTextToBarometer("1013.2"), 29920);
    // Overflow never wraps into a reading, nor into the no-data code.
    EXPECT_EQ(CelsiusTextToTenthsF("99999"), 32767);
    EXPECT_EQ(CelsiusTextToTenthsF("-99999"), -32767);
    EXPECT_EQ(CelsiusTextToTenthsF("1e999"), 32767);
    EXPECT_EQ(CelsiusTextToByteTemperature("73.9"), 254);  // 165 °F would be the no-data byte
    EXPECT_EQ(CelsiusTextToByteTemperature("73.3"), 254);
    EXPECT_EQ(CelsiusTextToByteTemperature("20.0"), 158);
    EXPECT_EQ(CelsiusTextToByteTemperature("-80"), 0);
    EXPECT_EQ(ClampToUInt8(300), 254);
    EXPECT_EQ(ClampToInt16(-40000), -32767);
}

TEST(ParseStrictInteger, AcceptsWholeNumbersOnly) {
    EXPECT_EQ(ParseStrictInteger("117"), 117);
    EXPECT_EQ(ParseStrictInteger(" -4 "), -4);
    EXPECT_EQ(ParseStrictInteger("+12"), 12);
    for (const char* bad : {"", "12.5", "abc", "1 2", "99999999999", "+-3"}) {
        EXPECT_THROW(ParseStrictInteger(bad), InvalidIntegerError) << bad;
    }
    try {
        ParseStrictInteger("12.5");
    } catch (const InvalidIntegerError& e) {
        EXPECT_STREQ(e.what(), "'12.5' n'est pas une valeur entière valide");
    }
}

} // namespace
} // namespace pluvelle
