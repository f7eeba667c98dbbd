#include "conversions.h"

#include "errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace pluvelle {

namespace {

constexpr std::array<double, 23> kPow10 = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                           1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::array<std::uint64_t, 16> kPow10Int = {1ull,
                                                     10ull,
                                                     100ull,
                                                     1000ull,
                                                     10000ull,
                                                     100000ull,
                                                     1000000ull,
                                                     10000000ull,
                                                     100000000ull,
                                                     1000000000ull,
                                                     10000000000ull,
                                                     100000000000ull,
                                                     1000000000000ull,
                                                     10000000000000ull,
                                                     100000000000000ull,
                                                     1000000000000000ull};

// Number of digits before the decimal point of a >= 0 (0 for a < 1), compared
// against exact powers of ten so 999.9999 and 1000 are told apart exactly.
int IntegerDigits(double a) {
    int n = 0;
    while (n < static_cast<int>(kPow10.size()) && a >= kPow10[n]) ++n;
    if (n == static_cast<int>(kPow10.size())) n = static_cast<int>(std::floor(std::log10(a))) + 1;
    return n;
}

// Writes v's digits, at least `minDigits` of them, ending just before `end`;
// returns where they start.
char* PutUnsignedBackwards(char* end, std::uint64_t v, int minDigits) {
    int len = 0;
    do {
        *--end = static_cast<char>('0' + v % 10);
        v /= 10;
        ++len;
    } while (v != 0);
    while (len++ < minDigits) *--end = '0';
    return end;
}

// Writes the integer n scaled by 10^-kept with `decimals` decimals shown.
// Built in a local buffer: the texts are short enough for std::string's
// inline storage, so formatting allocates nothing.
std::string Compose(bool negative, std::uint64_t n, int kept, int decimals) {
    char buf[64];
    char* const end = buf + sizeof buf;
    char* p = end - (decimals - kept);
    std::fill(p, end, '0');
    const std::uint64_t scale = kPow10Int[kept];
    if (decimals > 0) {
        if (kept > 0) p = PutUnsignedBackwards(p, n % scale, kept);
        *--p = '.';
    }
    p = PutUnsignedBackwards(p, n / scale, 1);
    if (negative && n != 0) *--p = '-';
    return std::string(p, end);
}

// Exact path for the rare cases the fast path cannot decide: the value's full
// decimal expansion, rounded as digits.
std::string FormatExact(bool negative, double a, int kept, int decimals) {
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, 80);
    std::string digits(buf, res.ptr);
    const auto dot = digits.find('.');
    std::string intPart = digits.substr(0, dot);
    std::string frac = dot == std::string::npos ? std::string() : digits.substr(dot + 1);
    std::string all = intPart + frac;
    // Position of the first dropped digit in `all`.
    const long cut = static_cast<long>(intPart.size()) + kept;
    std::string keptDigits;
    if (cut <= 0) {
        keptDigits = "0";
        if (cut == 0 && !all.empty() && all[0] >= '5') keptDigits = "1";
    } else {
        keptDigits = all.substr(0, static_cast<std::size_t>(cut));
        if (static_cast<std::size_t>(cut) < all.size() && all[static_cast<std::size_t>(cut)] >= '5') {
            long i = static_cast<long>(keptDigits.size()) - 1;
            while (i >= 0 && keptDigits[static_cast<std::size_t>(i)] == '9') keptDigits[static_cast<std::size_t>(i--)] = '0';
            if (i < 0) keptDigits.insert(keptDigits.begin(), '1');
            else ++keptDigits[static_cast<std::size_t>(i)];
        }
    }
    // keptDigits holds the rounded value times 10^kept (kept may be negative).
    std::string intText, fracText;
    if (kept >= 0) {
        while (static_cast<long>(keptDigits.size()) <= kept) keptDigits.insert(keptDigits.begin(), '0');
        intText = keptDigits.substr(0, keptDigits.size() - static_cast<std::size_t>(kept));
        fracText = keptDigits.substr(keptDigits.size() - static_cast<std::size_t>(kept));
    } else {
        intText = keptDigits + std::string(static_cast<std::size_t>(-kept), '0');
    }
    const auto nz = intText.find_first_not_of('0');
    intText = nz == std::string::npos ? "0" : intText.substr(nz);
    const bool zero = intText == "0" && fracText.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !zero) ? "-" : "";
    out += intText;
    if (decimals > 0) {
        out += '.';
        out += fracText;
        out.append(static_cast<std::size_t>(decimals) - fracText.size(), '0');
    }
    return out;
}

} // namespace

