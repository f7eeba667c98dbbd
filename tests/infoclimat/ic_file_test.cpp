#include "ic_test_support.h"

#include "infoclimat/ic_file.h"

#include "core/errors.h"
#include "core/month_table.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pluvelle {
namespace {

using namespace testing;

constexpr const char* kHeader =
    "idstation;dh_utc;temperature;pression;pression_variation_3h;humidite;point_de_rosee;visibilite;vent_moyen;"
    "vent_rafales;vent_rafales_10min;vent_direction;temperature_min;temperature_max;pluie_1_h;pluie_3h;pluie_6h;"
    "pluie_12h;pluie_24h;pluie_cumul_0h;pluie_intensite;pluie_intensite_max_1h;uv;ensoleillement;temperature_sol;"
    "temps_omm;complements;source";

// Field positions in a data line.
enum : std::size_t { kTemp = 2, kPres = 3, kHum = 5, kDir = 11, kMin = 12, kMax = 13, kRain = 19, kUv = 22, kSun = 23 };

std::string Field(const std::string* line, std::size_t k) { return line ? SplitFields(*line).at(k) : "<no line>"; }

void ExpectWellFormed(const ExportRun& run) {
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines[0], kHeader);
    for (std::size_t i = 1; i < run.lines.size(); ++i) {
        const std::string& line = run.lines[i];
        EXPECT_EQ(SplitFields(line).size(), 28u) << line;
        EXPECT_EQ(line.back(), ';') << line;
    }
}

TEST(InfoClimatFile, HeaderHasTheTwentyEightKeys) {
    EXPECT_EQ(InfoClimatHeaderLine(), kHeader);
    EXPECT_EQ(InfoClimatKeys.size(), 28u);
}

TEST(InfoClimatFile, WindDirectionInWholeDegrees) {
    const std::pair<const char*, const char*> cases[] = {
        {"N", "0"},     {"NNE", "22"},  {"NE", "45"},  {"ENE", "67"}, {"E", "90"},  {"ESE", "112"},
        {"SE", "135"},  {"SSE", "157"}, {"S", "180"},  {"SSO", "202"}, {"SO", "225"}, {"OSO", "247"},
        {"O", "270"},   {"ONO", "292"}, {"NO", "315"}, {"NNO", "337"}, {"Prb", ""},   {"", ""},
        {"- -", ""},    {"nno", ""}};
    for (const auto& [text, degrees] : cases) EXPECT_EQ(DirectionDegrees(text), degrees) << text;
}

TEST(InfoClimatFile, UtcFiveMinuteMonthWritesTenMinuteLinesFedByEveryRow) {
    MonthFolder folder;
    folder.write(2014, 6);
    auto day3 = RecordsEvery(5, 5, 60);
    ArchiveRecord& at0015 = day3[2];
    at0015.lowOutsideTemp = 500;  // 10.0 °C
    at0015.hiOutsideTemp = 900;   // 32.2 °C
    at0015.rain = 0x2000 | 3;     // 0.6 mm
    const auto run = RunExport(folder.write(2014, 7, {{3, day3}, {4, {At(10, 5)}}}), Answer::No);

    EXPECT_EQ(run.result, CommandResult::Done);
    ExpectWellFormed(run);
    EXPECT_EQ(Times(run), (std::vector<std::string>{"2014-07-03 00:10:00", "2014-07-03 00:20:00",
                                                     "2014-07-03 00:30:00", "2014-07-03 00:40:00",
                                                     "2014-07-03 00:50:00", "2014-07-03 01:00:00",
                                                     "2014-07-04 00:10:00"}));
    EXPECT_EQ(run.lines[1], "07123;2014-07-03 00:10:00;20.0;1013.2;;65;;;8.0;19.3;;90;19.8;20.3;;;;;;0.0;;0.0;2.0;350;;;;;");
    // The 00:15 row shows on the next line, and stays in the day's running values.
    const std::string* at0020 = LineAt(run, "2014-07-03 00:20:00");
    EXPECT_EQ(Field(at0020, kMin), "10.0");
    EXPECT_EQ(Field(at0020, kMax), "32.2");
    EXPECT_EQ(Field(at0020, kRain), "0.6");
    EXPECT_EQ(Field(LineAt(run, "2014-07-03 01:00:00"), kRain), "0.6");
    // A new UTC day starts afresh.
    const std::string* nextDay = LineAt(run, "2014-07-04 00:10:00");
    EXPECT_EQ(Field(nextDay, kMin), "19.8");
    EXPECT_EQ(Field(nextDay, kRain), "0.0");
}

