#pragma once
// Conversions between the station's units (tenths of °F, thousandths of inHg,
// tenths of mph, rain clicks) and the metric texts shown and exported.
#include <cstdint>
#include <string>
#include <string_view>

namespace pluvelle {

inline constexpr std::string_view MissingText = "- -";

// Number to text: at most `precision` significant digits and at most
// `decimals` decimals, halves rounded away from zero on the value's exact
// binary value, "." as decimal point whatever the locale.
std::string FormatFixed(double value, int precision, int decimals);
std::string FormatOneDecimal(double x);
std::string FormatTwoDecimals(double x);
std::string FormatNoDecimals(double x);
std::string FormatCountOrMissing(std::int16_t value);
std::string FormatUvOrMissing(double x);

double FahrenheitToCelsius(double f);
std::string FahrenheitToCelsiusText(double f);
std::string FahrenheitToCelsiusPlus18Text(double f);
double BarometerToHpa(std::int16_t raw);
std::string BarometerToHpaText(std::int16_t raw);
double MphTenthsToKmh(std::int16_t raw);
double InchThousandthsToMm(double raw);
int RainClicks(std::uint16_t rain);
double RainMmPerClick(std::uint16_t rain);
std::uint16_t RainCollectorCode(std::uint16_t rain);
std::string MinutesToClockText(int minutes);
std::string CompassCodeToText(std::uint8_t code);
std::uint8_t CompassTextToCode(std::string_view text);

// Text to number. Leading and trailing spaces are ignored and a comma is
// accepted as decimal separator (French keyboards); any other text that is not
// a number reads as its longest numeric prefix, and as 0 when it has none.
double ParseNumber(std::string_view text);
// Nearest integer, exact halves to the even neighbour.
double RoundHalfEven(double x);

// Text-to-raw results are clamped into their field; the clamping never yields
// the field's no-data code (-32768 for 16-bit fields, 255 for 8-bit ones).
std::int16_t ClampToInt16(double rounded);
std::uint8_t ClampToUInt8(double rounded);
std::int16_t CelsiusTextToTenthsF(std::string_view text);
// Whole °F, to which the caller adds 90 to fill an 8-bit temperature.
double CelsiusTextToWholeF(std::string_view text);
std::uint8_t CelsiusTextToByteTemperature(std::string_view text);  // whole °F + 90
std::int16_t HpaTextToBarometer(std::string_view text);

// Strict decimal integer (optional spaces around, optional sign); throws
// InvalidIntegerError otherwise, with the text in the message.
int ParseStrictInteger(std::string_view text);

} // namespace pluvelle
