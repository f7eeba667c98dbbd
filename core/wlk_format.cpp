#include "wlk_format.h"

#include "binary_io.h"

#include <algorithm>

namespace pluvelle {

using namespace le;

WlkHeader DecodeHeader(const std::uint8_t* b) {
    WlkHeader h;
    std::copy(b, b + 16, h.idCode.begin());
    h.totalRecords = I32(b, 16);
    for (int d = 0; d < kDaysInIndex; ++d) {
        const std::size_t at = 20 + 6 * static_cast<std::size_t>(d);
        h.dayIndex[d].recordsInDay = I16(b, at);
        h.dayIndex[d].startPos = I32(b, at + 2);
    }
    return h;
}

HeaderBytes EncodeHeader(const WlkHeader& h) {
    HeaderBytes b{};
    std::copy(h.idCode.begin(), h.idCode.end(), b.begin());
    PutI32(b.data(), 16, h.totalRecords);
    for (int d = 0; d < kDaysInIndex; ++d) {
        const std::size_t at = 20 + 6 * static_cast<std::size_t>(d);
        PutI16(b.data(), at, h.dayIndex[d].recordsInDay);
        PutI32(b.data(), at + 2, h.dayIndex[d].startPos);
    }
    return b;
}

namespace {

template <std::size_t N>
void ReadBytes(const std::uint8_t* b, std::size_t at, std::array<std::uint8_t, N>& out) {
    std::copy(b + at, b + at + N, out.begin());
}
template <std::size_t N>
void WriteBytes(std::uint8_t* b, std::size_t at, const std::array<std::uint8_t, N>& in) {
    std::copy(in.begin(), in.end(), b + at);
}

} // namespace

void SetOptionalSensorsMissing(ArchiveRecord& r) {
    r.extraRad = -32768;
    r.newSensors.fill(-32768);
    r.leafTemp.fill(255);
    r.soilTemp.fill(255);
    r.soilMoisture.fill(255);
    r.leafWetness.fill(255);
    r.extraTemp.fill(255);
    r.extraHum.fill(255);
}

ArchiveRecord DecodeArchiveRecord(const std::uint8_t* b) {
    ArchiveRecord r;
    r.dataType = U8(b, 0);
    r.archiveInterval = U8(b, 1);
    r.iconFlags = U8(b, 2);
    r.moreFlags = U8(b, 3);
    r.packedTime = I16(b, 4);
    r.outsideTemp = I16(b, 6);
    r.hiOutsideTemp = I16(b, 8);
    r.lowOutsideTemp = I16(b, 10);
    r.insideTemp = I16(b, 12);
    r.barometer = I16(b, 14);
    r.outsideHum = I16(b, 16);
    r.insideHum = I16(b, 18);
    r.rain = U16(b, 20);
    r.hiRainRate = I16(b, 22);
    r.windSpeed = I16(b, 24);
    r.hiWindSpeed = I16(b, 26);
    r.windDirection = U8(b, 28);
    r.hiWindDirection = U8(b, 29);
    r.numWindSamples = I16(b, 30);
    r.solarRad = I16(b, 32);
    r.hiSolarRad = I16(b, 34);
    r.uv = U8(b, 36);
    r.hiUv = U8(b, 37);
    ReadBytes(b, 38, r.leafTemp);
    r.extraRad = I16(b, 42);
    for (std::size_t i = 0; i < r.newSensors.size(); ++i) r.newSensors[i] = I16(b, 44 + 2 * i);
    r.forecast = U8(b, 56);
    r.et = U8(b, 57);
    ReadBytes(b, 58, r.soilTemp);
    ReadBytes(b, 64, r.soilMoisture);
    ReadBytes(b, 70, r.leafWetness);
    ReadBytes(b, 74, r.extraTemp);
    ReadBytes(b, 81, r.extraHum);
    return r;
}

void EncodeArchiveRecord(const ArchiveRecord& r, std::uint8_t* b) {
    PutU8(b, 0, r.dataType);
    PutU8(b, 1, r.archiveInterval);
    PutU8(b, 2, r.iconFlags);
    PutU8(b, 3, r.moreFlags);
    PutI16(b, 4, r.packedTime);
    PutI16(b, 6, r.outsideTemp);
    PutI16(b, 8, r.hiOutsideTemp);
    PutI16(b, 10, r.lowOutsideTemp);
    PutI16(b, 12, r.insideTemp);
    PutI16(b, 14, r.barometer);
    PutI16(b, 16, r.outsideHum);
    PutI16(b, 18, r.insideHum);
    PutU16(b, 20, r.rain);
    PutI16(b, 22, r.hiRainRate);
    PutI16(b, 24, r.windSpeed);
    PutI16(b, 26, r.hiWindSpeed);
    PutU8(b, 28, r.windDirection);
    PutU8(b, 29, r.hiWindDirection);
    PutI16(b, 30, r.numWindSamples);
    PutI16(b, 32, r.solarRad);
    PutI16(b, 34, r.hiSolarRad);
    PutU8(b, 36, r.uv);
    PutU8(b, 37, r.hiUv);
    WriteBytes(b, 38, r.leafTemp);
    PutI16(b, 42, r.extraRad);
    for (std::size_t i = 0; i < r.newSensors.size(); ++i) PutI16(b, 44 + 2 * i, r.newSensors[i]);
    PutU8(b, 56, r.forecast);
    PutU8(b, 57, r.et);
    WriteBytes(b, 58, r.soilTemp);
    WriteBytes(b, 64, r.soilMoisture);
    WriteBytes(b, 70, r.leafWetness);
    WriteBytes(b, 74, r.extraTemp);
    WriteBytes(b, 81, r.extraHum);
}

RecordBytes EncodeArchiveRecord(const ArchiveRecord& record) {
    RecordBytes b{};
    EncodeArchiveRecord(record, b.data());
    return b;
}

int PackedTwelveBit(const std::uint8_t* field, int index) {
    const std::uint8_t* t = field + 3 * (index / 2);
    if (index % 2 == 0) return t[0] + 256 * (t[2] & 0x0F);
    return t[1] + 256 * (t[2] >> 4);
}

void SetPackedTwelveBit(std::uint8_t* field, int index, int value) {
    std::uint8_t* t = field + 3 * (index / 2);
    const auto v = static_cast<unsigned>(value) & 0x0FFFu;
    if (index % 2 == 0) {
        t[0] = static_cast<std::uint8_t>(v & 0xFF);
        t[2] = static_cast<std::uint8_t>((t[2] & 0xF0) | (v >> 8));
    } else {
        t[1] = static_cast<std::uint8_t>(v & 0xFF);
        t[2] = static_cast<std::uint8_t>((t[2] & 0x0F) | ((v >> 8) << 4));
    }
}

DailySummary1 DecodeDailySummary1(const std::uint8_t* b) {
    DailySummary1 s;
    s.dataType = U8(b, 0);
    s.dataSpan = I16(b, 2);
    s.hiOutTemp = I16(b, 4);
    s.lowOutTemp = I16(b, 6);
    s.hiInTemp = I16(b, 8);
    s.lowInTemp = I16(b, 10);
    s.avgOutTemp = I16(b, 12);
    s.avgInTemp = I16(b, 14);
    s.hiChill = I16(b, 16);
    s.lowChill = I16(b, 18);
    s.hiDew = I16(b, 20);
    s.lowDew = I16(b, 22);
    s.avgChill = I16(b, 24);
    s.avgDew = I16(b, 26);
    s.hiOutHum = I16(b, 28);
    s.lowOutHum = I16(b, 30);
    s.hiInHum = I16(b, 32);
    s.lowInHum = I16(b, 34);
    s.avgOutHum = I16(b, 36);
    s.hiBar = I16(b, 38);
    s.lowBar = I16(b, 40);
    s.avgBar = I16(b, 42);
    s.hiSpeed = I16(b, 44);
    s.avgSpeed = I16(b, 46);
    s.dailyWindRun = I16(b, 48);
    s.hi10MinSpeed = I16(b, 50);
    s.dirHiSpeed = U8(b, 52);
    s.hi10MinDir = U8(b, 53);
    s.dailyRainTotal = I16(b, 54);
    s.dailyHiRainRate = I16(b, 56);
    s.dailyUvDose = I16(b, 58);
    s.dailyHiUv = U8(b, 60);
    for (int i = 0; i < 18; ++i) s.timeValues1[i] = PackedTwelveBit(b + 61, i);
    return s;
}

RecordBytes EncodeDailySummary1(const DailySummary1& s) {
    RecordBytes out{};
    std::uint8_t* b = out.data();
    PutU8(b, 0, s.dataType);
    PutI16(b, 2, s.dataSpan);
    const std::int16_t words[] = {s.hiOutTemp, s.lowOutTemp, s.hiInTemp,  s.lowInTemp, s.avgOutTemp, s.avgInTemp,
                                  s.hiChill,   s.lowChill,   s.hiDew,     s.lowDew,    s.avgChill,   s.avgDew,
                                  s.hiOutHum,  s.lowOutHum,  s.hiInHum,   s.lowInHum,  s.avgOutHum,  s.hiBar,
                                  s.lowBar,    s.avgBar,     s.hiSpeed,   s.avgSpeed,  s.dailyWindRun, s.hi10MinSpeed};
    for (std::size_t i = 0; i < std::size(words); ++i) PutI16(b, 4 + 2 * i, words[i]);
    PutU8(b, 52, s.dirHiSpeed);
    PutU8(b, 53, s.hi10MinDir);
    PutI16(b, 54, s.dailyRainTotal);
    PutI16(b, 56, s.dailyHiRainRate);
    PutI16(b, 58, s.dailyUvDose);
    PutU8(b, 60, s.dailyHiUv);
    for (int i = 0; i < 18; ++i) SetPackedTwelveBit(b + 61, i, s.timeValues1[i]);
    return out;
}

DailySummary2 DecodeDailySummary2(const std::uint8_t* b) {
    DailySummary2 s;
    s.dataType = U8(b, 0);
    s.todaysWeather = U16(b, 2);
    s.numWindPackets = I16(b, 4);
    s.hiSolar = I16(b, 6);
    s.dailySolarEnergy = I16(b, 8);
    s.minSunlight = I16(b, 10);
    s.dailyEtTotal = I16(b, 12);
    s.hiHeat = I16(b, 14);
    s.lowHeat = I16(b, 16);
    s.avgHeat = I16(b, 18);
    s.hiThsw = I16(b, 20);
    s.lowThsw = I16(b, 22);
    s.hiThw = I16(b, 24);
    s.lowThw = I16(b, 26);
    s.heatDegreeDays = I16(b, 28);
    s.hiWetBulb = I16(b, 30);
    s.lowWetBulb = I16(b, 32);
    s.avgWetBulb = I16(b, 34);
    for (int i = 0; i < 16; ++i) s.dirBins[i] = PackedTwelveBit(b + 36, i);
    for (int i = 0; i < 10; ++i) s.timeValues2[i] = PackedTwelveBit(b + 60, i);
    s.coolDegreeDays = I16(b, 75);
    return s;
}

RecordBytes EncodeDailySummary2(const DailySummary2& s) {
    RecordBytes out{};
    std::uint8_t* b = out.data();
    PutU8(b, 0, s.dataType);
    PutU16(b, 2, s.todaysWeather);
    const std::int16_t words[] = {s.numWindPackets, s.hiSolar,  s.dailySolarEnergy, s.minSunlight,   s.dailyEtTotal,
                                  s.hiHeat,         s.lowHeat,  s.avgHeat,          s.hiThsw,        s.lowThsw,
                                  s.hiThw,          s.lowThw,   s.heatDegreeDays,   s.hiWetBulb,     s.lowWetBulb,
                                  s.avgWetBulb};
    for (std::size_t i = 0; i < std::size(words); ++i) PutI16(b, 4 + 2 * i, words[i]);
    for (int i = 0; i < 16; ++i) SetPackedTwelveBit(b + 36, i, s.dirBins[i]);
    for (int i = 0; i < 10; ++i) SetPackedTwelveBit(b + 60, i, s.timeValues2[i]);
    PutI16(b, 75, s.coolDegreeDays);
    return out;
}

} // namespace pluvelle