TEST(InfoClimatFile, UtcLinesOnlyAtMinutesMultipleOfTen) {
    struct Case {
        int interval;
        int last;
        std::vector<std::string> times;
    };
    const Case cases[] = {
        {1, 21, {"00:10", "00:20"}},
        {15, 120, {"00:30", "01:00", "01:30", "02:00"}},
        {30, 120, {"00:30", "01:00", "01:30", "02:00"}},
    };
    for (const Case& c : cases) {
        MonthFolder folder;
        folder.write(2014, 6);
        const auto run = RunExport(folder.write(2014, 7, {{9, RecordsEvery(c.interval, c.interval, c.last)}}), Answer::No);
        std::vector<std::string> expected;
        for (const auto& t : c.times) expected.push_back("2014-07-09 " + t + ":00");
        EXPECT_EQ(Times(run), expected) << c.interval << "-minute month";
        ExpectWellFormed(run);
    }
}

TEST(InfoClimatFile, CellsWithoutValueGiveEmptyFieldsAndStayOutOfRunningValues) {
    MonthFolder folder;
    folder.write(2014, 6);
    auto day = RecordsEvery(10, 10, 30);
    day[0].rain = 0x2000 | 2;  // 0.4 mm
    const auto run = RunExport(folder.write(2014, 7, {{5, day}}), Answer::No, nullptr, [](MonthSession& s) {
        MonthTable& t = s.table;
        const auto col = [](std::string_view title) {
            return static_cast<int>(std::find(MonthColumns.begin(), MonthColumns.end(), title) - MonthColumns.begin());
        };
        for (const char* title : {"TempExt", "Pression", "HumExt", "UV", "RadMax"}) t.setCell(1, col(title), "- -");
        t.setCell(1, col("DirVent"), "Prb");
        for (const char* title : {"T.ExtMin", "T.ExtMax", "Pluie"}) t.setCell(2, col(title), "- -");
        t.setCell(2, col("DirVent"), "NNO");
        t.setCell(3, col("T.ExtMin"), "-3.5");
    });
    ExpectWellFormed(run);
    const std::string* first = LineAt(run, "2014-07-05 00:10:00");
    for (std::size_t k : {kTemp, kPres, kHum, kUv, kSun, kDir}) EXPECT_EQ(Field(first, k), "") << k;
    EXPECT_EQ(Field(first, kRain), "0.4");
    const std::string* second = LineAt(run, "2014-07-05 00:20:00");
    EXPECT_EQ(Field(second, kDir), "337");
    EXPECT_EQ(Field(second, kMin), "19.8");
    EXPECT_EQ(Field(second, kMax), "20.3");
    EXPECT_EQ(Field(second, kRain), "0.4");
    EXPECT_EQ(Field(LineAt(run, "2014-07-05 00:30:00"), kMin), "-3.5");
}

TEST(InfoClimatFile, LegalJulyShiftsTwoHoursAndEndsWithTheNextLocalDay) {
    MonthFolder folder;
    folder.write(2014, 6);
    folder.write(2014, 8);
    auto day15 = RecordsEvery(10, 10, 1440);
    day15[5].lowOutsideTemp = 320;  // 01:00 local: 0.0 °C, in the 14th's UTC day
    auto day16 = RecordsEvery(10, 10, 1440);
    day16[5].hiOutsideTemp = 950;  // 01:00 local: 35.0 °C, in the 15th's UTC day
    const auto run = RunExport(folder.write(2014, 7, {{15, day15}, {16, day16}}), Answer::Yes);

    EXPECT_EQ(run.result, CommandResult::Done);
    ExpectWellFormed(run);
    const auto times = Times(run);
    // 00:10 to 02:00 local of the 15th close the 14th's UTC day.
    EXPECT_EQ(times.front(), "2014-07-14 22:10:00");
    EXPECT_EQ(Field(LineAt(run, "2014-07-14 24:00:00"), kMin), "0.0");
    // 02:10 local opens the 15th's UTC day, afresh.
    const std::string* opening = LineAt(run, "2014-07-15 00:10:00");
    EXPECT_EQ(Field(opening, kMin), "19.8");
    EXPECT_EQ(std::count(times.begin(), times.end(), "2014-07-15 00:00:00"), 0);
    // 00:10 to 02:00 local of the 16th close the 15th's UTC day.
    EXPECT_NE(LineAt(run, "2014-07-15 22:10:00"), nullptr);
    EXPECT_EQ(Field(LineAt(run, "2014-07-15 24:00:00"), kMax), "35.0");
    EXPECT_EQ(Field(LineAt(run, "2014-07-16 00:10:00"), kMax), "20.3");
    EXPECT_EQ(times.back(), "2014-07-16 22:00:00");  // the 16th's 24:00 local
    EXPECT_EQ(times.size(), 2u * 144u);
}

