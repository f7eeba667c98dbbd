#pragma once
// The WLK monthly archive: a 212-byte header with a day index, then for each
// day with data two daily summaries and the day's 88-byte archive records.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pluvelle {

inline constexpr std::size_t kHeaderSize = 212;
inline constexpr std::size_t kRecordSize = 88;
inline constexpr int kDaysInIndex = 32;  // entry 0 unused, 1..31 are the days
// A day at a 1-minute archive interval holds 1440 records; loggers write no more.
inline constexpr int kMaxArchivePerDay = 1440;
inline constexpr int kMaxRecordsInDay = kMaxArchivePerDay + 2;

using RecordBytes = std::array<std::uint8_t, kRecordSize>;
using HeaderBytes = std::array<std::uint8_t, kHeaderSize>;

struct DayIndexEntry {
    std::int16_t recordsInDay = 0;
    std::int32_t startPos = 0;
};

struct WlkHeader {
    std::array<std::uint8_t, 16> idCode{};
    std::int32_t totalRecords = 0;
    std::array<DayIndexEntry, kDaysInIndex> dayIndex{};
};

WlkHeader DecodeHeader(const std::uint8_t* bytes);
HeaderBytes EncodeHeader(const WlkHeader& header);

struct ArchiveRecord {
    std::uint8_t dataType = 1;
    std::uint8_t archiveInterval = 0;
    std::uint8_t iconFlags = 0;
    std::uint8_t moreFlags = 0;
    std::int16_t packedTime = 0;
    std::int16_t outsideTemp = 0;
    std::int16_t hiOutsideTemp = 0;
    std::int16_t lowOutsideTemp = 0;
    std::int16_t insideTemp = 0;
    std::int16_t barometer = 0;
    std::int16_t outsideHum = 0;
    std::int16_t insideHum = 0;
    std::uint16_t rain = 0;
    std::int16_t hiRainRate = 0;
    std::int16_t windSpeed = 0;
    std::int16_t hiWindSpeed = 0;
    std::uint8_t windDirection = 0;
    std::uint8_t hiWindDirection = 0;
    std::int16_t numWindSamples = 0;
    std::int16_t solarRad = 0;
    std::int16_t hiSolarRad = 0;
    std::uint8_t uv = 0;
    std::uint8_t hiUv = 0;
    std::array<std::uint8_t, 4> leafTemp{};
    std::int16_t extraRad = 0;
    std::array<std::int16_t, 6> newSensors{};
    std::uint8_t forecast = 0;
    std::uint8_t et = 0;
    std::array<std::uint8_t, 6> soilTemp{};
    std::array<std::uint8_t, 6> soilMoisture{};
    std::array<std::uint8_t, 4> leafWetness{};
    std::array<std::uint8_t, 7> extraTemp{};
    std::array<std::uint8_t, 7> extraHum{};

    bool operator==(const ArchiveRecord&) const = default;
};

// Sets the sensors many stations lack (extra radiation, the new sensors,
// leaf, soil and extra temperature/humidity stations) to their no-data codes.
void SetOptionalSensorsMissing(ArchiveRecord& r);

ArchiveRecord DecodeArchiveRecord(const std::uint8_t* bytes);
RecordBytes EncodeArchiveRecord(const ArchiveRecord& record);
void EncodeArchiveRecord(const ArchiveRecord& record, std::uint8_t* out);

// Reads value `index` of a field packed two 12-bit values per three bytes.
int PackedTwelveBit(const std::uint8_t* field, int index);
void SetPackedTwelveBit(std::uint8_t* field, int index, int value);

struct DailySummary1 {
    std::uint8_t dataType = 2;
    std::int16_t dataSpan = 0;
    std::int16_t hiOutTemp = 0, lowOutTemp = 0, hiInTemp = 0, lowInTemp = 0;
    std::int16_t avgOutTemp = 0, avgInTemp = 0;
    std::int16_t hiChill = 0, lowChill = 0, hiDew = 0, lowDew = 0, avgChill = 0, avgDew = 0;
    std::int16_t hiOutHum = 0, lowOutHum = 0, hiInHum = 0, lowInHum = 0, avgOutHum = 0;
    std::int16_t hiBar = 0, lowBar = 0, avgBar = 0;
    std::int16_t hiSpeed = 0, avgSpeed = 0, dailyWindRun = 0, hi10MinSpeed = 0;
    std::uint8_t dirHiSpeed = 0, hi10MinDir = 0;
    std::int16_t dailyRainTotal = 0, dailyHiRainRate = 0, dailyUvDose = 0;
    std::uint8_t dailyHiUv = 0;
    std::array<int, 18> timeValues1{};  // minutes of the day, unpacked
};

struct DailySummary2 {
    std::uint8_t dataType = 3;
    std::uint16_t todaysWeather = 0;
    std::int16_t numWindPackets = 0, hiSolar = 0, dailySolarEnergy = 0, minSunlight = 0, dailyEtTotal = 0;
    std::int16_t hiHeat = 0, lowHeat = 0, avgHeat = 0, hiThsw = 0, lowThsw = 0, hiThw = 0, lowThw = 0;
    std::int16_t heatDegreeDays = 0, hiWetBulb = 0, lowWetBulb = 0, avgWetBulb = 0;
    std::array<int, 16> dirBins{};      // minutes per compass point, unpacked
    std::array<int, 10> timeValues2{};  // minutes of the day, unpacked
    std::int16_t coolDegreeDays = 0;
};

// Summaries are kept as the raw bytes read (saving writes them back untouched);
// these views decode them for the exports.
DailySummary1 DecodeDailySummary1(const std::uint8_t* bytes);
DailySummary2 DecodeDailySummary2(const std::uint8_t* bytes);
RecordBytes EncodeDailySummary1(const DailySummary1& s);
RecordBytes EncodeDailySummary2(const DailySummary2& s);

} // namespace pluvelle
