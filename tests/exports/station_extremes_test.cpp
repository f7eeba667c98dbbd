#include "exports/station_extremes.h"

#include "core/command_runner.h"
#include "core/wlk_format.h"
#include "support/month_fixture.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pluvelle {
namespace {

using testing::FixtureDay;
using testing::ReadFile;
using testing::ScriptedDialogs;
using testing::TempDir;
using testing::WriteFile;

const std::string kTitles =
    "An-Mois;TemperatureMax;;;TemperatureMin;;;HumiditeMax;;;HumiditeMin;;;PressionMax;;;PressionMin;;;"
    "RafaletVentMax;;;TotalPluieJour;;PluieMax/Heure;;";
const std::string kUnits =
    ";T\xB0" "C;Date;Heure;T\xB0" "C;Date;Heure;%;Date;Heure;%;Date;Heure;hPa;Date;Heure;hPa;Date;Heure;"
    "km/h;Date;Heure;mm/jour;Date;mm/h;Date;Heure";
const std::string kStationStart = "Station;-40.0;;;60.0;;;0;;;100;;;880.0;;;1080.0;;;0.0;;;0.0;;0.0;;";

// An ordinary day: every value valid and far from any extreme of the tests.
DailySummary1 Ordinary() {
    DailySummary1 s;
    s.hiOutTemp = 590;   // 15.0 °C
    s.lowOutTemp = 500;  // 10.0 °C
    s.hiOutHum = 800;
    s.lowOutHum = 600;
    s.hiBar = 29900;  // 1012.5 hPa
    s.lowBar = 29800;
    s.hiSpeed = 100;
    s.dailyRainTotal = 40;
    s.dailyHiRainRate = 10;
    for (int i = 0; i < 18; ++i) s.timeValues1[static_cast<std::size_t>(i)] = 600 + i;
    return s;
}

FixtureDay Day(int day, const DailySummary1& s, int archiveRecords = 3) {
    FixtureDay d{day, testing::RecordsEvery(5, 5, 5 * archiveRecords)};
    d.summary1 = EncodeDailySummary1(s);
    return d;
}

std::vector<std::string> CsvLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(bytes.substr(from, at - from));
    EXPECT_EQ(from, bytes.size()) << "text after the last CR LF";
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = line.find(';', from)) != std::string::npos; from = at + 1)
        out.push_back(line.substr(from, at - from));
    out.push_back(line.substr(from));
    return out;
}

class StationExtremes : public ::testing::Test {
protected:
    void Month(const std::string& name, const std::vector<FixtureDay>& days) {
        WriteFile(dir.file(name), testing::MonthBytes(days));
    }
    // Runs the command; returns the lines after the two title lines.
    std::vector<std::string> RunExtremes() {
        ScriptedDialogs dialogs;
        EXPECT_EQ(StationExtremesFlow(dir.path().string(), dialogs), CommandResult::Done);
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Le fichier \"ExtremumsMois.csv\" est enregistré"});
        std::vector<std::string> lines = CsvLines(ReadFile(dir.file("ExtremumsMois.csv")));
        EXPECT_GE(lines.size(), 4u);
        if (lines.size() < 2) return {};
        EXPECT_EQ(lines[0], kTitles);
        EXPECT_EQ(lines[1], kUnits);
        return {lines.begin() + 2, lines.end()};
    }
    TempDir dir;
};

