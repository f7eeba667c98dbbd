#include "exports/daily_summaries.h"

#include "export_test_helpers.h"

#include "core/command_runner.h"
#include "core/conversions.h"
#include "core/text_output.h"
#include "support/month_fixture.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pluvelle::testing {
namespace {

// A day whose every field converts to a value that tells it apart.
DailySummary1 Summary1() {
    DailySummary1 s;
    s.hiOutTemp = 681, s.lowOutTemp = 507, s.hiInTemp = 700, s.lowInTemp = 650, s.avgOutTemp = 600, s.avgInTemp = 680;
    s.lowChill = 500, s.hiChill = 681, s.lowDew = 311, s.hiDew = 320, s.avgChill = 590, s.avgDew = 410;
    s.hiOutHum = 445, s.lowOutHum = 455, s.hiInHum = 999, s.lowInHum = 0, s.avgOutHum = 683;
    s.hiBar = 29921, s.lowBar = 29000, s.avgBar = 0;
    s.hiSpeed = 100, s.avgSpeed = 0, s.dailyWindRun = 32767, s.hi10MinSpeed = 0;
    s.dirHiSpeed = 1, s.hi10MinDir = 15;
    s.dailyRainTotal = 100, s.dailyHiRainRate = 150, s.dailyUvDose = 25, s.dailyHiUv = 73;
    for (int n = 0; n < 18; ++n) s.timeValues1[n] = n * 61;  // n:n, so each column shows which value it took
    return s;
}

DailySummary2 Summary2() {
    DailySummary2 s;
    s.todaysWeather = 65535, s.numWindPackets = -1, s.hiSolar = 850, s.dailySolarEnergy = 600, s.minSunlight = 300;
    s.dailyEtTotal = 150, s.hiHeat = 900, s.lowHeat = 400, s.avgHeat = 600, s.hiThsw = 950, s.lowThsw = 300;
    s.hiThw = 880, s.lowThw = 390, s.heatDegreeDays = 0, s.coolDegreeDays = 100;
    s.hiWetBulb = 700, s.lowWetBulb = 450, s.avgWetBulb = 550;
    for (int n = 0; n < 15; ++n) s.dirBins[n] = n;
    s.dirBins[15] = 4095;
    for (int n = 0; n < 10; ++n) s.timeValues2[n] = (n + 18) * 61;
    return s;
}

const std::string kValues =
    "07/05/2014;20.1;10.4;21.1;18.3;15.6;20.0;10.0;20.1;-0.5;0.0;15.0;5.0;45;46;100;0;68;1013.2;982.0;0.0;"
    "16.1;0.0;5272.2;0.0;NNE;NNO;2.5;38.1;2.5;7.3;65535;65535;850;0.697;300;3.8;32.2;4.4;15.6;35.0;-1.1;31.1;3.9;"
    "0.2;5.8;21.1;7.2;12.8;0;1;2;3;4;5;6;7;8;9;10;11;12;13;14;4095";
const std::string kTimes =
    ";00:00;01:01;02:02;03:03;;;04:04;05:05;06:06;07:07;;;08:08;09:09;10:10;11:11;;12:12;13:13;;14:14;;;15:15;;;;"
    "16:16;;17:17;;;18:18;;;;19:19;20:20;;21:21;- -;23:23;22:22;;;25:25;26:26";

TEST(DailySummariesLines, HeaderAndUnitsKeepTheirSpaces) {
    EXPECT_EQ(DailySummariesHeaderLine(),
              "Date;TempExtMax;TempExtMin;TempIntMax;TempIntMin;TempExtMoy;TempIntMoy;TempRessMin;TempRessMax;"
              "TempRosMin;TempRosMax;TempRessMoy;TempRosMoy;HumidExtMax;HumidExtMin;HumidIntMax;HumidIntMin;"
              "HumidExtMoy;PressionMax;PressionMin;PressionMoy;VitVentMax;VitVentMoy;TotalVentJour;VitVentMax10min;"
              " DirVentMax;DirVentMax10min;TotalPluieJour;PluieMax/Heure;UVDoseJour;UVMax;TempsduJour;NbrPaquetVent;"
              "SoleilMax ;EnergSolJour;LuminositeMin;ETTotalJour;ChaleurMax;ChaleurMin;ChaleurMoy;THSWMax;THSWMin;"
              "THWMax;THWMin; DegreJourChauf; DegreJourRefrig;TempMouilMax;TempMouilMin;TempMouilMoy;"
              "N;NNE;NE;ENE;E;ESE;SE;SSE;S;SSO;SO;OSO;O;ONO;NO;NNO");
    const auto units = SplitFields(DailySummariesUnitsLine());
    ASSERT_EQ(units.size(), 65u);
    EXPECT_EQ(units[0], "");
    EXPECT_EQ(units[25], " ");       // " DirVentMax"
    EXPECT_EQ(units[33], "W/m² ");   // "SoleilMax "
    EXPECT_EQ(units[35], "mm");      // minutes of sunshine, as it always was
    EXPECT_EQ(units[44], " °C");
    EXPECT_EQ(units[45], " °C");
    EXPECT_EQ(units[64], "mn");
    EXPECT_EQ(DailySummariesUnitsLine(),
              ";°C;°C;°C;°C;°C;°C;°C;°C;°C;°C;°C;°C;%;%;%;%;%;hPa;hPa;hPa;km/h;km/h;km;km/h; ;;mm;mm/h;DEM;;;;W/m² ;"
              "kWh/m²;mm;mm;°C;°C;°C;;;;; °C; °C;°C;°C;°C;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn");
    EXPECT_EQ(SplitFields(DailySummariesHeaderLine()).size(), 65u);
}

TEST(DailySummariesLines, EveryColumnTakesItsField) {
    EXPECT_EQ(DailyValuesLine("07/05/2014", Summary1(), Summary2()), kValues);
    EXPECT_EQ(DailyTimesLine(Summary1(), Summary2()), kTimes);
    EXPECT_EQ(SplitFields(kValues).size(), 65u);
    EXPECT_EQ(SplitFields(kTimes).size(), 48u);
}

// Which fields show "- -" (or change) when a summary marks a sensor as absent.
TEST(DailySummariesLines, MissingRules) {
    struct Case {
        const char* what;
        void (*apply)(DailySummary1&, DailySummary2&);
        std::vector<std::pair<int, std::string>> values;  // column (1-based) -> text
        std::vector<std::pair<int, std::string>> times;
    };
    const Case cases[] = {
        {"no 10-minute speed", [](DailySummary1& s1, DailySummary2&) { s1.hi10MinSpeed = -1; },
         {{25, "- -"}},
         {{25, "- -"}}},
        {"no UV dose", [](DailySummary1& s1, DailySummary2&) { s1.dailyUvDose = -1; },
         {{30, "- -"}, {31, "- -"}},
         {{31, " - -"}}},
        {"no solar sensor", [](DailySummary1&, DailySummary2& s2) { s2.hiSolar = -1; },
         {{34, "- -"}, {35, "- -"}, {41, "- -"}, {42, "- -"}, {36, "300"}},
         {{34, "- -"}, {41, "- -"}, {42, "- -"}}},
        {"no sunshine minutes", [](DailySummary1&, DailySummary2& s2) { s2.minSunlight = -1; },
         {{36, "- -"}, {34, "850"}},
         {}},
        {"no-data codes elsewhere are converted", [](DailySummary1& s1, DailySummary2&) { s1.hiOutTemp = -32768; },
         {{2, "-1838.0"}},
         {}},
        {"direction with no wind", [](DailySummary1& s1, DailySummary2&) { s1.dirHiSpeed = 255; },
         {{26, "Prb"}},
         {}},
        {"direction out of the compass", [](DailySummary1& s1, DailySummary2&) { s1.hi10MinDir = 16; },
         {{27, ""}},
         {}},
        {"24:00 and 23:59 both show 23:59",
         [](DailySummary1& s1, DailySummary2&) {
             s1.timeValues1[0] = 1440, s1.timeValues1[1] = 1439, s1.timeValues1[2] = 0, s1.timeValues1[3] = 65;
         },
         {},
         {{2, "23:59"}, {3, "23:59"}, {4, "00:00"}, {5, "01:05"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DailySummary1 s1 = Summary1();
        DailySummary2 s2 = Summary2();
        c.apply(s1, s2);
        auto values = SplitFields(DailyValuesLine("07/05/2014", s1, s2));
        auto times = SplitFields(DailyTimesLine(s1, s2));
        auto expectedValues = SplitFields(kValues);
        auto expectedTimes = SplitFields(kTimes);
        for (const auto& [column, text] : c.values) expectedValues[column - 1] = text;
        for (const auto& [column, text] : c.times) expectedTimes[column - 1] = text;
        EXPECT_EQ(values, expectedValues);
        EXPECT_EQ(times, expectedTimes);
    }
}

TEST(DailySummariesLines, DirectionBinsComeFromTheirPackedBytes) {
    DailySummary2 s2 = Summary2();
    RecordBytes raw = EncodeDailySummary2(s2);
    raw[36] = 0x10, raw[37] = 0x20, raw[38] = 0x53;
    const auto values = SplitFields(DailyValuesLine("07/05/2014", Summary1(), DecodeDailySummary2(raw.data())));
    EXPECT_EQ(values[49], "784");   // N
    EXPECT_EQ(values[50], "1312");  // NNE
}

FixtureDay DayWith(int day, int records) {
    return FixtureDay{day, RecordsEvery(5, 5, 5 * records), EncodeDailySummary1(Summary1()),
                      EncodeDailySummary2(Summary2())};
}

struct ExportRun {
    CommandResult result;
    ScriptedDialogs dialogs;
};

ExportRun Export(const MonthFile& month, std::optional<std::string> name) {
    ExportRun run{};
    run.dialogs.fileName(std::move(name));
    run.result = RunCommand(run.dialogs, [&] { return ExportDailySummariesFlow(month, run.dialogs); });
    return run;
}

TEST(DailySummariesExport, WritesTwoLinesPerDayWithData) {
    TempDir dir;
    const std::string path = WriteMonth(dir, "2014-05.wlk", {DayWith(3, 12), DayWith(17, 0)});
    const std::string out = dir.file("resume.csv");
    const auto run = Export(OpenedAt(path), out);

    EXPECT_EQ(run.result, CommandResult::Done);
    ASSERT_EQ(run.dialogs.shown().size(), 2u);
    EXPECT_EQ(run.dialogs.shown()[0].text, "Fichiers *.csv|*.csv");
    EXPECT_EQ(run.dialogs.shown()[0].extension, ".csv");
    EXPECT_EQ(run.dialogs.shown()[1].kind, MessageKind::Confirmation);
    EXPECT_EQ(run.dialogs.shown()[1].text, "Fichier enregistré");

    const std::string bytes = ReadFile(out);
    const std::string expected = Utf8ToCp1252(DailySummariesHeaderLine() + "\r\n" + DailySummariesUnitsLine() +
                                              "\r\n" + "03" + kValues.substr(2) + "\r\n" + kTimes + "\r\n" + "17" +
                                              kValues.substr(2) + "\r\n" + kTimes + "\r\n");
    EXPECT_EQ(bytes, expected);
    EXPECT_NE(bytes.find("\xB0" "C"), std::string::npos);  // ° as the single Windows-1252 byte
}

TEST(DailySummariesExport, ReadsTheFileOnDiskNotTheStore) {
    TempDir dir;
    const std::string path = WriteMonth(dir, "2014-05.wlk", {DayWith(9, 3)});
    MonthFile month = MakeMonth({DayWith(2, 3), DayWith(4, 3)});  // unsaved state differs from the file
    SetCurrentPath(month, path);
    const std::string out = dir.file("r.csv");
    Export(month, out);
    const auto lines = CsvLines(out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2].substr(0, 11), "09/05/2014;");
}

TEST(DailySummariesExport, SaveNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"export.CSV", "export.CSV.csv"}, {"export.csv", "export.csv"}, {"export", "export.csv"}};
    TempDir dir;
    const std::string path = WriteMonth(dir, "2014-05.wlk", {DayWith(1, 1)});
    for (const auto& [typed, written] : cases) {
        SCOPED_TRACE(typed);
        Export(OpenedAt(path), dir.file(typed));
        EXPECT_TRUE(std::filesystem::exists(dir.path() / written));
    }
}

TEST(DailySummariesExport, CancelWritesNothingAndSaysNothing) {
    TempDir dir;
    const std::string path = WriteMonth(dir, "2014-05.wlk", {DayWith(1, 1)});
    for (std::optional<std::string> name : {std::optional<std::string>(), std::optional<std::string>("")}) {
        const auto run = Export(OpenedAt(path), name);
        EXPECT_EQ(run.result, CommandResult::Cancelled);
        EXPECT_TRUE(run.dialogs.messages().empty());
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(DailySummariesExport, MonthFileGoneSinceLoading) {
    TempDir dir;
    const std::string out = dir.file("r.csv");
    const auto run = Export(OpenedAt(dir.file("2014-05.wlk")), out);
    EXPECT_EQ(run.result, CommandResult::Refused);
    EXPECT_EQ(run.dialogs.messages(), std::vector<std::string>{"2014-05.wlk : Fichier introuvable"});
    EXPECT_EQ(run.dialogs.shown().back().kind, MessageKind::Warning);
    EXPECT_FALSE(std::filesystem::exists(out));  // no empty CSV left behind
}

TEST(DailySummariesExport, DamagedMonthStopsWithAnErrorNamingIt) {
    TempDir dir;
    const std::string good = MonthBytes({DayWith(2, 4), DayWith(5, 4)});
    std::string badCount = good;
    badCount[20 + 6 * 5] = 1;  // day 5 announces a single record
    const std::pair<const char*, std::string> cases[] = {{"truncated", good.substr(0, good.size() - 10)},
                                                         {"count of 1", badCount}};
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        const std::string path = dir.file("2014-05.wlk");
        WriteFile(path, bytes);
        const std::string out = dir.file("r.csv");
        const auto run = Export(OpenedAt(path), out);
        EXPECT_EQ(run.result, CommandResult::Failed);
        ASSERT_EQ(run.dialogs.messages().size(), 1u);
        EXPECT_EQ(run.dialogs.shown().back().kind, MessageKind::Error);
        EXPECT_NE(run.dialogs.messages()[0].find(path), std::string::npos);
        EXPECT_EQ(CsvLines(out).size(), 2u);  // the title lines written before the days were read
    }
}

TEST(DailySummariesExport, RealFiveMinuteMonth) {
    TempDir dir;
    const std::string path = dir.file("2016-04.wlk");
    WriteFile(path, ReadFile(RealDataFolder() + "/station-b/2016-04.wlk"));
    const std::string out = dir.file("r.csv");
    EXPECT_EQ(Export(OpenedAt(path), out).result, CommandResult::Done);
    const auto lines = CsvLines(out);
    ASSERT_EQ(lines.size(), 2u + 2 * 25);  // days 1 to 25 have data
    // Day 1, checked against its summary bytes: hiOutTemp 681 at minute 915,
    // avgOutHum 683, numWindPackets -32433, no solar sensor, heat/cool degree-days 51 and 3.
    const auto values = SplitFields(lines[2]);
    const auto times = SplitFields(lines[3]);
    EXPECT_EQ(values[0], "01/04/2016");
    EXPECT_EQ(values[1], "20.1");
    EXPECT_EQ(times[1], "15:15");
    EXPECT_EQ(values[17], "68");
    EXPECT_EQ(values[32], "33103");
    EXPECT_EQ(values[33], "- -");
    EXPECT_EQ(values[44], "3.1");
    EXPECT_EQ(values[45], "0.4");
    EXPECT_EQ(times[18], "22:40");
    EXPECT_EQ(times[30], " - -");
    EXPECT_EQ(lines[50].substr(0, 11), "25/04/2016;");
}

} // namespace
} // namespace pluvelle::testing
