#include "record_text.h"

#include "conversions.h"
#include "errors.h"

#include <array>

namespace pluvelle {

namespace {

std::string Missing() { return std::string(MissingText); }

std::string TwoDigits(int v) {
    std::string t = std::to_string(v);
    return t.size() == 1 ? "0" + t : t;
}

// Whole °F + 90 in a byte; 255 (165 °F, "73.9") is the sensor's no-data code.
std::string ByteTemperatureText(std::uint8_t b) {
    std::string t = FahrenheitToCelsiusText(b - 90);
    return t == "73.9" ? Missing() : t;
}

std::string ByteCountText(std::uint8_t b) { return b == 255 ? Missing() : FormatNoDecimals(b); }

std::string TenthsFText(std::int16_t v) { return v == kNoData16 ? Missing() : FahrenheitToCelsiusText(v / 10.0); }

std::string HumidityText(std::int16_t v) { return v == kNoData16 ? Missing() : FormatNoDecimals(v / 10.0); }

// The byte-wide columns have 256 possible texts each: computed once by the
// rules above, then copied (a month shows them hundreds of thousands of times).
struct ByteTexts {
    std::array<std::string, 256> temperature, count, uv, number, et;
};

const ByteTexts& Bytes() {
    static const ByteTexts texts = [] {
        ByteTexts t;
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<std::uint8_t>(b);
            t.temperature[b] = ByteTemperatureText(byte);
            t.count[b] = ByteCountText(byte);
            t.uv[b] = FormatUvOrMissing(b / 10.0);
            t.number[b] = FormatNoDecimals(b);
            t.et[b] = FormatTwoDecimals(InchThousandthsToMm(b));
        }
        return t;
    }();
    return texts;
}

} // namespace

std::string RecordTimeText(const std::string& dayDateText, int packedTime) {
    return dayDateText + " " + TwoDigits(packedTime / 60) + ":" + TwoDigits(packedTime % 60);
}

std::string FormatRecordCell(const ArchiveRecord& r, int col) {
    const double perClick = RainMmPerClick(r.rain);
    const ByteTexts& bytes = Bytes();
    switch (col) {
        case 1: return TenthsFText(r.outsideTemp);
        case 2: return TenthsFText(r.hiOutsideTemp);
        case 3: return TenthsFText(r.lowOutsideTemp);
        case 4: return TenthsFText(r.insideTemp);
        case 5: return r.barometer == 0 ? Missing() : BarometerToHpaText(r.barometer);
        case 6: return HumidityText(r.outsideHum);
        case 7: return HumidityText(r.insideHum);
        case 8: return FormatOneDecimal(RainClicks(r.rain) * perClick);
        case 9: return FormatOneDecimal(r.hiRainRate * perClick);
        case 10: return FormatOneDecimal(MphTenthsToKmh(r.windSpeed));
        case 11: return FormatOneDecimal(MphTenthsToKmh(r.hiWindSpeed));
        case 12: return CompassCodeToText(r.windDirection);
        case 13: return CompassCodeToText(r.hiWindDirection);
        case 14: return FormatNoDecimals(r.numWindSamples);
        case 15: return FormatCountOrMissing(r.solarRad);
        case 16: return FormatCountOrMissing(r.hiSolarRad);
        case 17: return bytes.uv[r.uv];
        case 18: return bytes.uv[r.hiUv];
        case 23: return r.extraRad == kNoData16 ? Missing() : FormatNoDecimals(r.extraRad);
        case 24: return bytes.number[r.forecast];
        case 25: return bytes.et[r.et];
        default: break;
    }
    if (col >= 19 && col <= 22) return bytes.temperature[r.leafTemp[col - 19]];
    if (col >= 26 && col <= 31) return bytes.temperature[r.soilTemp[col - 26]];
    if (col >= 32 && col <= 37) return bytes.count[r.soilMoisture[col - 32]];
    if (col >= 38 && col <= 41) return bytes.count[r.leafWetness[col - 38]];
    if (col >= 42 && col <= 44) return bytes.temperature[r.extraTemp[col - 42]];
    if (col >= 45 && col <= 46) return bytes.count[r.extraHum[col - 45]];
    return std::string();
}

void FormatRecordRow(const ArchiveRecord& record, const std::string& dayDateText, MonthTable& table, int row) {
    table.setCell(row, 0, RecordTimeText(dayDateText, record.packedTime));
    for (int col = 1; col < kColumnCount; ++col) table.setCell(row, col, FormatRecordCell(record, col));
}