TEST_F(StationExtremes, OneMonthWithEveryColumn) {
    DailySummary1 s;
    s.hiOutTemp = 651;    // 18.4 °C
    s.lowOutTemp = 262;   // -3.2 °C
    s.hiOutHum = 970;
    s.lowOutHum = 305;    // 30.5 % is written 31
    s.hiBar = 30460;      // 1031.5 hPa
    s.lowBar = 29493;     // 998.7 hPa
    s.hiSpeed = 400;      // 64.4 km/h
    s.dailyRainTotal = 480;
    s.dailyHiRainRate = 32;
    s.timeValues1 = {910, 440, 0, 0, 0, 0, 0, 0, 400, 890, 0, 0, 600, 270, 800, 0, 1440, 0};
    Month("2015-03.wlk", {Day(9, s)});
    const std::string values = "18.4;09/03/2015;15:10;-3.2;09/03/2015;07:20;97;09/03/2015;06:40;31;09/03/2015;14:50;"
                               "1031.5;09/03/2015;10:00;998.7;09/03/2015;04:30;64.4;09/03/2015;13:20;12.2;09/03/2015;"
                               "8.1;09/03/2015;23:59";
    EXPECT_EQ(RunExtremes(), (std::vector<std::string>{"2015-03;" + values, "******", "Station;" + values}));
}

TEST_F(StationExtremes, TiesKeepTheFirstDayAndTheFirstMonth) {
    DailySummary1 hot = Ordinary();
    hot.hiOutTemp = 800;  // 26.7 °C
    DailySummary1 hotLater = hot;
    hotLater.timeValues1[0] = 1000;
    Month("2015-07.wlk", {Day(4, hot), Day(20, hotLater)});
    Month("2015-06.wlk", {Day(30, hotLater)});
    const auto lines = RunExtremes();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(Fields(lines[0])[0], "2015-06");
    EXPECT_EQ(Fields(lines[1])[0], "2015-07");
    const auto july = Fields(lines[1]);
    EXPECT_EQ(std::vector<std::string>(july.begin() + 1, july.begin() + 4),
              (std::vector<std::string>{"26.7", "04/07/2015", "10:00"}));
    const auto station = Fields(lines[3]);
    EXPECT_EQ(std::vector<std::string>(station.begin() + 1, station.begin() + 4),
              (std::vector<std::string>{"26.7", "30/06/2015", "16:40"}));
}

