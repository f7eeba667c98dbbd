#include "core/record_text.h"

#include "month_fixture.h"

#include <gtest/gtest.h>

namespace pluvelle {
namespace {

using testing::SampleRecord;

TEST(RecordText, SampleRowInMetricUnits) {
    MonthTable t;
    FormatRecordRow(SampleRecord(785), "05/07/2014", t, 1);
    const char* expected[] = {"05/07/2014 13:05", "20.0", "20.3", "19.8", "21.1", "1013.2", "65", "45", "0.0", "0.0",
                              "8.0", "19.3", "E", "ESE", "117", "300", "350", "2.0", "2.5", "- -", "- -", "- -", "- -",
                              "- -", "8", "0.05"};
    for (int c = 0; c < 26; ++c) EXPECT_EQ(t.cell(1, c), expected[c]) << "column " << c;
    for (int c = 26; c < kColumnCount; ++c) EXPECT_EQ(t.cell(1, c), "- -") << "column " << c;
}

TEST(RecordText, MissingAndEdgeValuesPerColumn) {
    struct Case {
        const char* what;
        void (*set)(ArchiveRecord&);
        int col;
        const char* text;
    };
    const Case cases[] = {
        {"soil 255", [](ArchiveRecord& r) { r.soilTemp[0] = 255; }, 26, "- -"},
        {"soil 254", [](ArchiveRecord& r) { r.soilTemp[0] = 254; }, 26, "73.3"},
        {"dir 255", [](ArchiveRecord& r) { r.windDirection = 255; }, 12, "Prb"},
        {"dir 16", [](ArchiveRecord& r) { r.windDirection = 16; }, 12, ""},
        {"solar -1", [](ArchiveRecord& r) { r.solarRad = -1; }, 15, "- -"},
        {"solar 0", [](ArchiveRecord& r) { r.solarRad = 0; }, 15, "0"},
        {"uv 251", [](ArchiveRecord& r) { r.uv = 251; }, 17, "- -"},
        {"uv 250", [](ArchiveRecord& r) { r.uv = 250; }, 17, "25.0"},
        {"extraRad none", [](ArchiveRecord& r) { r.extraRad = -32768; }, 23, "- -"},
        {"extraRad 0", [](ArchiveRecord& r) { r.extraRad = 0; }, 23, "0"},
        {"temp none", [](ArchiveRecord& r) { r.outsideTemp = -32768; }, 1, "- -"},
        {"hi temp none", [](ArchiveRecord& r) { r.hiOutsideTemp = -32768; }, 2, "- -"},
        {"inside none", [](ArchiveRecord& r) { r.insideTemp = -32768; }, 4, "- -"},
        {"temp 32767", [](ArchiveRecord& r) { r.outsideTemp = 32767; }, 1, "1803.0"},
        {"bar 0", [](ArchiveRecord& r) { r.barometer = 0; }, 5, "- -"},
        {"hum none", [](ArchiveRecord& r) { r.outsideHum = -32768; }, 6, "- -"},
        {"hum 873", [](ArchiveRecord& r) { r.outsideHum = 873; }, 6, "87"},
        {"rain 0x1003", [](ArchiveRecord& r) { r.rain = 0x1003; }, 8, "0.8"},
        {"rate own collector", [](ArchiveRecord& r) { r.rain = 0x1000; r.hiRainRate = 10; }, 9, "2.5"},
        {"leaf wetness 255", [](ArchiveRecord& r) { r.leafWetness[1] = 255; }, 39, "- -"},
        {"extra hum 40", [](ArchiveRecord& r) { r.extraHum[1] = 40; }, 46, "40"},
        {"midnight", [](ArchiveRecord& r) { r.packedTime = 1440; }, 0, "01/01/2026 24:00"},
    };
    for (const auto& c : cases) {
        ArchiveRecord r = SampleRecord(600);
        c.set(r);
        MonthTable t;
        FormatRecordRow(r, "01/01/2026", t, 1);
        EXPECT_EQ(t.cell(1, c.col), c.text) << c.what;
    }
}

TEST(RecordText, EditedCellsReachTheirField) {
    struct Case {
        int col;
        const char* text;
        bool (*check)(const ArchiveRecord&);
    };
    const Case cases[] = {
        {1, "0.0", [](const ArchiveRecord& r) { return r.outsideTemp == 320; }},
        {1, "- -", [](const ArchiveRecord& r) { return r.outsideTemp == -32768; }},
        {3, "-17.8", [](const ArchiveRecord& r) { return r.lowOutsideTemp == 0; }},
        {5, "1013.2", [](const ArchiveRecord& r) { return r.barometer == 29920; }},
        {5, "- -", [](const ArchiveRecord& r) { return r.barometer == 0; }},
        {6, "87", [](const ArchiveRecord& r) { return r.outsideHum == 870; }},
        {7, "- -", [](const ArchiveRecord& r) { return r.insideHum == -32768; }},
        {8, "1.0", [](const ArchiveRecord& r) { return r.rain == 0x2005; }},
        {8, "- -", [](const ArchiveRecord& r) { return r.rain == 0x2000; }},
        {8, "9999", [](const ArchiveRecord& r) { return r.rain == 0x2FFF; }},
        {9, "2.4", [](const ArchiveRecord& r) { return r.hiRainRate == 12; }},
        {10, "16.1", [](const ArchiveRecord& r) { return r.windSpeed == 100; }},
        {11, "- -", [](const ArchiveRecord& r) { return r.hiWindSpeed == 0; }},
        {12, "- -", [](const ArchiveRecord& r) { return r.windDirection == 255; }},
        {13, "Prb", [](const ArchiveRecord& r) { return r.hiWindDirection == 255; }},
        {13, "NNO", [](const ArchiveRecord& r) { return r.hiWindDirection == 15; }},
        {14, "- -", [](const ArchiveRecord& r) { return r.numWindSamples == 0; }},
        {15, "- -", [](const ArchiveRecord& r) { return r.solarRad == -32768; }},
        {16, "812", [](const ArchiveRecord& r) { return r.hiSolarRad == 812; }},
        {17, "3.5", [](const ArchiveRecord& r) { return r.uv == 35; }},
        {18, "- -", [](const ArchiveRecord& r) { return r.hiUv == 255; }},
        {19, "20.0", [](const ArchiveRecord& r) { return r.leafTemp[0] == 158; }},
        {22, "- -", [](const ArchiveRecord& r) { return r.leafTemp[3] == 255; }},
        {23, "-4", [](const ArchiveRecord& r) { return r.extraRad == -4; }},
        {24, "- -", [](const ArchiveRecord& r) { return r.forecast == 255; }},
        {24, "300", [](const ArchiveRecord& r) { return r.forecast == 254; }},
        {25, "0.25", [](const ArchiveRecord& r) { return r.et == 10; }},
        {25, "- -", [](const ArchiveRecord& r) { return r.et == 0; }},
        {31, "0.0", [](const ArchiveRecord& r) { return r.soilTemp[5] == 122; }},
        {32, "12", [](const ArchiveRecord& r) { return r.soilMoisture[0] == 12; }},
        {41, "15", [](const ArchiveRecord& r) { return r.leafWetness[3] == 15; }},
        {44, "- -", [](const ArchiveRecord& r) { return r.extraTemp[2] == 255; }},
        {45, "55", [](const ArchiveRecord& r) { return r.extraHum[0] == 55; }},
    };
    for (const auto& c : cases) {
        ArchiveRecord r = SampleRecord(600);
        r.extraTemp[5] = 77;  // not shown: must be kept
        MonthTable t;
        FormatRecordRow(r, "01/01/2026", t, 1);
        t.setCell(1, c.col, c.text);
        ArchiveRecord out = r;
        ParseRecordRow(t, 1, 0x2000, 0.2, out);
        EXPECT_TRUE(c.check(out)) << "column " << c.col << " text " << c.text;
        EXPECT_EQ(out.extraTemp[5], 77);
        EXPECT_EQ(out.packedTime, 600);
    }
}

TEST(RecordText, ShownValuesSaveBackToTheSameText) {
    ArchiveRecord r = SampleRecord(600);
    r.soilTemp[0] = 140;
    r.soilMoisture[2] = 30;
    r.outsideTemp = -32768;
    r.barometer = 0;
    MonthTable t;
    FormatRecordRow(r, "01/01/2026", t, 1);
    ArchiveRecord back = r;
    ParseRecordRow(t, 1, 0x2000, 0.2, back);
    MonthTable again;
    FormatRecordRow(back, "01/01/2026", again, 1);
    for (int c = 0; c < kColumnCount; ++c) EXPECT_EQ(again.cell(1, c), t.cell(1, c)) << "column " << c;
}

} // namespace
} // namespace pluvelle
