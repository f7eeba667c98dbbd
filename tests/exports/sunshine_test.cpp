#include "exports/solar_geometry.h"
#include "exports/sunshine.h"

#include "core/errors.h"
#include "core/month_load.h"
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
using testing::Shown;
using testing::TempDir;
using testing::WriteFile;

const std::string kHeaderBytes =
    "Date; Ensoleillement th\xE9orique (en h);Ensoleillement r\xE9" "el (en h); Taux d'ensoleillement;"
    "Energie re\xE7ue en (kWh/m\xB2)";

ArchiveRecord Rad(int packedTime, int radiation) {
    ArchiveRecord r = testing::SampleRecord(packedTime);
    r.solarRad = static_cast<std::int16_t>(radiation);
    return r;
}

int At(int hour, int minute) { return hour * 60 + minute; }

RecordBytes EnergySummary(int tenthsOfLangley) {
    DailySummary2 s;
    s.dailySolarEnergy = static_cast<std::int16_t>(tenthsOfLangley);
    return EncodeDailySummary2(s);
}

std::vector<std::string> CsvLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(bytes.substr(from, at - from));
    EXPECT_EQ(from, bytes.size()) << "text after the last CR LF";
    return lines;
}

class SunshineExport : public ::testing::Test {
protected:
    SunshineExport() { std::filesystem::create_directories(programFolder); }

    MonthFile Load(const std::string& name, const std::vector<FixtureDay>& days) {
        WriteFile(dir.file(name), testing::MonthBytes(days));
        return ReadMonthSession(dir.file(name)).month;
    }

    // Runs the export to out.csv and returns its lines after the header.
    std::vector<std::string> Export(const MonthFile& month, const SunshineTexts& typed, Answer timeBase) {
        ScriptedDialogs dialogs;
        dialogs.timeBase(timeBase).fileName(dir.file("out"));
        EXPECT_EQ(SunshineExportFlow(month, dialogs, {typed, programFolder, {}}), CommandResult::Done);
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Fichier enregistré"});
        std::vector<std::string> lines = CsvLines(ReadFile(dir.file("out.csv")));
        EXPECT_FALSE(lines.empty());
        if (!lines.empty()) {
            EXPECT_EQ(lines[0], kHeaderBytes);
            lines.erase(lines.begin());
        }
        return lines;
    }

    TempDir dir;
    std::string programFolder = dir.file("program");
};

