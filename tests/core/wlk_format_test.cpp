#include "core/wlk_format.h"

#include "month_fixture.h"

#include <gtest/gtest.h>

#include <random>

namespace pluvelle {
namespace {

TEST(PackedTwelveBit, UnpacksBothValuesOfATriple) {
    const std::uint8_t field[] = {0x10, 0x20, 0x53};
    EXPECT_EQ(PackedTwelveBit(field, 0), 784);   // 13:04
    EXPECT_EQ(PackedTwelveBit(field, 1), 1312);  // 21:52
}

TEST(PackedTwelveBit, SetThenGetKeepsTheNeighbour) {
    std::uint8_t field[6] = {};
    const int values[] = {4095, 0, 1440, 784};
    for (int i = 0; i < 4; ++i) SetPackedTwelveBit(field, i, values[i]);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(PackedTwelveBit(field, i), values[i]);
}

TEST(ArchiveRecordLayout, EveryFieldAtItsOffset) {
    RecordBytes b{};
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i + 1);
    const ArchiveRecord r = DecodeArchiveRecord(b.data());
    EXPECT_EQ(r.dataType, 1);
    EXPECT_EQ(r.archiveInterval, 2);
    EXPECT_EQ(r.packedTime, 5 + 6 * 256);
    EXPECT_EQ(r.barometer, 15 + 16 * 256);
    EXPECT_EQ(r.rain, 21 + 22 * 256);
    EXPECT_EQ(r.windDirection, 29);
    EXPECT_EQ(r.solarRad, 33 + 34 * 256);
    EXPECT_EQ(r.uv, 37);
    EXPECT_EQ(r.leafTemp[3], 42);
    EXPECT_EQ(r.extraRad, 43 + 44 * 256);
    EXPECT_EQ(r.newSensors[5], 55 + 56 * 256);
    EXPECT_EQ(r.forecast, 57);
    EXPECT_EQ(r.et, 58);
    EXPECT_EQ(r.soilTemp[0], 59);
    EXPECT_EQ(r.soilMoisture[0], 65);
    EXPECT_EQ(r.leafWetness[0], 71);
    EXPECT_EQ(r.extraTemp[6], 81);
    EXPECT_EQ(r.extraHum[0], 82);
    EXPECT_EQ(r.extraHum[6], 88);
}

TEST(ArchiveRecordLayout, RandomBytesSurviveDecodeEncode) {
    std::mt19937 rng(7);
    for (int n = 0; n < 200; ++n) {
        RecordBytes b;
        for (auto& x : b) x = static_cast<std::uint8_t>(rng());
        EXPECT_EQ(EncodeArchiveRecord(DecodeArchiveRecord(b.data())), b);
    }
}

TEST(SummaryLayout, CoolDegreeDaysStraddleAnOddOffset) {
    RecordBytes b{};
    b[0] = 3;
    b[75] = 0x34;
    b[76] = 0x12;
    EXPECT_EQ(DecodeDailySummary2(b.data()).coolDegreeDays, 0x1234);
    EXPECT_EQ(EncodeDailySummary2(DecodeDailySummary2(b.data())), b);
}

TEST(SummaryLayout, SummariesSurviveDecodeEncodeExceptReservedBytes) {
    std::mt19937 rng(11);
    for (int n = 0; n < 50; ++n) {
        RecordBytes b;
        for (auto& x : b) x = static_cast<std::uint8_t>(rng());
        b[1] = 0;  // reserved
        RecordBytes s1 = b;
        EXPECT_EQ(EncodeDailySummary1(DecodeDailySummary1(s1.data())), s1);
        RecordBytes s2 = b;
        std::fill(s2.begin() + 77, s2.end(), 0);  // reserved tail
        EXPECT_EQ(EncodeDailySummary2(DecodeDailySummary2(s2.data())), s2);
    }
}

TEST(HeaderLayout, DayIndexEntriesAreSixBytesApart) {
    MonthFile m = testing::MakeMonth({{3, testing::RecordsEvery(5, 5, 20)}, {5, testing::RecordsEvery(5, 5, 10)}});
    const HeaderBytes b = EncodeHeader(m.header);
    EXPECT_EQ(b[16], 4 + 2 + 2 + 2);  // totalRecords
    EXPECT_EQ(b[20 + 6 * 3], 6);       // day 3: 4 records + 2 summaries
    EXPECT_EQ(b[20 + 6 * 5], 4);
    EXPECT_EQ(b[20 + 6 * 5 + 2], 6);   // day 5 starts after day 3's six records
    EXPECT_EQ(EncodeHeader(DecodeHeader(b.data())), b);
}

} // namespace
} // namespace pluvelle
