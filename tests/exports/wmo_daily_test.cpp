#include "exports/wmo_daily.h"

#include "export_test_helpers.h"

#include "core/command_runner.h"
#include "core/text_output.h"
#include "support/month_fixture.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace pluvelle::testing {
namespace {

// Temperatures in tenths of °F: 410 is 5.0 °C, 590 15.0 °C, 680 20.0 °C, 860 30.0 °C.
ArchiveRecord Rec(int t, int low, int high, std::uint16_t rain = 0x2000, int gust = 0) {
    ArchiveRecord r = SampleRecord(t);
    r.lowOutsideTemp = static_cast<std::int16_t>(low);
    r.hiOutsideTemp = static_cast<std::int16_t>(high);
    r.rain = rain;
    r.hiWindSpeed = static_cast<std::int16_t>(gust);
    return r;
}

// Every data day of the window tests holds this record: Tn and Tx 15.0 at 12:00.
ArchiveRecord Baseline() { return Rec(720, 590, 590); }
const char* kBaselineLine = "15.0;12:00;15.0;12:00;0.0;0.0;;";

struct Run {
    CommandResult result{};
    ScriptedDialogs dialogs;
    std::vector<std::string> lines;  // of the CSV, Windows-1252
};

Run Export(const std::string& monthPath, Answer timeBase, const std::string& out) {
    Run run;
    run.dialogs.timeBase(timeBase).fileName(out);
    const MonthFile month = OpenedAt(monthPath);
    run.result = RunCommand(run.dialogs, [&] { return ExportWmoDailyFlow(month, run.dialogs); });
    if (std::filesystem::exists(out)) run.lines = CsvLines(out);
    return run;
}

// The line of a calendar day without its date and season, or "" when it has none.
std::string DayFields(const std::vector<std::string>& lines, int day) {
    const std::string prefix = (day < 10 ? "0" : "") + std::to_string(day) + "/";
    for (const std::string& line : lines)
        if (line.rfind(prefix, 0) == 0) {
            auto f = SplitFields(line);
            std::string s;
            for (std::size_t i = 1; i <= 7; ++i) s += f[i] + ";";
            return s;
        }
    return "";
}

enum class Field { Tn, Tx, Rain, Gust };

TEST(WmoDaily, EachRecordFallsInItsWindow) {
    struct Case {
        const char* file;
        Answer base;  // Yes = legal time, No = UTC
        std::vector<int> dataDays;
        int probeDay;
        int probeTime;  // in the file's time base
        Field field;
        int expectedDay;  // 0: the value reaches no line
    };
    const std::vector<int> d91011 = {9, 10, 11};
    const Case cases[] = {
        // UTC: Tn up to 18:00, Tx and rain after 06:00 up to 06:00 the next data day, gust by calendar day.
        {"2014-07.wlk", Answer::No, d91011, 10, 1070, Field::Tn, 10},
        {"2014-07.wlk", Answer::No, d91011, 10, 1080, Field::Tn, 10},
        {"2014-07.wlk", Answer::No, d91011, 10, 1090, Field::Tn, 11},
        {"2014-07.wlk", Answer::No, d91011, 10, 360, Field::Tx, 9},
        {"2014-07.wlk", Answer::No, d91011, 10, 370, Field::Tx, 10},
        {"2014-07.wlk", Answer::No, d91011, 10, 360, Field::Rain, 9},
        {"2014-07.wlk", Answer::No, d91011, 10, 370, Field::Rain, 10},
        {"2014-07.wlk", Answer::No, d91011, 10, 1435, Field::Gust, 10},
        {"2014-07.wlk", Answer::No, d91011, 10, 5, Field::Gust, 10},
        {"2015-01.wlk", Answer::No, d91011, 10, 1390, Field::Gust, 10},
        // Legal time in July (UTC+2): the same windows end at 20:00 and 08:00, gusts at 22:00.
        {"2014-07.wlk", Answer::Yes, d91011, 10, 1200, Field::Tn, 10},
        {"2014-07.wlk", Answer::Yes, d91011, 10, 1210, Field::Tn, 11},
        {"2014-07.wlk", Answer::Yes, d91011, 10, 60, Field::Tn, 10},
        {"2014-07.wlk", Answer::Yes, d91011, 10, 480, Field::Tx, 9},
        {"2014-07.wlk", Answer::Yes, d91011, 10, 490, Field::Tx, 10},
        {"2014-07.wlk", Answer::Yes, d91011, 10, 60, Field::Tx, 9},
        {"2014-07.wlk", Answer::Yes, d91011, 10, 480, Field::Rain, 9},
        {"2014-07.wlk", Answer::Yes, d91011, 10, 490, Field::Rain, 10},
        {"2014-07.wlk", Answer::Yes, d91011, 10, 1320, Field::Gust, 10},
        {"2014-07.wlk", Answer::Yes, d91011, 10, 1330, Field::Gust, 11},
        // Legal time in January (UTC+1): 19:00, 07:00, gusts at 23:00.
        {"2015-01.wlk", Answer::Yes, d91011, 10, 1140, Field::Tn, 10},
        {"2015-01.wlk", Answer::Yes, d91011, 10, 1150, Field::Tn, 11},
        {"2015-01.wlk", Answer::Yes, d91011, 10, 420, Field::Tx, 9},
        {"2015-01.wlk", Answer::Yes, d91011, 10, 430, Field::Tx, 10},
        {"2015-01.wlk", Answer::Yes, d91011, 10, 1380, Field::Gust, 10},
        {"2015-01.wlk", Answer::Yes, d91011, 10, 1390, Field::Gust, 11},
        // Each day uses its own offset: 26 October 2014 is the last Sunday, in winter time.
        {"2014-10.wlk", Answer::Yes, {25, 26, 27}, 25, 1200, Field::Tn, 25},
        {"2014-10.wlk", Answer::Yes, {25, 26, 27}, 25, 1210, Field::Tn, 26},
        {"2014-10.wlk", Answer::Yes, {25, 26, 27}, 26, 1140, Field::Tn, 26},
        {"2014-10.wlk", Answer::Yes, {25, 26, 27}, 26, 1150, Field::Tn, 27},
        // The month's edges without neighbour files.
        {"2014-07.wlk", Answer::No, d91011, 11, 1090, Field::Tn, 0},
        {"2014-07.wlk", Answer::Yes, d91011, 11, 1330, Field::Gust, 0},
        {"2014-07.wlk", Answer::No, d91011, 9, 300, Field::Tx, 0},
        {"2014-07.wlk", Answer::No, d91011, 9, 300, Field::Rain, 0},
        {"2014-07.wlk", Answer::Yes, d91011, 9, 480, Field::Tx, 0},
        {"2014-07.wlk", Answer::No, d91011, 9, 300, Field::Tn, 9},
        {"2014-07.wlk", Answer::No, d91011, 9, 300, Field::Gust, 9},
        // Days 10 and 12 with data: day 11 is skipped, not a gap in the windows.
        {"2014-07.wlk", Answer::No, {10, 12}, 10, 1090, Field::Tn, 12},
        {"2014-07.wlk", Answer::No, {10, 12}, 12, 300, Field::Tx, 10},
        {"2014-07.wlk", Answer::No, {10, 12}, 12, 300, Field::Rain, 10},
        {"2014-07.wlk", Answer::Yes, {10, 12}, 10, 1330, Field::Gust, 12},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const char* names[] = {"Tn", "Tx", "Rain", "Gust"};
        SCOPED_TRACE(std::string(c.file) + (c.base == Answer::Yes ? " legal " : " UTC ") +
                     names[static_cast<int>(c.field)] + " day " + std::to_string(c.probeDay) + " at " +
                     std::to_string(c.probeTime));
        // The probe's other values never compete: its low is above and its high below the baseline's.
        ArchiveRecord probe = Rec(c.probeTime, 680, 500);
        const std::string at = MinutesToClockTextPlain(c.probeTime);
        std::string tn = "15.0;12:00;", tx = "15.0;12:00;", rain = "0.0;", gust = "0.0;;";
        switch (c.field) {
            case Field::Tn: probe.lowOutsideTemp = 410, tn = "5.0;" + at + ";"; break;
            case Field::Tx: probe.hiOutsideTemp = 860, tx = "30.0;" + at + ";"; break;
            case Field::Rain: probe.rain = 0x2005, rain = "1.0;"; break;
            case Field::Gust: probe.hiWindSpeed = 300, gust = "48.3;" + at + ";"; break;
        }
        const std::string probed = tn + tx + rain + gust;
        std::vector<FixtureDay> days;
        for (int d : c.dataDays) {
            FixtureDay day{d, {Baseline()}, {}, {}};
            if (d == c.probeDay) day.records.push_back(probe);
            std::sort(day.records.begin(), day.records.end(),
                      [](const ArchiveRecord& a, const ArchiveRecord& b) { return a.packedTime < b.packedTime; });
            days.push_back(day);
        }
        const std::string path = WriteMonth(dir, c.file, days);
        const auto run = Export(path, c.base, dir.file("omm.csv"));
        ASSERT_EQ(run.result, CommandResult::Done);
        ASSERT_EQ(run.lines.size(), c.dataDays.size() + 1);
        for (int d : c.dataDays) {
            SCOPED_TRACE("line of day " + std::to_string(d));
            EXPECT_EQ(DayFields(run.lines, d), d == c.expectedDay ? probed : kBaselineLine);
        }
        std::filesystem::remove(path);
    }
}

TEST(WmoDaily, HeaderLinesAndSeasons) {
    TempDir dir;
    // 30 March 2014 is the last Sunday of March: summer time from that day on.
    const std::string path = WriteMonth(dir, "2014-03.wlk", {{29, {Baseline()}, {}, {}}, {30, {Baseline()}, {}, {}}});
    const auto legal = Export(path, Answer::Yes, dir.file("l.csv"));
    EXPECT_EQ(legal.lines, (std::vector<std::string>{
                               Utf8ToCp1252("Date;Tn(°C);Heure_Tn;Tx(°C);Heure_Tx;Cumul_Pluie(mm);Rafale_Maxi(km/h);"
                                            "Heure_Rafale_Maxi;Hiver/Eté;"),
                               "29/03/2014;15.0;12:00;15.0;12:00;0.0;0.0;;H;",
                               "30/03/2014;15.0;12:00;15.0;12:00;0.0;0.0;;E;"}));
    const auto utc = Export(path, Answer::No, dir.file("u.csv"));
    EXPECT_EQ(utc.lines, (std::vector<std::string>{
                             Utf8ToCp1252("Date;Tn(°C);Heure_Tn;Tx(°C);Heure_Tx;Cumul_Pluie(mm);Rafale_Maxi(km/h);"
                                          "Heure_Rafale_Maxi;"),
                             "29/03/2014;15.0;12:00;15.0;12:00;0.0;0.0;;",
                             "30/03/2014;15.0;12:00;15.0;12:00;0.0;0.0;;"}));
    EXPECT_EQ(ReadFile(dir.file("u.csv")).substr(utc.lines[0].size(), 2), "\r\n");
}

TEST(WmoDaily, TiesKeepTheEarlierRecord) {
    TempDir dir;
    const std::string path = WriteMonth(
        dir, "2014-07.wlk",
        {{10,
          {Rec(540, 410, 860, 0x2000, 300), Rec(600, 410, 860, 0x2000, 300), Rec(660, 400, 500, 0x2000, 300),
           Rec(700, 500, 870, 0x2000, 301)},
          {},
          {}}});
    const auto run = Export(path, Answer::No, dir.file("o.csv"));
    // Tn: 09:00 holds against the equal 10:00 and loses to the lower 11:00;
    // Tx and gust: 09:00 holds against 10:00, 11:40 is higher.
    EXPECT_EQ(DayFields(run.lines, 10), "4.4;11:00;30.6;11:40;0.0;48.4;11:40;");
    const auto sameValues = WriteMonth(
        dir, "2014-08.wlk", {{10, {Rec(540, 410, 860, 0x2000, 300), Rec(600, 410, 860, 0x2000, 300)}, {}, {}}});
    EXPECT_EQ(DayFields(Export(sameValues, Answer::No, dir.file("p.csv")).lines, 10),
              "5.0;09:00;30.0;09:00;0.0;48.3;09:00;");
}

TEST(WmoDaily, RecordsWithoutTemperature) {
    TempDir dir;
    const std::string path =
        WriteMonth(dir, "2014-07.wlk",
                   {
                       // Below -40 °C: no Tn, Tx or rain, but the gust counts.
                       {10, {Rec(600, -410, 500, 0x2005, 100)}, {}, {}},
                       // Exactly -40 °C passes.
                       {11, {Rec(600, -400, -400)}, {}, {}},
                       // Only the high fails: the record is left out of Tn too.
                       {12, {Rec(600, 500, -410, 0x2005)}, {}, {}},
                   });
    const auto run = Export(path, Answer::No, dir.file("o.csv"));
    EXPECT_EQ(run.lines[1], "10/07/2014;80.0;;-60.0;;0.0;16.1;10:00;");
    EXPECT_EQ(run.lines[2], "11/07/2014;-40.0;10:00;-40.0;10:00;0.0;0.0;;");
    EXPECT_EQ(run.lines[3], "12/07/2014;80.0;;-60.0;;0.0;0.0;;");
}

TEST(WmoDaily, PreviousMonthFeedsTheFirstDataDay) {
    TempDir dir;
    // 28 June is the previous file's last data day; 27 June is too early to count.
    WriteMonth(dir, "2014-06.wlk",
               {{27, {Rec(1300, 0, 0, 0x2000, 500)}, {}, {}},
                {28, {Rec(1190, 320, 590), Rec(1210, 410, 590), Rec(1330, 590, 590, 0x2005, 300)}, {}, {}}});
    WriteMonth(dir, "2014-08.wlk", {});
    // July's first data day is the 2nd, its baseline at 12:00.
    const std::string path = WriteMonth(dir, "2014-07.wlk", {{2, {Baseline()}, {}, {}}, {3, {Baseline()}, {}, {}}});
    // Legal: 19:50 is 17:50 UTC (too early), 20:10 is 18:10 UTC; the gust after 22:00 belongs to 2 July.
    const auto legal = Export(path, Answer::Yes, dir.file("l.csv"));
    EXPECT_EQ(DayFields(legal.lines, 2), "5.0;20:10;15.0;12:00;0.0;48.3;22:10;");
    EXPECT_EQ(legal.dialogs.messages(), std::vector<std::string>{"Fichier enregistré"});
    // UTC: both evening records count and June's gusts stay in June; its rain never counts.
    const auto utc = Export(path, Answer::No, dir.file("u.csv"));
    EXPECT_EQ(DayFields(utc.lines, 2), "0.0;19:50;15.0;12:00;0.0;0.0;;");
}

TEST(WmoDaily, NextMonthFeedsTheLastDataDay) {
    TempDir dir;
    WriteMonth(dir, "2014-06.wlk", {});
    // Only 1 August counts, and only its high temperature is tested.
    WriteMonth(dir, "2014-08.wlk",
               {{1, {Rec(300, -410, 770, 0x2003), Rec(480, 590, 860, 0x2005), Rec(490, 590, 950, 0x2001)}, {}, {}},
                {2, {Rec(100, 590, 990, 0x2009)}, {}, {}}});
    const std::string path = WriteMonth(dir, "2014-07.wlk", {{30, {Baseline()}, {}, {}}});
    // Legal: 08:00 is 06:00 UTC, the window's last minute; 08:10 is past it.
    EXPECT_EQ(DayFields(Export(path, Answer::Yes, dir.file("l.csv")).lines, 30), "15.0;12:00;30.0;08:00;1.6;0.0;;");
    EXPECT_EQ(DayFields(Export(path, Answer::No, dir.file("u.csv")).lines, 30), "15.0;12:00;25.0;05:00;0.6;0.0;;");
}

TEST(WmoDaily, NeighbourDaysUseTheirOwnLegalOffset) {
    TempDir dir;
    // 29 March 2014 is still winter time: 19:10 there is 18:10 UTC, after the Tn window of the 29th.
    WriteMonth(dir, "2014-03.wlk", {{29, {Rec(1150, 410, 590)}, {}, {}}});
    const std::string april = WriteMonth(dir, "2014-04.wlk", {{1, {Baseline()}, {}, {}}});
    EXPECT_EQ(DayFields(Export(april, Answer::Yes, dir.file("a.csv")).lines, 1), "5.0;19:10;15.0;12:00;0.0;0.0;;");
    // 1 November is winter time: 07:10 is 06:10 UTC, after the Tx window of 31 October.
    WriteMonth(dir, "2014-11.wlk", {{1, {Rec(430, 590, 860)}, {}, {}}});
    const std::string october = WriteMonth(dir, "2014-10.wlk", {{31, {Baseline()}, {}, {}}});
    EXPECT_EQ(DayFields(Export(october, Answer::Yes, dir.file("o.csv")).lines, 31), kBaselineLine);
}

TEST(WmoDaily, NeighboursAcrossTheNewYear) {
    TempDir dir;
    const std::string december =
        WriteMonth(dir, "2014-12.wlk", {{30, {Baseline()}, {}, {}}, {31, {Baseline(), Rec(1390, 410, 590)}, {}, {}}});
    const std::string january = WriteMonth(dir, "2015-01.wlk", {{1, {Rec(300, 590, 860), Baseline()}, {}, {}}});

    const auto dec = Export(december, Answer::Yes, dir.file("d.csv"));
    EXPECT_EQ(DayFields(dec.lines, 31), "15.0;12:00;30.0;05:00;0.0;0.0;;");
    ASSERT_EQ(dec.dialogs.messages().size(), 2u);
    EXPECT_EQ(dec.dialogs.messages()[0], dir.file("2014-11.wlk") + " : Fichier introuvable\r\r"
                                         "Les calculs sur le premier jour du mois risquent d'être inexacts.");

    const auto jan = Export(january, Answer::Yes, dir.file("j.csv"));
    EXPECT_EQ(DayFields(jan.lines, 1), "5.0;23:10;15.0;12:00;0.0;0.0;;");
    ASSERT_EQ(jan.dialogs.messages().size(), 2u);
    EXPECT_EQ(jan.dialogs.messages()[0], dir.file("2015-02.wlk") + " : Fichier introuvable\r\r"
                                         "Les calculs sur le dernier jour du mois risquent d'être inexacts.");
}

TEST(WmoDaily, MissingNeighboursAreWarnedAboutInOrder) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "2014-06.wlk");  // exists but cannot be read as a file
    const std::string path = WriteMonth(dir, "2014-07.wlk", {{1, {Baseline()}, {}, {}}});
    const auto run = Export(path, Answer::Yes, dir.file("o.csv"));
    EXPECT_EQ(run.result, CommandResult::Done);
    EXPECT_EQ(run.dialogs.messages(),
              (std::vector<std::string>{
                  "Erreur de lecture du fichier : " + dir.file("2014-06.wlk") +
                      "\r\rLes calculs sur le premier jour du mois risquent d'être inexacts.",
                  dir.file("2014-08.wlk") +
                      " : Fichier introuvable\r\rLes calculs sur le dernier jour du mois risquent d'être inexacts.",
                  "Fichier enregistré"}));
    const auto& shown = run.dialogs.shown();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[2].kind, MessageKind::Warning);
    EXPECT_EQ(shown[3].kind, MessageKind::Warning);
    EXPECT_EQ(shown[4].kind, MessageKind::Confirmation);
    EXPECT_EQ(run.lines.size(), 2u);
}