TEST_F(SunshineExport, IntervalRule) {
    const SunshineTexts station{"45", "0", "50"};
    const double noonLevel = SunshineThreshold(12, 0, 21, 6, 2015, 45, 0);
    const double afternoonLevel = SunshineThreshold(14, 0, 21, 6, 2015, 45, 0);
    ASSERT_LT(afternoonLevel + 20, noonLevel);
    const int between = static_cast<int>((noonLevel + afternoonLevel) / 2);

    std::vector<ArchiveRecord> quarterSunny{Rad(At(11, 0), 0)};
    for (int t = At(11, 5); t <= At(13, 0); t += 5) quarterSunny.push_back(Rad(t, t <= At(11, 15) ? 32767 : 1));

    struct Case {
        const char* what;
        std::string file;  // gives the month: March is winter time on the 2nd, July summer time
        Answer timeBase;
        std::vector<ArchiveRecord> records;
        std::string threshold;
        std::string durationsAndRate;
    };
    const Case cases[] = {
        {"first record counts from midnight", "2015-03.wlk", Answer::No, {Rad(At(1, 0), 32767)}, "0", "01:00;01:00;100"},
        {"a 300-minute gap counts 44", "2015-03.wlk", Answer::No, {Rad(At(2, 0), 0), Rad(At(7, 0), 32767)}, "0",
         "00:44;00:44;100"},
        {"01:30 in summer is skipped, legal", "2015-07.wlk", Answer::Yes,
         {Rad(At(1, 30), 32767), Rad(At(2, 0), 32767)}, "0", "00:30;00:30;100"},
        {"01:30 in summer is skipped, UTC", "2015-07.wlk", Answer::No, {Rad(At(1, 30), 32767), Rad(At(2, 0), 32767)},
         "0", "00:30;00:30;100"},
        {"zero and missing radiation are skipped", "2015-03.wlk", Answer::No,
         {Rad(At(12, 0), 0), Rad(At(12, 5), -1), Rad(At(12, 10), 32767)}, "0", "00:05;00:05;100"},
        {"levels under the threshold are not sunshine", "2015-03.wlk", Answer::No, {Rad(At(12, 0), 32767)}, "2000",
         "00:00;00:00;0"},
        {"15 sunny of 120 minutes", "2015-03.wlk", Answer::No, quarterSunny, "0", "02:00;00:15;10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const MonthFile month = Load(c.file, {{2, c.records}});
        const std::string date = "02/" + c.file.substr(5, 2) + "/2015;";
        EXPECT_EQ(Export(month, {"45", "0", c.threshold}, c.timeBase),
                  std::vector<std::string>{date + c.durationsAndRate + ";0.000;"});
    }

    // Legal times lose the day's offset before the sun's position: 14:00 in
    // June is noon UT, when the level is higher than at 14:00 UT.
    const MonthFile june = Load("2015-06.wlk", {{21, {Rad(At(13, 55), 0), Rad(At(14, 0), between)}}});
    EXPECT_EQ(Export(june, station, Answer::Yes), std::vector<std::string>{"21/06/2015;00:05;00:00;0;0.000;"});
    EXPECT_EQ(Export(june, station, Answer::No), std::vector<std::string>{"21/06/2015;00:05;00:05;100;0.000;"});
}

TEST_F(SunshineExport, DayLinesEnergyAndDaysWithoutData) {
    FixtureDay withRecords{3, {Rad(At(12, 0), 0), Rad(At(12, 5), 32767)}};
    withRecords.summary2 = EnergySummary(2018);
    FixtureDay summariesOnly{5, {}};
    summariesOnly.summary2 = EnergySummary(1000);
    const MonthFile month = Load("2015-03.wlk", {withRecords, summariesOnly});
    EXPECT_EQ(Export(month, {"45", "0", "50"}, Answer::Yes),
              (std::vector<std::string>{"03/03/2015;00:05;00:05;100;2.345;", "05/03/2015;00:00;00:00;0;1.162;"}));

    const MonthFile empty = Load("2015-04.wlk", {});
    EXPECT_TRUE(Export(empty, {"45", "0", "50"}, Answer::Yes).empty());
}

TEST(SunshineFigures, RateAndDurations) {
    struct Case { unsigned sunny, theoretical; int rate; };
    const Case cases[] = {{15, 120, 10}, {45, 120, 40}, {0, 0, 0},   {0, 120, 0},
                          {3, 120, 0},   {9, 120, 10},  {120, 120, 100}, {375, 580, 65}};
    for (const Case& c : cases) EXPECT_EQ(SunshineRate(c.sunny, c.theoretical), c.rate) << c.sunny << "/" << c.theoretical;
    EXPECT_EQ(DurationText(0), "00:00");
    EXPECT_EQ(DurationText(580), "09:40");
    EXPECT_EQ(DurationText(375), "06:15");
    EXPECT_EQ(DurationText(1505), "25:05");
}

TEST_F(SunshineExport, RefusedFromTenRecordsWithoutRadiation) {
    for (int missing : {9, 10}) {
        SCOPED_TRACE(missing);
        std::vector<ArchiveRecord> records = testing::RecordsEvery(5, At(10, 0), At(11, 0));
        for (int i = 0; i < missing; ++i) records[static_cast<std::size_t>(i)].solarRad = -32768;
        const MonthFile month = Load("2015-03.wlk", {{1, records}});
        ScriptedDialogs dialogs;
        const auto texts = OpenSunshinePanel(month, dialogs, programFolder, {"44", "1", "70"});
        if (missing < 10) {
            EXPECT_EQ(texts, (SunshineTexts{"44", "1", "50"}));
            EXPECT_TRUE(dialogs.messages().empty());
        } else {
            EXPECT_FALSE(texts);
            EXPECT_EQ(dialogs.messages(), std::vector<std::string>{kNoRadiationSensorText});
        }
    }
}

TEST_F(SunshineExport, PanelTextsFromTheSettingsFile) {
    const MonthFile month = Load("2015-03.wlk", {{1, {Rad(At(12, 0), 100)}}});
    const std::string settings = programFolder + "/" + kSunshineSettingsFile;
    struct Case { const char* what; std::string bytes; SunshineTexts shown; };
    const Case cases[] = {
        {"commas become points, 6 decimals kept", "45,123456789\r\n-5,25\r\n60\r\n", {"45.123456", "-5.25", "60"}},
        {"points stay", "45.5\r\n-5.25\r\n50\r\n", {"45.5", "-5.25", "50"}},
        {"missing lines read empty", "44.1", {"44.1", "", ""}},
        {"bare line feeds", "43\n2\n40\n", {"43", "2", "40"}},
        {"single-byte text", "45,5\xB0\r\n0\r\n50\r\n", {"45.5\xC2\xB0", "0", "50"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(settings, c.bytes);
        ScriptedDialogs dialogs;
        EXPECT_EQ(OpenSunshinePanel(month, dialogs, programFolder, {"1", "2", "3"}), c.shown);
    }
}

TEST_F(SunshineExport, TypedTextsAreKeptAsTypedAndReadBackWithPoints) {
    const MonthFile month = Load("2015-03.wlk", {{2, {Rad(At(12, 0), 0), Rad(At(12, 5), 150)}}});
    const std::vector<std::string> withPoint = Export(month, {"45.5", "-1.25", "40"}, Answer::Yes);
    const std::vector<std::string> withComma = Export(month, {"45,5", "-1,25", "40"}, Answer::Yes);
    EXPECT_EQ(withComma, withPoint);
    EXPECT_EQ(ReadFile(programFolder + "/" + kSunshineSettingsFile), "45,5\r\n-1,25\r\n40\r\n");
    ScriptedDialogs dialogs;
    EXPECT_EQ(OpenSunshinePanel(month, dialogs, programFolder, {}), (SunshineTexts{"45.5", "-1.25", "40"}));
}

TEST_F(SunshineExport, DialogueOrder) {
    const MonthFile month = Load("2015-03.wlk", {{2, {Rad(At(12, 0), 100)}}});
    ScriptedDialogs dialogs;
    dialogs.timeBase(Answer::Cancel).fileName(dir.file("out.csv"));
    std::size_t shownWhenHidden = 0;
    const SunshineRequest request{{"45", "0", "50"}, programFolder, [&] { shownWhenHidden = dialogs.shown().size(); }};
    EXPECT_EQ(SunshineExportFlow(month, dialogs, request), CommandResult::Done);
    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[0].what, Shown::What::TimeBase);
    EXPECT_EQ(dialogs.shown()[0].text, "Type d'heure des données");
    EXPECT_EQ(dialogs.shown()[1].what, Shown::What::SaveFile);
    EXPECT_EQ(dialogs.shown()[1].text, "Fichiers *.csv|*.csv");
    EXPECT_EQ(dialogs.shown()[1].extension, ".csv");
    EXPECT_EQ(shownWhenHidden, 1u);
}

TEST_F(SunshineExport, CancelledSaveWritesNoExport) {
    const MonthFile month = Load("2015-03.wlk", {{2, {Rad(At(12, 0), 100)}}});
    for (const std::optional<std::string>& answer : {std::optional<std::string>(), std::optional<std::string>("")}) {
        ScriptedDialogs dialogs;
        dialogs.timeBase(Answer::Yes).fileName(answer);
        EXPECT_EQ(SunshineExportFlow(month, dialogs, {{"45", "0", "50"}, programFolder, {}}), CommandResult::Cancelled);
        EXPECT_TRUE(dialogs.messages().empty());
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().extension(), ".csv") << entry.path();
    // The typed texts were kept before the dialog, as the panel was closed.
    EXPECT_TRUE(std::filesystem::exists(programFolder + "/" + kSunshineSettingsFile));
}

TEST_F(SunshineExport, MonthFileGoneGivesTheOpenWarning) {
    const MonthFile month = Load("2015-03.wlk", {{2, {Rad(At(12, 0), 100)}}});
    std::filesystem::remove(dir.file("2015-03.wlk"));
    ScriptedDialogs dialogs;
    dialogs.timeBase(Answer::Yes).fileName(dir.file("out.csv"));
    EXPECT_EQ(SunshineExportFlow(month, dialogs, {{"45", "0", "50"}, programFolder, {}}), CommandResult::Refused);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"2015-03.wlk : Fichier introuvable"});
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.csv")));
}

TEST_F(SunshineExport, DamagedMonthFileStopsBeforeTheExportExists) {
    const MonthFile month = Load("2015-03.wlk", {{2, {Rad(At(12, 0), 100), Rad(At(12, 5), 100)}}});
    std::string bytes = ReadFile(dir.file("2015-03.wlk"));
    WriteFile(dir.file("2015-03.wlk"), bytes.substr(0, bytes.size() - 10));
    ScriptedDialogs dialogs;
    dialogs.timeBase(Answer::Yes).fileName(dir.file("out.csv"));
    EXPECT_THROW(SunshineExportFlow(month, dialogs, {{"45", "0", "50"}, programFolder, {}}), IoError);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.csv")));
}

} // namespace
} // namespace pluvelle