TEST_F(StationExtremes, ValidityBounds) {
    // Each case: one field of an ordinary day, and the group the month row
    // then shows (value, date, time) starting at that field's column.
    struct Case {
        const char* what;
        void (*set)(DailySummary1&);
        int column;
        std::vector<std::string> group;
    };
    const Case cases[] = {
        {"60.0 °C is no maximum", [](DailySummary1& s) { s.hiOutTemp = 1400; }, 1, {"-50.0", "", ""}},
        {"59.9 °C is", [](DailySummary1& s) { s.hiOutTemp = 1399; }, 1, {"59.9", "01/05/2015", "10:00"}},
        {"-40.0 °C is no maximum", [](DailySummary1& s) { s.hiOutTemp = -400; }, 1, {"-50.0", "", ""}},
        {"-40.0 °C is no minimum", [](DailySummary1& s) { s.lowOutTemp = -400; }, 4, {"100.0", "", ""}},
        {"-39.9 °C is", [](DailySummary1& s) { s.lowOutTemp = -399; }, 4, {"-39.9", "01/05/2015", "10:01"}},
        {"60.0 °C is no minimum", [](DailySummary1& s) { s.lowOutTemp = 1400; }, 4, {"100.0", "", ""}},
        {"100.0 % is no humidity", [](DailySummary1& s) { s.hiOutHum = 1000; }, 7, {"0", "", ""}},
        {"99.9 % is", [](DailySummary1& s) { s.hiOutHum = 999; }, 7, {"100", "01/05/2015", "10:08"}},
        {"0 % is no minimum", [](DailySummary1& s) { s.lowOutHum = 0; }, 10, {"100", "", ""}},
        {"880 hPa is no pressure", [](DailySummary1& s) { s.hiBar = 25986; }, 13, {"900.0", "", ""}},
        {"880.02 hPa is below the month's start", [](DailySummary1& s) { s.hiBar = 25987; }, 13, {"900.0", "", ""}},
        {"1080 hPa is no minimum", [](DailySummary1& s) { s.lowBar = 31893; }, 16, {"1500.0", "", ""}},
        {"a calm dry day sets no date", [](DailySummary1& s) { s.hiSpeed = s.dailyRainTotal = s.dailyHiRainRate = 0; },
         19, {"0.0", "", "", "0.0", "", "0.0", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DailySummary1 s = Ordinary();
        c.set(s);
        Month("2015-05.wlk", {Day(1, s)});
        const auto lines = RunExtremes();
        ASSERT_EQ(lines.size(), 3u);
        const auto fields = Fields(lines[0]);
        ASSERT_GE(fields.size(), c.column + c.group.size());
        EXPECT_EQ(std::vector<std::string>(fields.begin() + c.column, fields.begin() + c.column + c.group.size()),
                  c.group);
    }
}

TEST_F(StationExtremes, LowPressureMonthBringsItsStartValueToTheStation) {
    DailySummary1 low = Ordinary();
    low.hiBar = low.lowBar = 25000;  // 846.6 hPa: not valid
    DailySummary1 lowButValid = Ordinary();
    lowButValid.hiBar = 26280;  // 889.9 hPa: valid, yet under 900
    Month("2015-01.wlk", {Day(2, low)});
    Month("2015-02.wlk", {Day(3, lowButValid)});
    const auto lines = RunExtremes();
    ASSERT_EQ(lines.size(), 4u);
    const auto january = Fields(lines[0]);
    EXPECT_EQ(std::vector<std::string>(january.begin() + 13, january.begin() + 19),
              (std::vector<std::string>{"900.0", "", "", "1500.0", "", ""}));
    EXPECT_EQ(Fields(lines[1])[13], "900.0");
    const auto station = Fields(lines[3]);
    EXPECT_EQ(std::vector<std::string>(station.begin() + 13, station.begin() + 19),
              (std::vector<std::string>{"900.0", "", "", "1009.1", "03/02/2015", "10:13"}));
}

TEST_F(StationExtremes, OnlyMonthFilesAreRead) {
    Month("2015-04.wlk", {Day(1, Ordinary())});
    Month("2015-03.WLK", {Day(1, Ordinary())});
    std::filesystem::create_directories(dir.file("2015-05.wlk"));
    WriteFile(dir.file("2015-05.wlk/2015-05.wlk"), "not read");
    WriteFile(dir.file("notes.txt"), "not read");
    EXPECT_EQ(MonthFileNames(dir.path().string()), (std::vector<std::string>{"2015-03.WLK", "2015-04.wlk"}));
    const auto lines = RunExtremes();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(Fields(lines[0])[0], "2015-03");
    EXPECT_EQ(Fields(lines[1])[0], "2015-04");
}

TEST_F(StationExtremes, FolderWithoutMonthsGivesTheStartValues) {
    std::filesystem::create_directories(dir.file("2015-05.wlk"));
    WriteFile(dir.file("ExtremumsMois.csv"), "an older file, longer than the new one will be\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(RunExtremes(), (std::vector<std::string>{"******", kStationStart}));
}

TEST_F(StationExtremes, DamagedMonthStopsWithTheLinesSoFar) {
    Month("2015-01.wlk", {Day(1, Ordinary())});
    Month("2015-02.wlk", {Day(1, Ordinary()), Day(2, Ordinary())});
    const std::string bytes = ReadFile(dir.file("2015-02.wlk"));
    WriteFile(dir.file("2015-02.wlk"), bytes.substr(0, bytes.size() - 1));
    ScriptedDialogs dialogs;
    EXPECT_EQ(RunCommand(dialogs, [&] { return StationExtremesFlow(dir.path().string(), dialogs); }),
              CommandResult::Failed);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("2015-02.wlk"), std::string::npos);
    const auto lines = CsvLines(ReadFile(dir.file("ExtremumsMois.csv")));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Fields(lines[2])[0], "2015-01");
}

} // namespace
} // namespace pluvelle