TEST(WmoDaily, AsksTheTimeBaseBeforeTheFileName) {
    TempDir dir;
    const std::string path = WriteMonth(dir, "2014-07.wlk", {{1, {Baseline()}, {}, {}}});
    const auto run = Export(path, Answer::Cancel, dir.file("o"));  // a dismissed question means legal time
    const auto& shown = run.dialogs.shown();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[0].what, Shown::What::TimeBase);
    EXPECT_EQ(shown[0].text, "Type d'heure des données");
    EXPECT_EQ(shown[1].what, Shown::What::SaveFile);
    EXPECT_EQ(shown[1].text, "Fichiers *.csv|*.csv");
    EXPECT_EQ(shown[1].extension, ".csv");
    ASSERT_TRUE(std::filesystem::exists(dir.file("o.csv")));
    EXPECT_EQ(CsvLines(dir.file("o.csv"))[1], "01/07/2014;15.0;12:00;15.0;12:00;0.0;0.0;;E;");
}

TEST(WmoDaily, CancelWritesNothingAndSaysNothing) {
    TempDir dir;
    const std::string path = WriteMonth(dir, "2014-07.wlk", {{1, {Baseline()}, {}, {}}});
    ScriptedDialogs dialogs;
    dialogs.timeBase(Answer::Yes).fileName(std::nullopt);
    EXPECT_EQ(ExportWmoDailyFlow(OpenedAt(path), dialogs), CommandResult::Cancelled);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(WmoDaily, OpenMonthGoneLeavesTheHeaderOnly) {
    TempDir dir;
    const auto run = Export(dir.file("2014-07.wlk"), Answer::No, dir.file("o.csv"));
    EXPECT_EQ(run.result, CommandResult::Refused);
    EXPECT_EQ(run.dialogs.messages(), std::vector<std::string>{"2014-07.wlk : Fichier introuvable"});
    EXPECT_EQ(run.lines.size(), 1u);
}

TEST(WmoDaily, DamagedFileStopsBeforeAnyDayLine) {
    TempDir dir;
    const std::string good = MonthBytes({{1, {Baseline()}, {}, {}}, {2, {Baseline()}, {}, {}}});
    std::string badCount = good;
    badCount[20 + 6 * 1] = static_cast<char>(0xFF), badCount[20 + 6 * 1 + 1] = static_cast<char>(0xFF);  // day 1: -1
    struct Case {
        const char* what;
        const char* damaged;
        std::string bytes;
    };
    const Case cases[] = {{"open month truncated", "2014-07.wlk", good.substr(0, good.size() - 1)},
                          {"previous month with a negative count", "2014-06.wlk", badCount},
                          {"next month truncated", "2014-08.wlk", good.substr(0, 300)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir folder;
        for (const char* name : {"2014-06.wlk", "2014-07.wlk", "2014-08.wlk"})
            WriteFile(folder.file(name), name == std::string(c.damaged) ? c.bytes : good);
        const auto run = Export(folder.file("2014-07.wlk"), Answer::Yes, folder.file("o.csv"));
        EXPECT_EQ(run.result, CommandResult::Failed);
        ASSERT_EQ(run.dialogs.messages().size(), 1u);
        EXPECT_EQ(run.dialogs.shown().back().kind, MessageKind::Error);
        EXPECT_NE(run.dialogs.messages()[0].find(folder.file(c.damaged)), std::string::npos);
        EXPECT_EQ(run.lines.size(), 1u);
    }
}

TEST(WmoDaily, MonthWithoutDataGivesTheHeaderOnly) {
    TempDir dir;
    WriteMonth(dir, "2014-06.wlk", {{30, {Rec(1300, 0, 0, 0x2000, 500)}, {}, {}}});
    WriteMonth(dir, "2014-08.wlk", {{1, {Rec(100, 590, 990, 0x2009)}, {}, {}}});
    const auto run = Export(WriteMonth(dir, "2014-07.wlk", {}), Answer::Yes, dir.file("o.csv"));
    EXPECT_EQ(run.result, CommandResult::Done);
    EXPECT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(run.dialogs.messages(), std::vector<std::string>{"Fichier enregistré"});
}

TEST(WmoDaily, FileNameWithoutAMonthIsRefusedBeforeAnyQuestion) {
    TempDir dir;
    const std::string path = dir.file("juillet.wlk");
    WriteFile(path, MonthBytes({{1, {Baseline()}, {}, {}}}));
    const auto run = Export(path, Answer::Yes, dir.file("o.csv"));
    EXPECT_EQ(run.result, CommandResult::Failed);
    ASSERT_EQ(run.dialogs.shown().size(), 1u);
    EXPECT_EQ(run.dialogs.shown()[0].kind, MessageKind::Error);
    EXPECT_FALSE(std::filesystem::exists(dir.file("o.csv")));
}

TEST(WmoDaily, ClockTextHasNoSpecialCase) {
    const std::pair<int, const char*> cases[] = {{0, "00:00"}, {65, "01:05"}, {1439, "23:59"}, {1440, "24:00"},
                                                 {6000, "100:00"}, {-1, "1092:15"}};
    for (const auto& [t, text] : cases) EXPECT_EQ(MinutesToClockTextPlain(t), text) << t;
}

// The real 5-minute month of station B (days 1 to 25, legal time, UTC+2 in
// April), with no neighbour files. Values checked by hand from the records:
// day 11's Tn of 13.5 is reached at 19:55 and again at 20:00 (the earlier
// holds); day 25's Tx of 28.3 at 13:40 and 13:45; day 6 collects 31 clicks of
// 0.254 mm between 08:05 on the 6th and 08:00 on the 7th.
TEST(WmoDaily, RealFiveMinuteMonth) {
    TempDir dir;
    const std::string path = dir.file("2016-04.wlk");
    WriteFile(path, ReadFile(RealDataFolder() + "/station-b/2016-04.wlk"));
    const auto legal = Export(path, Answer::Yes, dir.file("l.csv"));
    EXPECT_EQ(legal.result, CommandResult::Done);
    ASSERT_EQ(legal.lines.size(), 26u);
    EXPECT_EQ(legal.lines[1], "01/04/2016;10.4;06:40;20.1;15:15;0.0;17.7;04:20;E;");
    EXPECT_EQ(legal.lines[6], "06/04/2016;2.4;01:25;19.2;16:45;7.9;38.6;13:10;E;");
    EXPECT_EQ(legal.lines[11], "11/04/2016;13.5;19:55;19.8;10:55;2.5;51.5;14:30;E;");
    EXPECT_EQ(legal.lines[25], "25/04/2016;12.4;04:20;28.3;13:40;0.0;27.4;16:15;E;");
    const auto utc = Export(path, Answer::No, dir.file("u.csv"));
    EXPECT_EQ(utc.lines[11], "11/04/2016;14.3;06:30;19.8;10:55;2.5;51.5;14:30;");
}

} // namespace
} // namespace pluvelle::testing