namespace {

bool IsMissing(const std::string& t) { return t == MissingText; }

// Evapotranspiration has 0 as its no-data code, so the whole byte is usable.
std::uint8_t ClampToByte(double v) { return v >= 255 ? 255 : ClampToUInt8(v); }

std::int16_t TenthsF(const std::string& t) { return IsMissing(t) ? kNoData16 : CelsiusTextToTenthsF(t); }
std::int16_t Times10(const std::string& t) { return ClampToInt16(RoundHalfEven(ParseNumber(t) * 10)); }
std::int16_t Whole16(const std::string& t) { return ClampToInt16(RoundHalfEven(ParseNumber(t))); }
std::uint8_t Whole8(const std::string& t) { return IsMissing(t) ? kNoData8 : ClampToUInt8(RoundHalfEven(ParseNumber(t))); }
// The forecast shows its no-data code as the number 255 (no "- -"): that
// text must save back as 255, or an unedited month loses the code.
std::uint8_t ForecastByte(const std::string& t) {
    if (IsMissing(t)) return kNoData8;
    const double v = RoundHalfEven(ParseNumber(t));
    return v == kNoData8 ? kNoData8 : ClampToUInt8(v);
}
std::uint8_t ByteTemp(const std::string& t) { return IsMissing(t) ? kNoData8 : CelsiusTextToByteTemperature(t); }
std::int16_t KmhToTenthsMph(const std::string& t) {
    return IsMissing(t) ? 0 : ClampToInt16(RoundHalfEven(ParseNumber(t) * 10 / 1.609));
}

std::uint16_t RainWord(const std::string& t, std::uint16_t rainCode, double mmPerClick) {
    if (IsMissing(t)) return 0x2000;
    double clicks = RoundHalfEven(ParseNumber(t) / mmPerClick);
    if (!(clicks >= 0)) clicks = 0;
    if (clicks > 0x0FFF) clicks = 0x0FFF;
    return static_cast<std::uint16_t>(rainCode | static_cast<std::uint16_t>(clicks));
}

std::int16_t WindSamples(const MonthTable& table, int row) {
    const std::string& t = table.cell(row, 14);
    if (IsMissing(t)) return 0;
    try {
        return ClampToInt16(ParseStrictInteger(t));
    } catch (const InvalidIntegerError& e) {
        throw InvalidIntegerError(std::string(e.what()) + " (ligne " + std::to_string(row) + ", colonne NbRelVent)");
    }
}

} // namespace

void ParseRecordRow(const MonthTable& table, int row, std::uint16_t rainCode, double mmPerClick, ArchiveRecord& r) {
    auto c = [&](int col) -> const std::string& { return table.cell(row, col); };
    r.outsideTemp = TenthsF(c(1));
    r.hiOutsideTemp = TenthsF(c(2));
    r.lowOutsideTemp = TenthsF(c(3));
    r.insideTemp = TenthsF(c(4));
    r.barometer = IsMissing(c(5)) ? 0 : HpaTextToBarometer(c(5));
    r.outsideHum = IsMissing(c(6)) ? kNoData16 : Times10(c(6));
    r.insideHum = IsMissing(c(7)) ? kNoData16 : Times10(c(7));
    r.rain = RainWord(c(8), rainCode, mmPerClick);
    r.hiRainRate = IsMissing(c(9)) ? 0 : ClampToInt16(RoundHalfEven(ParseNumber(c(9)) / mmPerClick));
    r.windSpeed = KmhToTenthsMph(c(10));
    r.hiWindSpeed = KmhToTenthsMph(c(11));
    r.windDirection = CompassTextToCode(c(12));
    r.hiWindDirection = CompassTextToCode(c(13));
    r.numWindSamples = WindSamples(table, row);
    r.solarRad = IsMissing(c(15)) ? kNoData16 : Whole16(c(15));
    r.hiSolarRad = IsMissing(c(16)) ? kNoData16 : Whole16(c(16));
    r.uv = IsMissing(c(17)) ? kNoData8 : ClampToUInt8(RoundHalfEven(ParseNumber(c(17)) * 10));
    r.hiUv = IsMissing(c(18)) ? kNoData8 : ClampToUInt8(RoundHalfEven(ParseNumber(c(18)) * 10));
    for (int i = 0; i < 4; ++i) r.leafTemp[i] = ByteTemp(c(19 + i));
    r.extraRad = IsMissing(c(23)) ? kNoData16 : Whole16(c(23));
    r.forecast = ForecastByte(c(24));
    r.et = IsMissing(c(25)) ? 0 : ClampToByte(RoundHalfEven(ParseNumber(c(25)) / 25.4 * 1000));
    for (int i = 0; i < 6; ++i) r.soilTemp[i] = ByteTemp(c(26 + i));
    for (int i = 0; i < 6; ++i) r.soilMoisture[i] = Whole8(c(32 + i));
    for (int i = 0; i < 4; ++i) r.leafWetness[i] = Whole8(c(38 + i));
    for (int i = 0; i < 3; ++i) r.extraTemp[i] = ByteTemp(c(42 + i));
    for (int i = 0; i < 2; ++i) r.extraHum[i] = Whole8(c(45 + i));
}

} // namespace pluvelle