TEST(InfoClimatFile, LegalLastDayEndsWithTheFollowingMonthsFirstRecords) {
    struct Case {
        int year, month, lastDay, nextYear, nextMonth, offset;
    };
    const Case cases[] = {
        {2014, 1, 31, 2014, 2, 1},
        {2014, 4, 30, 2014, 5, 2},
        {2016, 2, 29, 2016, 3, 1},
        {2014, 12, 31, 2015, 1, 1},
    };
    for (const Case& c : cases) {
        MonthFolder folder;
        folder.write(c.month == 1 ? c.year - 1 : c.year, c.month == 1 ? 12 : c.month - 1);
        auto firstDay = RecordsEvery(10, 10, 180);
        for (auto& r : firstDay) r.rain = 0x2000 | 1;  // 0.2 mm each
        folder.write(c.nextYear, c.nextMonth, {{1, firstDay}});
        const std::string path = folder.write(c.year, c.month, {{c.lastDay, {At(720)}}});
        const auto run = RunExport(path, Answer::Yes);
        const std::string label = path.substr(path.size() - 11);

        EXPECT_EQ(run.result, CommandResult::Done) << label;
        ExpectWellFormed(run);
        const std::string day = std::to_string(c.year) + (c.month < 10 ? "-0" : "-") + std::to_string(c.month) + "-" +
                                std::to_string(c.lastDay) + " ";
        std::vector<std::string> expected{day + (c.offset == 1 ? "11" : "10") + ":00:00"};
        for (int t = 10; t <= c.offset * 60; t += 10) {
            const int h = t / 60 - c.offset + 24, m = t % 60;
            expected.push_back(day + std::to_string(h) + ":" + (m == 0 ? "00" : std::to_string(m)) + ":00");
        }
        EXPECT_EQ(Times(run), expected) << label;
        // Each record up to the offset hour adds its 0.2 mm to the last day.
        EXPECT_EQ(Field(LineAt(run, day + "24:00:00"), kRain), c.offset == 1 ? "1.2" : "2.4") << label;
    }
}

TEST(InfoClimatFile, LegalJanuaryLeavesOutTheFirstHourAndReadsFebruarysNoData) {
    MonthFolder folder;
    folder.write(2013, 12);
    auto february = RecordsEvery(10, 10, 60);
    ArchiveRecord& blank = february[2];  // 00:30 local, 23:30 UTC on the 31st
    blank.outsideTemp = blank.hiOutsideTemp = blank.lowOutsideTemp = -32768;
    blank.outsideHum = -32768;
    blank.barometer = 0;
    blank.uv = 255;
    blank.solarRad = -32768;
    blank.windDirection = 255;
    folder.write(2014, 2, {{1, february}});
    const auto run = RunExport(folder.write(2014, 1, {{1, RecordsEvery(10, 10, 120)}, {31, {At(1380)}}}), Answer::Yes);

    ExpectWellFormed(run);
    const auto times = Times(run);
    EXPECT_EQ(times.front(), "2014-01-01 00:10:00");  // 01:10 local: the first hour is December's
    EXPECT_EQ(std::count_if(times.begin(), times.end(), [](const std::string& t) { return t < "2014-01-01"; }), 0);
    const std::string* blankLine = LineAt(run, "2014-01-31 23:30:00");
    for (std::size_t k : {kTemp, kPres, kHum, kUv, kSun, kDir}) EXPECT_EQ(Field(blankLine, k), "") << k;
    EXPECT_EQ(Field(blankLine, kMin), "19.8");
    EXPECT_EQ(Field(LineAt(run, "2014-01-31 24:00:00"), kTemp), "20.0");
    EXPECT_EQ(Field(LineAt(run, "2014-01-31 24:00:00"), kSun), "300");  // a record's mean radiation
}

TEST(InfoClimatFile, PreviousMonthMissingOrUnreadableStopsBeforeTheTimeBase) {
    MonthFolder folder;
    const std::string july = folder.write(2014, 7, {{1, {At(10)}}});
    for (Answer base : {Answer::Yes, Answer::No}) {
        const auto run = RunExport(july, base);
        EXPECT_EQ(run.result, CommandResult::Refused);
        ASSERT_EQ(run.dialogs.shown().size(), 1u);
        EXPECT_EQ(run.dialogs.shown()[0].kind, MessageKind::Warning);
        EXPECT_EQ(run.dialogs.shown()[0].text, " Le fichier du mois précédent : \n\n" + folder.path("2014-06.wlk") +
                                                   " est introuvable\n\nl'export ne peut s'effectuer.");
        EXPECT_FALSE(run.written);
    }
    std::filesystem::create_directory(folder.path("2014-06.wlk"));
    const auto run = RunExport(july, Answer::No);
    EXPECT_EQ(run.dialogs.messages(), std::vector<std::string>{"Erreur de lecture du fichier : " +
                                                                folder.path("2014-06.wlk") +
                                                                "\n\nl'export ne peut s'effectuer."});
    EXPECT_FALSE(run.written);
}