std::string FormatFixed(double value, int precision, int decimals) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const bool negative = std::signbit(value);
    const double a = std::fabs(value);
    int kept = decimals;
    const int room = precision - IntegerDigits(a);
    if (room < kept) kept = room;
    if (kept >= 0 && kept <= 15 && decimals <= 30) {  // Compose's buffer holds 30 decimals
        const double s = kPow10[kept];
        const double p = a * s;
        if (p < 4503599627370496.0) {  // 2^52: p - floor(p) is exact below it
            const double e = std::fma(a, s, -p);  // exact remainder of the product
            const double fl = std::floor(p);
            const double f = p - fl;
            const bool up = f > 0.5 || (f == 0.5 && e >= 0);
            const auto n = static_cast<std::uint64_t>(fl) + (up ? 1 : 0);
            return Compose(negative, n, kept, decimals);
        }
    }
    return FormatExact(negative, a, kept, decimals);
}

std::string FormatOneDecimal(double x) { return FormatFixed(x, 4, 1); }
std::string FormatTwoDecimals(double x) { return FormatFixed(x, 4, 2); }
std::string FormatNoDecimals(double x) { return FormatFixed(x, 4, 0); }

std::string FormatCountOrMissing(std::int16_t value) {
    return value < 0 ? std::string(MissingText) : std::to_string(value);
}

std::string FormatUvOrMissing(double x) { return x > 25 ? std::string(MissingText) : FormatOneDecimal(x); }

double FahrenheitToCelsius(double f) { return (f - 32) * 5 / 9; }
std::string FahrenheitToCelsiusText(double f) { return FormatOneDecimal((f - 32) * 5 / 9); }
std::string FahrenheitToCelsiusPlus18Text(double f) { return FormatOneDecimal((f - 32) * 5 / 9 + 18); }

double BarometerToHpa(std::int16_t raw) { return raw / 1000.0 * 25.4 * 1.33322; }
std::string BarometerToHpaText(std::int16_t raw) { return FormatFixed(BarometerToHpa(raw), 5, 1); }

double MphTenthsToKmh(std::int16_t raw) { return raw / 10.0 * 1.609; }
double InchThousandthsToMm(double raw) { return raw * 25.4 / 1000; }

int RainClicks(std::uint16_t rain) { return rain & 0x0FFF; }
std::uint16_t RainCollectorCode(std::uint16_t rain) { return static_cast<std::uint16_t>(rain & 0xF000); }

double RainMmPerClick(std::uint16_t rain) {
    switch (RainCollectorCode(rain)) {
        case 0x0000: return 2.54;
        case 0x1000: return 0.254;
        case 0x2000: return 0.2;
        case 0x3000: return 1.0;
        default: return 0.1;
    }
}

namespace {

std::string TwoCharacters(int v) {
    std::string t = std::to_string(v);
    if (t.size() == 1) return "0" + t;
    return t.substr(0, 2);
}

constexpr std::array<std::string_view, 16> kCompass = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                                       "S", "SSO", "SO", "OSO", "O", "ONO", "NO", "NNO"};

} // namespace

std::string MinutesToClockText(int minutes) {
    std::string t = TwoCharacters(minutes / 60) + ":" + TwoCharacters(minutes % 60);
    return t == "24:00" ? "23:59" : t;
}

