// The month round trip: a month file loaded and saved, then loaded and saved
// again, gives the same file twice, for generated months of every kind; each
// raw value of each shown field settles after one save; and a cell typed by
// the user reaches exactly its own field and no other byte.
#include "core/conversions.h"
#include "core/month_load.h"
#include "core/month_save.h"
#include "core/record_text.h"

#include "month_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <sstream>

namespace pluvelle {
namespace {

using namespace testing;

// ---- generated months

struct MonthShape {
    int interval;           // minutes between records
    std::uint16_t rainCode; // collector of most records
    bool mixedCollectors;   // some records of other collectors (a changed station)
    double missingShare;    // share of fields holding their no-data code
};

class MonthGenerator {
public:
    explicit MonthGenerator(unsigned seed) : random_(seed) {}

    std::string bytes(const MonthShape& shape) {
        WlkHeader header;
        for (auto& b : header.idCode) b = static_cast<std::uint8_t>(pick(32, 126));
        std::string body;
        std::int32_t position = 0;
        // One-minute months hold a few days: a table row per minute adds up.
        const int dayShare = shape.interval == 1 ? 10 : 70;
        for (int d = 1; d <= 31; ++d) {
            if (pick(0, 99) >= dayShare) continue;  // a day without data
            std::vector<ArchiveRecord> records;
            if (pick(0, 9) > 0) {  // else a day of summaries only
                const int first = shape.interval * pick(1, 30);
                const int last = std::min(1440, first + shape.interval * pick(0, 1440 / shape.interval));
                for (int t = first; t <= last; t += shape.interval) records.push_back(record(t, shape));
            }
            const auto count = static_cast<std::int16_t>(records.size() + 2);
            header.dayIndex[d] = {count, position};
            position += count;
            body += summary(2) + summary(3);
            for (const ArchiveRecord& r : records) {
                const RecordBytes b = EncodeArchiveRecord(r);
                body.append(reinterpret_cast<const char*>(b.data()), b.size());
            }
        }
        header.totalRecords = position;
        const HeaderBytes h = EncodeHeader(header);
        return std::string(reinterpret_cast<const char*>(h.data()), h.size()) + body;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool missing(const MonthShape& s) { return std::uniform_real_distribution<double>(0, 1)(random_) < s.missingShare; }
    std::int16_t i16(const MonthShape& s, int low, int high, std::int16_t noData) {
        return missing(s) ? noData : static_cast<std::int16_t>(pick(low, high));
    }
    std::uint8_t u8(const MonthShape& s, int low, int high) {
        return missing(s) ? 255 : static_cast<std::uint8_t>(pick(low, high));
    }

    // Summaries are kept as read: any bytes after the data type.
    std::string summary(std::uint8_t type) {
        std::string s(kRecordSize, '\0');
        for (char& c : s) c = static_cast<char>(pick(0, 255));
        s[0] = static_cast<char>(type);
        return s;
    }

    // Values a station writes: every field within its sensor's range, or missing.
    ArchiveRecord record(int t, const MonthShape& s) {
        ArchiveRecord r;
        r.archiveInterval = static_cast<std::uint8_t>(s.interval);
        r.iconFlags = static_cast<std::uint8_t>(pick(0, 255));
        r.moreFlags = static_cast<std::uint8_t>(pick(0, 255));
        r.packedTime = static_cast<std::int16_t>(t);
        r.outsideTemp = i16(s, -580, 1500, kNoData16);  // -50 °C .. 65 °C
        r.hiOutsideTemp = i16(s, -580, 1500, kNoData16);
        r.lowOutsideTemp = i16(s, -580, 1500, kNoData16);
        r.insideTemp = i16(s, 320, 1000, kNoData16);
        r.barometer = i16(s, 26000, 32500, 0);
        r.outsideHum = i16(s, 10, 1000, kNoData16);
        r.insideHum = i16(s, 10, 1000, kNoData16);
        const bool other = s.mixedCollectors && pick(0, 3) == 0;
        const std::uint16_t code = other ? static_cast<std::uint16_t>(pick(0, 15) << 12) : s.rainCode;
        r.rain = static_cast<std::uint16_t>(code | (pick(0, 9) == 0 ? pick(0, 4095) : pick(0, 20)));
        r.hiRainRate = static_cast<std::int16_t>(pick(0, 9) == 0 ? pick(0, 32767) : pick(0, 400));
        r.windSpeed = static_cast<std::int16_t>(pick(0, 1500));
        r.hiWindSpeed = static_cast<std::int16_t>(pick(0, 2500));
        r.windDirection = missing(s) ? 255 : static_cast<std::uint8_t>(pick(0, 15));
        r.hiWindDirection = missing(s) ? 255 : static_cast<std::uint8_t>(pick(0, 15));
        r.numWindSamples = static_cast<std::int16_t>(pick(0, 32767));
        r.solarRad = i16(s, 0, 1800, kNoData16);
        r.hiSolarRad = i16(s, 0, 1800, kNoData16);
        r.uv = u8(s, 0, 250);
        r.hiUv = u8(s, 0, 250);
        for (auto& b : r.leafTemp) b = u8(s, 0, 254);
        r.extraRad = i16(s, -32767, 32767, kNoData16);
        for (auto& v : r.newSensors) v = static_cast<std::int16_t>(pick(-32768, 32767));
        r.forecast = static_cast<std::uint8_t>(pick(0, 255));
        r.et = static_cast<std::uint8_t>(pick(0, 255));
        for (auto& b : r.soilTemp) b = u8(s, 0, 254);
        for (auto& b : r.soilMoisture) b = u8(s, 0, 254);
        for (auto& b : r.leafWetness) b = u8(s, 0, 15);
        for (auto& b : r.extraTemp) b = u8(s, 0, 254);
        for (auto& b : r.extraHum) b = u8(s, 0, 100);
        return r;
    }

    std::mt19937 random_;
};

// Loads the bytes as a month file and returns the bytes it saves.
std::string LoadAndSave(const TempDir& dir, const std::string& bytes) {
    WriteFile(dir.file("2016-04.wlk"), bytes);
    MonthSession session = ReadMonthSession(dir.file("2016-04.wlk"));
    SaveMonthToPath(session, dir.file("2016-04.wlk"));
    return ReadFile(dir.file("2016-04.wlk"));
}

// Where two saves differ, as record and byte, with both records' texts.
std::string FirstDifference(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size());
    std::size_t at = 0;
    while (at < a.size() && a[at] == b[at]) ++at;
    if (at == a.size()) return "none";
    std::ostringstream out;
    const std::size_t start = kHeaderSize + (at - kHeaderSize) / kRecordSize * kRecordSize;
    out << "byte " << at - start << " of the record at " << start;
    if (at >= kHeaderSize) {
        const auto* pa = reinterpret_cast<const std::uint8_t*>(a.data()) + start;
        const auto* pb = reinterpret_cast<const std::uint8_t*>(b.data()) + start;
        for (int col = 1; col < kColumnCount; ++col) {
            const std::string ta = FormatRecordCell(DecodeArchiveRecord(pa), col);
            const std::string tb = FormatRecordCell(DecodeArchiveRecord(pb), col);
            if (ta != tb) out << "; column " << MonthColumns[col] << ": " << ta << " then " << tb;
        }
    }
    return out.str();
}

TEST(MonthRoundTrip, SecondSaveGivesTheFileOfTheFirst) {
    TempDir dir;
    int months = 0;
    for (unsigned code = 0; code < 16; ++code) {
        for (const int interval : {1, 5}) {
            const MonthShape shape{interval, static_cast<std::uint16_t>(code << 12), code % 3 == 0,
                                   code % 2 == 0 ? 0.1 : 0.0};
            MonthGenerator generate(1000 * code + static_cast<unsigned>(interval));
            const std::string original = generate.bytes(shape);
            const std::string first = LoadAndSave(dir, original);
            const std::string second = LoadAndSave(dir, first);
            ASSERT_EQ(first.size(), original.size());
            EXPECT_EQ(first.compare(0, kHeaderSize, original, 0, kHeaderSize), 0) << "header changed";
            EXPECT_TRUE(first == second) << "collector 0x" << std::hex << (code << 12) << std::dec << ", "
                                         << interval << "-minute records: " << FirstDifference(first, second);
            ++months;
        }
    }
    EXPECT_EQ(months, 32);
}

// What saving keeps of a record it did not show: everything but the shown fields.
TEST(MonthRoundTrip, FieldsNotShownAndTimesSurviveTheSave) {
    TempDir dir;
    MonthGenerator generate(7);
    const std::string original = generate.bytes({5, 0x1000, true, 0.2});
    const std::string saved = LoadAndSave(dir, original);
    const auto image = [](const std::string& bytes) {
        return ParseMonthImage(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), "month");
    };
    const MonthImage before = image(original), after = image(saved);
    for (int d = 1; d <= 31; ++d) {
        ASSERT_EQ(before.days[d].records.size(), after.days[d].records.size());
        EXPECT_EQ(before.days[d].summary1, after.days[d].summary1) << "day " << d;
        EXPECT_EQ(before.days[d].summary2, after.days[d].summary2) << "day " << d;
        for (std::size_t u = 0; u < before.days[d].records.size(); ++u) {
            const ArchiveRecord &x = before.days[d].records[u], &y = after.days[d].records[u];
            ASSERT_TRUE(x.dataType == y.dataType && x.archiveInterval == y.archiveInterval &&
                        x.iconFlags == y.iconFlags && x.moreFlags == y.moreFlags && x.packedTime == y.packedTime &&
                        x.newSensors == y.newSensors)
                << "day " << d << " record " << u;
            for (std::size_t k : {3u, 4u, 5u, 6u}) ASSERT_EQ(x.extraTemp[k], y.extraTemp[k]);
            for (std::size_t k : {2u, 3u, 4u, 5u, 6u}) ASSERT_EQ(x.extraHum[k], y.extraHum[k]);
        }
    }
}

// ---- every raw value of every shown field

// One save of a record: its row's texts converted back, the month's
// collector being the record's own.
ArchiveRecord Resaved(const ArchiveRecord& r, MonthTable& table) {
    FormatRecordRow(r, "01/04/2016", table, 1);
    ArchiveRecord out = r;
    ParseRecordRow(table, 1, RainCollectorCode(r.rain), RainMmPerClick(r.rain), out);
    return out;
}

struct FieldAccess {
    const char* name;
    int column;
    std::function<int(const ArchiveRecord&)> get;
    std::function<void(ArchiveRecord&, int)> set;
    int low, high;  // raw values the field can hold
};

#define PLUVELLE_FIELD16(f, col)                                                                           \
    FieldAccess {                                                                                          \
        #f, col, [](const ArchiveRecord& r) { return int{r.f}; },                                          \
            [](ArchiveRecord& r, int v) { r.f = static_cast<decltype(r.f)>(v); }, -32768, 32767             \
    }
#define PLUVELLE_FIELD8(f, col)                                                                            \
    FieldAccess {                                                                                          \
        #f, col, [](const ArchiveRecord& r) { return int{r.f}; },                                          \
            [](ArchiveRecord& r, int v) { r.f = static_cast<std::uint8_t>(v); }, 0, 255                    \
    }

const FieldAccess kFields[] = {
    PLUVELLE_FIELD16(outsideTemp, 1),     PLUVELLE_FIELD16(hiOutsideTemp, 2), PLUVELLE_FIELD16(lowOutsideTemp, 3),
    PLUVELLE_FIELD16(insideTemp, 4),      PLUVELLE_FIELD16(barometer, 5),     PLUVELLE_FIELD16(outsideHum, 6),
    PLUVELLE_FIELD16(insideHum, 7),       PLUVELLE_FIELD16(windSpeed, 10),    PLUVELLE_FIELD16(hiWindSpeed, 11),
    PLUVELLE_FIELD8(windDirection, 12),   PLUVELLE_FIELD8(hiWindDirection, 13),
    PLUVELLE_FIELD16(numWindSamples, 14), PLUVELLE_FIELD16(solarRad, 15),     PLUVELLE_FIELD16(hiSolarRad, 16),
    PLUVELLE_FIELD8(uv, 17),              PLUVELLE_FIELD8(hiUv, 18),          PLUVELLE_FIELD8(leafTemp[0], 19),
    PLUVELLE_FIELD16(extraRad, 23),       PLUVELLE_FIELD8(forecast, 24),      PLUVELLE_FIELD8(et, 25),
    PLUVELLE_FIELD8(soilTemp[0], 26),     PLUVELLE_FIELD8(soilMoisture[0], 32), PLUVELLE_FIELD8(leafWetness[0], 38),
    PLUVELLE_FIELD8(extraTemp[0], 42),    PLUVELLE_FIELD8(extraHum[0], 45),
};

// After one save a value is what the table shows; a second save must keep
// it. Every field takes every raw value of its width (all at once: saving
// converts each column on its own).
TEST(MonthRoundTrip, EveryRawValueSettlesAfterOneSave) {
    MonthTable table(2);
    std::vector<int> drifting(std::size(kFields));
    std::vector<std::string> example(std::size(kFields));
    for (int v = -32768; v <= 32767; ++v) {
        ArchiveRecord r = SampleRecord(600);
        for (const FieldAccess& field : kFields) field.set(r, v < field.low || v > field.high ? 0 : v);
        const ArchiveRecord once = Resaved(r, table);
        const ArchiveRecord twice = Resaved(once, table);
        for (std::size_t k = 0; k < std::size(kFields); ++k) {
            const FieldAccess& field = kFields[k];
            if (v < field.low || v > field.high || field.get(twice) == field.get(once)) continue;
            if (drifting[k]++ == 0)
                example[k] = "raw " + std::to_string(v) + " shown \"" + FormatRecordCell(r, field.column) +
                             "\" saved " + std::to_string(field.get(once)) + " shown \"" +
                             FormatRecordCell(once, field.column) + "\" saved " + std::to_string(field.get(twice));
        }
    }
    for (std::size_t k = 0; k < std::size(kFields); ++k)
        EXPECT_EQ(drifting[k], 0) << kFields[k].name << ": " << example[k];
}

// Fields shown with all their digits come back unchanged from the very first
// save, over all the values a station writes into them (counts are shown
// with four significant digits: 12345 wind samples would show as 12350).
TEST(MonthRoundTrip, ExactlyShownValuesSurviveTheFirstSave) {
    struct Exact {
        const char* field;
        std::vector<std::pair<int, int>> ranges;
    };
    const Exact exact[] = {
        {"windDirection", {{0, 15}, {255, 255}}}, {"hiWindDirection", {{0, 15}, {255, 255}}},
        {"numWindSamples", {{0, 9999}}},         {"solarRad", {{-32768, -32768}, {0, 32767}}},
        {"hiSolarRad", {{-32768, -32768}, {0, 32767}}}, {"uv", {{0, 250}, {255, 255}}},
        {"hiUv", {{0, 250}, {255, 255}}},         {"extraRad", {{-32768, -32768}, {-9999, 9999}}},
        {"forecast", {{0, 255}}},                 {"soilMoisture[0]", {{0, 255}}},
        {"leafWetness[0]", {{0, 255}}},           {"extraHum[0]", {{0, 255}}},
        {"barometer", {{0, 0}}},
    };
    MonthTable table(2);
    for (const Exact& e : exact) {
        const auto field = std::find_if(std::begin(kFields), std::end(kFields),
                                        [&](const FieldAccess& f) { return std::string(f.name) == e.field; });
        ASSERT_NE(field, std::end(kFields)) << e.field;
        for (const auto& [low, high] : e.ranges) {
            for (int v = low; v <= high; ++v) {
                ArchiveRecord r = SampleRecord(600);
                field->set(r, v);
                const ArchiveRecord once = Resaved(r, table);
                ASSERT_EQ(field->get(once), v) << e.field << " shown \"" << FormatRecordCell(r, field->column) << "\"";
            }
        }
    }
}

// The rain columns: every rain word (all collectors, all click counts) and
// every rate, the rates spread over the collectors.
TEST(MonthRoundTrip, RainOfEveryCollectorSettlesAfterOneSave) {
    MonthTable table(2);
    for (int v = 0; v <= 0xFFFF; ++v) {
        ArchiveRecord r = SampleRecord(600);
        r.rain = static_cast<std::uint16_t>(v);
        r.hiRainRate = static_cast<std::int16_t>((v * 7919) & 0xFFFF);  // odd factor: each rate once
        const ArchiveRecord once = Resaved(r, table);
        const ArchiveRecord twice = Resaved(once, table);
        ASSERT_EQ(twice.rain, once.rain) << "rain 0x" << std::hex << r.rain << std::dec << " shown "
                                         << FormatRecordCell(r, 8) << " then " << FormatRecordCell(once, 8);
        ASSERT_EQ(twice.hiRainRate, once.hiRainRate)
            << "rain 0x" << std::hex << r.rain << std::dec << " rate " << r.hiRainRate << " shown "
            << FormatRecordCell(r, 9) << " then " << FormatRecordCell(once, 9);
    }
}

// ---- an edited cell reaches its own field, and only it

struct CellEdit {
    int column;
    const char* text;
    std::size_t offset;  // of the field in the 88-byte record
    std::size_t width;   // bytes
    int expected;        // the field's raw value, signed as the field is
};

double Rounded(double x) { return std::nearbyint(x); }  // halves to even

// The month's collector is 0x2000, 0.2 mm per click.
const CellEdit kCellEdits[] = {
    {1, "21.3", 6, 2, static_cast<int>(Rounded((21.3 * 9 / 5 + 32) * 10))},
    {2, "-5.5", 8, 2, static_cast<int>(Rounded((-5.5 * 9 / 5 + 32) * 10))},
    {3, "0", 10, 2, 320},
    {4, "- -", 12, 2, kNoData16},
    {5, "1013.2", 14, 2, static_cast<int>(Rounded(1013.2 * 1000 / 33.863788))},
    {5, "- -", 14, 2, 0},
    {6, "87", 16, 2, 870},
    {7, "- -", 18, 2, kNoData16},
    {8, "1.0", 20, 2, 0x2005},
    {8, "- -", 20, 2, 0x2000},
    {9, "12.4", 22, 2, 62},
    {10, "10.0", 24, 2, static_cast<int>(Rounded(10.0 * 10 / 1.609))},
    {11, "- -", 26, 2, 0},
    {12, "ONO", 28, 1, 13},
    {13, "Prb", 29, 1, 255},
    {14, "117", 30, 2, 117},
    {15, "- -", 32, 2, kNoData16},
    {16, "850", 34, 2, 850},
    {17, "3.5", 36, 1, 35},
    {18, "- -", 37, 1, 255},
    {19, "20", 38, 1, 68 + 90},
    {20, "-10.0", 39, 1, 14 + 90},
    {21, "- -", 40, 1, 255},
    {22, "0", 41, 1, 32 + 90},
    {23, "15", 42, 2, 15},
    {23, "- -", 42, 2, kNoData16},
    {24, "45", 56, 1, 45},
    {24, "- -", 56, 1, 255},
    {24, "255", 56, 1, 255},  // the no-forecast code, shown as a number
    {25, "0.25", 57, 1, static_cast<int>(Rounded(0.25 / 25.4 * 1000))},
    {26, "12", 58, 1, static_cast<int>(Rounded(12 * 9.0 / 5 + 32)) + 90},
    {27, "13", 59, 1, static_cast<int>(Rounded(13 * 9.0 / 5 + 32)) + 90},
    {28, "14", 60, 1, static_cast<int>(Rounded(14 * 9.0 / 5 + 32)) + 90},
    {29, "15", 61, 1, static_cast<int>(Rounded(15 * 9.0 / 5 + 32)) + 90},
    {30, "16", 62, 1, static_cast<int>(Rounded(16 * 9.0 / 5 + 32)) + 90},
    {31, "- -", 63, 1, 255},
    {32, "35", 64, 1, 35},
    {33, "36", 65, 1, 36},
    {34, "37", 66, 1, 37},
    {35, "38", 67, 1, 38},
    {36, "39", 68, 1, 39},
    {37, "- -", 69, 1, 255},
    {38, "7", 70, 1, 7},
    {39, "8", 71, 1, 8},
    {40, "9", 72, 1, 9},
    {41, "- -", 73, 1, 255},
    {42, "25", 74, 1, 77 + 90},
    {43, "26", 75, 1, static_cast<int>(Rounded(26 * 9.0 / 5 + 32)) + 90},
    {44, "- -", 76, 1, 255},
    {45, "55", 81, 1, 55},
    {46, "- -", 82, 1, 255},
};

int FieldValue(const std::string& record, const CellEdit& e) {
    const auto* b = reinterpret_cast<const std::uint8_t*>(record.data()) + e.offset;
    if (e.width == 1) return b[0];
    const auto v = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    return e.column == 8 ? v : static_cast<std::int16_t>(v);
}

TEST(MonthRoundTrip, EditedCellReachesExactlyItsField) {
    TempDir dir;
    ArchiveRecord plain = SampleRecord(600);
    for (auto& b : plain.extraTemp) b = 150;
    for (auto& b : plain.extraHum) b = 40;
    for (auto& b : plain.soilMoisture) b = 20;
    WriteFile(dir.file("2016-04.wlk"), MonthBytes({{1, {SampleRecord(300), plain, SampleRecord(900)}}}));
    // The day's second record, row 2, as saved without an edit.
    const std::size_t at = kHeaderSize + 3 * kRecordSize;
    const std::string unedited = LoadAndSave(dir, ReadFile(dir.file("2016-04.wlk"))).substr(at, kRecordSize);
    const int columnsCovered = [] {
        std::vector<bool> seen(kColumnCount);
        for (const CellEdit& e : kCellEdits) seen[static_cast<std::size_t>(e.column)] = true;
        return static_cast<int>(std::count(seen.begin(), seen.end(), true));
    }();
    EXPECT_EQ(columnsCovered, kColumnCount - 1);

    for (const CellEdit& e : kCellEdits) {
        MonthSession session = ReadMonthSession(dir.file("2016-04.wlk"));
        session.table.setCell(2, e.column, e.text);
        SaveMonthToPath(session, dir.file("edited.wlk"));
        const std::string edited = ReadFile(dir.file("edited.wlk")).substr(at, kRecordSize);
        EXPECT_EQ(FieldValue(edited, e), e.expected) << "column " << e.column << " \"" << e.text << "\"";
        for (std::size_t k = 0; k < kRecordSize; ++k) {
            if (k >= e.offset && k < e.offset + e.width) continue;
            EXPECT_EQ(edited[k], unedited[k]) << "column " << e.column << " changed byte " << k;
        }
    }
}

} // namespace
} // namespace pluvelle