TEST(InfoClimatFile, IntervalAboveThirtyMinutesIsRefused) {
    MonthFolder folder;
    folder.write(2014, 6);
    const auto run = RunExport(folder.write(2014, 7, {{2, {At(60, 30), At(120, 60)}}}), Answer::No);
    EXPECT_EQ(run.result, CommandResult::Refused);
    ASSERT_EQ(run.dialogs.shown().size(), 1u);
    EXPECT_EQ(run.dialogs.shown()[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(run.dialogs.shown()[0].text, "Fichier incorrect ! \nIl comporte des intervalles supérieurs à 30 mn");
    EXPECT_FALSE(run.written);
}

TEST(InfoClimatFile, LegalWithoutTheFollowingMonthKeepsTheHeaderOnlyAndUploadsNothing) {
    MonthFolder folder;
    folder.write(2014, 6);
    FtpScript ftp;
    const InfoClimatUpload upload = ScriptedUpload(ftp);
    const auto run = RunExport(folder.write(2014, 7, {{2, RecordsEvery(10, 10, 600)}}), Answer::Yes, &upload);
    EXPECT_EQ(run.result, CommandResult::Refused);
    EXPECT_EQ(run.dialogs.messages(), std::vector<std::string>{" Le fichier du mois suivant : \n\n" +
                                                                folder.path("2014-08.wlk") +
                                                                " est introuvable\n\nl'export ne peut s'effectuer."});
    EXPECT_EQ(run.lines, std::vector<std::string>{kHeader});
    EXPECT_TRUE(ftp.calls.empty());
}

TEST(InfoClimatFile, UnreadableTimeStopsWithTheErrorAndKeepsWhatWasWritten) {
    MonthFolder folder;
    folder.write(2014, 6);
    const auto run = RunExport(folder.write(2014, 7, {{2, RecordsEvery(10, 10, 30)}}), Answer::No, nullptr,
                               [](MonthSession& s) { s.table.setCell(2, 0, "02/07/2014 00:2x"); });
    EXPECT_EQ(run.result, CommandResult::Failed);
    ASSERT_EQ(run.dialogs.messages().size(), 1u);
    EXPECT_NE(run.dialogs.messages()[0].find("02/07/2014 00:2x"), std::string::npos);
    EXPECT_EQ(Times(run), std::vector<std::string>{"2014-07-02 00:10:00"});
}

TEST(InfoClimatFile, StationCodeNamingAnotherFolderIsRefused) {
    MonthFile month;
    SetCurrentPath(month, "/data/2014-07.wlk");
    EXPECT_EQ(InfoClimatFileName(month, "07123"), "07123_201407.ic");
    for (const char* code : {"../07123", "a/b", "a\\b"}) EXPECT_THROW(InfoClimatFileName(month, code), IoError) << code;
}

TEST(InfoClimatFile, UtcMonthUploadsTheFileUnderItsOwnName) {
    MonthFolder folder;
    folder.write(2014, 6);
    FtpScript ftp;
    ftp.size = 2600;
    const InfoClimatUpload upload = ScriptedUpload(ftp);
    const auto run = RunExport(folder.write(2014, 7, {{2, RecordsEvery(10, 10, 30)}}), Answer::No, &upload);
    EXPECT_EQ(run.result, CommandResult::Done);
    EXPECT_EQ(std::filesystem::path(run.icPath).filename(), "07123_201407.ic");
    EXPECT_EQ(ftp.calls, (std::vector<std::string>{"connect ftp.example.invalid:21", "ascii", "passive",
                                                   "put 07123_201407.ic as 07123_201407.ic",
                                                   "size 07123_201407.ic", "disconnect"}));
    EXPECT_EQ(run.dialogs.messages(),
              (std::vector<std::string>{"Le fichier a été enregistré sur votre ordinateur.\nPatientez, il va être "
                                        "transféré sur le serveur d'InfoClimat",
                                        "Transféré avec succès sur le serveur d' InfoClimat (2ko)"}));
}

} // namespace
} // namespace pluvelle