std::string CompassCodeToText(std::uint8_t code) {
    if (code < kCompass.size()) return std::string(kCompass[code]);
    return code == 255 ? "Prb" : "";
}

std::uint8_t CompassTextToCode(std::string_view text) {
    for (std::size_t i = 0; i < kCompass.size(); ++i)
        if (kCompass[i] == text) return static_cast<std::uint8_t>(i);
    return 255;
}

namespace {

// Plain decimal texts ("-12.5", "1013.2", "0,8"): at most 15 digits and one
// separator. The digits then form an exact integer and the division by an
// exact power of ten rounds once, which gives the same correctly rounded
// double as the general path below, without its copies and scans.
bool ParsePlainDecimal(std::string_view text, double& out) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::uint64_t digits = 0;
    int count = 0, decimals = 0;
    bool separator = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            if (++count > 15) return false;
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            if (separator) ++decimals;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
        } else {
            return false;
        }
    }
    if (count == 0) return false;
    const double v = static_cast<double>(digits) / kPow10[decimals];
    out = negative ? -v : v;
    return true;
}

} // namespace

double ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (double plain; ParsePlainDecimal(text, plain)) return plain;
    std::string t(text);
    if (t.find('.') == std::string::npos) {
        const auto comma = t.find(',');
        if (comma != std::string::npos && t.find(',', comma + 1) == std::string::npos) t[comma] = '.';
    }
    std::size_t at = 0;
    bool negative = false;
    if (at < t.size() && (t[at] == '+' || t[at] == '-')) negative = t[at++] == '-';
    // from_chars would also take "inf" and "nan": only digits or a point may start a number.
    if (at >= t.size() || !((t[at] >= '0' && t[at] <= '9') || t[at] == '.')) return 0;
    double v = 0;
    const auto res = std::from_chars(t.data() + at, t.data() + t.size(), v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Overflow or underflow: tell them apart by the exponent's sign.
        const bool tiny = t.find("e-") != std::string::npos || t.find("E-") != std::string::npos;
        v = tiny ? 0.0 : HUGE_VAL;
    } else if (res.ec != std::errc()) {
        return 0;
    }
    return negative ? -v : v;
}

double RoundHalfEven(double x) { return std::nearbyint(x); }

std::int16_t ClampToInt16(double rounded) {
    if (!(rounded >= -32767)) return std::isnan(rounded) ? 0 : -32767;
    if (rounded > 32767) return 32767;
    return static_cast<std::int16_t>(rounded);
}

std::uint8_t ClampToUInt8(double rounded) {
    if (!(rounded >= 0)) return 0;
    if (rounded > 254) return 254;
    return static_cast<std::uint8_t>(rounded);
}

std::int16_t CelsiusTextToTenthsF(std::string_view text) {
    const double c = ParseNumber(text);
    return ClampToInt16(RoundHalfEven((c * 9 / 5 + 32) * 10));
}

double CelsiusTextToWholeF(std::string_view text) {
    const double c = ParseNumber(text);
    return RoundHalfEven(c * 9 / 5 + 32);
}

std::uint8_t CelsiusTextToByteTemperature(std::string_view text) {
    return ClampToUInt8(CelsiusTextToWholeF(text) + 90);
}

std::int16_t HpaTextToBarometer(std::string_view text) {
    return ClampToInt16(RoundHalfEven(ParseNumber(text) * 1000 / 33.863788));
}

int ParseStrictInteger(std::string_view text) {
    std::string_view t = text;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    if (t.size() > 1 && t.front() == '+' && t[1] >= '0' && t[1] <= '9') t.remove_prefix(1);
    int v = 0;
    const auto res = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || res.ec != std::errc() || res.ptr != t.data() + t.size())
        throw InvalidIntegerError("'" + std::string(text) + "' n'est pas une valeur entière valide");
    return v;
}

} // namespace pluvelle
