#include "ui/logic/table_import.h"

#include "core/command_runner.h"
#include "core/month_reader.h"
#include "core/month_save.h"
#include "core/table_csv.h"

#include "editor_fixture.h"
#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pluvelle {
namespace {

using testing::SampleRecord;

const char* const kReminder =
    "Ne pas oublier d'effectuer un \"Enregistrer le fichier (.wlk)\"\r\n"
    "si on veut ensuite utiliser les fonctionnalités d'export.";

// A data line as the export writes it: 46 values, each followed by ";".
std::string Line(const std::string& date, const std::string& time, const std::string& value = "1.5") {
    std::string line = date + ";" + time + ";";
    for (int c = 1; c < kColumnCount; ++c) line += value + ";";
    return line;
}

std::string Csv(const std::vector<std::string>& lines) {
    std::string text = "Date;Heure;";
    for (int c = 1; c < kColumnCount; ++c) text += std::string(MonthColumns[c]) + ";";
    text += "\r\n";
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

std::string Day(int day) { return (day < 10 ? "0" : "") + std::to_string(day) + "/03/2015"; }

// March 2015 with day 5 (13:05, 13:10, 13:15) and day 7 (00:05, 00:10).
class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<ArchiveRecord> day5{SampleRecord(785), SampleRecord(790), SampleRecord(795)};
        day5[0].extraTemp[5] = 77;  // a field the table does not show
        session = testing::LoadFixture(dir, "2015-03.wlk", {{5, day5}, {7, {SampleRecord(5), SampleRecord(10)}}});
    }
    CommandResult Import(const std::string& bytes) {
        testing::WriteFile(dir.file("table.csv"), bytes);
        dialogs = testing::ScriptedDialogs();
        dialogs.fileName(dir.file("table.csv"));
        return RunCommand(dialogs, [&] { return ImportTableFlow(session, dialogs); });
    }

    testing::TempDir dir;
    MonthSession session;
    testing::ScriptedDialogs dialogs;
};

TEST_F(ImportTest, LineBecomesRowAndRecordTime) {
    const std::string monthPath = session.month.currentFilePath;
    ASSERT_EQ(Import(Csv({Line("05/03/2015", "14:30")})), CommandResult::Done);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text, "Fichiers *.csv|*.csv");
    EXPECT_EQ(dialogs.shown()[1].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.shown()[1].text, kReminder);

    EXPECT_EQ(session.month.dayCount[5], 3);
    EXPECT_EQ(session.month.dayCount[7], 0);
    const ArchiveRecord& r = session.month.records[5][0];
    EXPECT_EQ(r.packedTime, 870);
    EXPECT_EQ(r.archiveInterval, 870 % 256);
    EXPECT_EQ(r.dataType, 1);
    EXPECT_EQ(r.extraTemp[5], 77);  // only the first six bytes come from the file
    EXPECT_EQ(session.table.cell(0, 0), "Date Heure");
    EXPECT_EQ(session.table.cell(1, 0), "05/03/2015 14:30");
    EXPECT_EQ(session.table.cell(1, 46), "1.5");
    EXPECT_TRUE(session.table.rowIsEmpty(2));
    EXPECT_EQ(session.table.rowCount(), kDefaultRowCount);
    testing::ExpectConsistentHeader(session.month);
    testing::ExpectTableMatchesStore(session);
    EXPECT_TRUE(session.unsavedChanges);
    EXPECT_EQ(session.month.currentFilePath, monthPath);
}

TEST_F(ImportTest, MidnightRecordClosesItsDayForTheIntervals) {
    const struct {
        std::vector<std::string> lines;
        std::vector<std::pair<int, int>> dayAndInterval;
    } cases[] = {
        {{Line(Day(5), "23:55"), Line(Day(5), "24:00"), Line(Day(6), "00:05")}, {{5, 1435 % 256}, {5, 5}, {6, 5}}},
        {{Line(Day(5), "23:55"), Line(Day(6), "00:05")}, {{5, 1435 % 256}, {6, 106}}},
        {{Line(Day(5), "00:00"), Line(Day(5), "00:05")}, {{5, 0}, {5, 5}}},
    };
    for (const auto& c : cases) {
        SetUp();
        ASSERT_EQ(Import(Csv(c.lines)), CommandResult::Done);
        std::array<int, 32> slot{};
        for (const auto& [day, interval] : c.dayAndInterval)
            EXPECT_EQ(session.month.records[day][static_cast<std::size_t>(slot[day]++)].archiveInterval, interval)
                << c.lines[0] << " day " << day;
    }
}

TEST_F(ImportTest, DayIndexRebuiltFromTheLinesDays) {
    std::vector<std::string> lines;
    for (int day : {1, 3})
        for (int i = 1; i <= 10; ++i) lines.push_back(Line(Day(day), "0" + std::to_string(i - 1) + ":30"));
    ASSERT_EQ(Import(Csv(lines)), CommandResult::Done);
    const auto& index = session.month.header.dayIndex;
    EXPECT_EQ(index[1].recordsInDay, 12);
    EXPECT_EQ(index[2].recordsInDay, 0);
    EXPECT_EQ(index[3].recordsInDay, 12);
    EXPECT_EQ(index[1].startPos, 0);
    EXPECT_EQ(index[2].startPos, 12);
    EXPECT_EQ(index[3].startPos, 12);
    EXPECT_EQ(session.month.header.totalRecords, 24);
    testing::ExpectTableMatchesStore(session);
}

TEST_F(ImportTest, FilesWhoseRowsWouldLandInTheWrongRecordsAreRefusedWhole) {
    const std::string good = Line(Day(5), "14:30");
    const struct {
        const char* what;
        std::string bytes;
        const char* where;  // line named in the message
    } cases[] = {
        {"no ;", Csv({"abc"}), "table.csv, ligne 2 : la date doit commencer par le jour, de 01 à 31."},
        {"no ; after data", Csv({good, "abc"}), "ligne 3 : la date"},
        {"day 00", Csv({Line("00/03/2015", "14:30")}), "ligne 2 : la date"},
        {"day 32", Csv({good, Line("32/03/2015", "14:30")}), "ligne 3 : la date"},
        {"day in one digit", Csv({Line("5/3/2015", "14:30")}), "ligne 2 : la date"},
        {"hour 25", Csv({Line(Day(5), "25:00")}), "ligne 2 : l'heure doit s'écrire hh:mm, de 00:00 à 24:00."},
        {"24:05", Csv({Line(Day(5), "24:05")}), "ligne 2 : l'heure"},
        {"minute 60", Csv({Line(Day(5), "12:60")}), "ligne 2 : l'heure"},
        {"hour in one digit", Csv({Line(Day(5), "9:05")}), "ligne 2 : l'heure"},
        {"no time", Csv({Line(Day(5), "")}), "ligne 2 : l'heure"},
        {"twice", Csv({good, good}),
         "ligne 3 : les dates et heures doivent se suivre en ordre croissant, sans doublon."},
        {"earlier time", Csv({good, Line(Day(5), "14:25")}), "ligne 3 : les dates"},
        {"earlier day", Csv({Line(Day(6), "00:05"), Line(Day(5), "23:00")}), "ligne 3 : les dates"},
        {"after 24:00", Csv({Line(Day(5), "24:00"), Line(Day(5), "00:05")}), "ligne 3 : les dates"},
        {"data after a blank line", Csv({good, std::string(48, ';'), Line(Day(5), "14:35")}),
         "ligne 4 : des données suivent la ligne vide 3 (les lignes vides ne peuvent être qu'en fin de fichier)."},
        {"titles only", Csv({}), "table.csv : le fichier ne contient aucun enregistrement."},
        {"empty file", "", "table.csv : le fichier ne contient aucun enregistrement."},
        {"binary", std::string("\0\x01\xff;\x80\r\n\0\0;;\xe9", 12), "ligne 2 : la date"},
        {"1 MB without ;", Csv({std::string(1 << 20, 'x')}), "ligne 2 : la date"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        const testing::SessionSnapshot before(session);
        EXPECT_EQ(Import(c.bytes), CommandResult::Refused);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const std::string text = dialogs.messages()[0];
        EXPECT_EQ(text.rfind("Fichier non importé, rien n'a été modifié.\r\n", 0), 0u) << text;
        EXPECT_NE(text.find(c.where), std::string::npos) << text;
        EXPECT_EQ(dialogs.shown().back().kind, MessageKind::Warning);
        EXPECT_TRUE(testing::SessionSnapshot(session) == before);
    }
}

TEST_F(ImportTest, NoDayTakesMoreRecordsThanTheStoreHolds) {
    std::vector<std::string> lines;
    for (int t = 0; t <= 1440; ++t) {
        const std::string hh = (t / 60 < 10 ? "0" : "") + std::to_string(t / 60);
        const std::string mm = (t % 60 < 10 ? "0" : "") + std::to_string(t % 60);
        lines.push_back(Line(Day(5), hh + ":" + mm));
    }
    const testing::SessionSnapshot before(session);
    EXPECT_EQ(Import(Csv(lines)), CommandResult::Refused);
    EXPECT_NE(dialogs.messages()[0].find("ligne 1442 : plus de 1440 enregistrements pour le jour 5."), std::string::npos);
    EXPECT_TRUE(testing::SessionSnapshot(session) == before);

    lines.erase(lines.begin());  // 00:01 to 24:00: a full 1-minute day
    ASSERT_EQ(Import(Csv(lines)), CommandResult::Done);
    EXPECT_EQ(session.month.dayCount[5], 1442);
    testing::ExpectTableMatchesStore(session);
}

TEST_F(ImportTest, OddButHarmlessLines) {
    const std::string big(1 << 20, 'x');
    std::string manyFields = Day(5) + ";14:31;";
    for (int i = 1; i <= 200; ++i) manyFields += std::to_string(i) + ";";
    std::string text = Csv({Day(5) + ";14:30;" + big,  // the text after the last ";" is never used
                            manyFields, Day(5) + ";14:32;" + big + ";", Day(5) + ";14:33;1;\xe9t\xe9;",
                            std::string(48, ';'), " ; ;", ""});
    ASSERT_EQ(Import(text), CommandResult::Done);
    EXPECT_TRUE(session.table.cell(1, 1).empty());
    EXPECT_TRUE(session.table.cell(1, 46).empty());
    EXPECT_EQ(session.table.cell(2, 46), "46");
    EXPECT_EQ(session.table.cell(3, 1).size(), big.size());
    EXPECT_EQ(session.table.cell(4, 2), "été");  // Windows-1252 in, UTF-8 inside
    EXPECT_EQ(session.table.cell(4, 3), "");
    EXPECT_TRUE(session.table.rowIsEmpty(5));  // blank lines at the end give empty rows
    EXPECT_EQ(session.month.dayCount[5], 6);
}

TEST_F(ImportTest, LineEndsOfOtherSystems) {
    for (const char* end : {"\n", "\r"}) {
        SetUp();
        const std::string text = std::string("Date;Heure;") + end + Line(Day(5), "14:30") + end + Line(Day(5), "14:35");
        ASSERT_EQ(Import(text), CommandResult::Done);
        EXPECT_EQ(session.month.dayCount[5], 4);
        EXPECT_EQ(session.table.cell(2, 0), "05/03/2015 14:35");
    }
}

TEST_F(ImportTest, CancelledDialogOrUnreadableFileChangesNothing) {
    const testing::SessionSnapshot before(session);
    testing::ScriptedDialogs cancelled;
    cancelled.fileName(std::nullopt);
    EXPECT_EQ(ImportTableFlow(session, cancelled), CommandResult::Cancelled);
    EXPECT_TRUE(cancelled.messages().empty());
    EXPECT_TRUE(testing::SessionSnapshot(session) == before);

    testing::ScriptedDialogs missing;
    missing.fileName(dir.file("absent.csv"));
    EXPECT_EQ(RunCommand(missing, [&] { return ImportTableFlow(session, missing); }), CommandResult::Failed);
    ASSERT_EQ(missing.messages().size(), 1u);
    EXPECT_EQ(missing.shown().back().kind, MessageKind::Error);
    EXPECT_EQ(missing.messages()[0], "Impossible d'ouvrir le fichier " + dir.file("absent.csv") + " : fichier introuvable");
    EXPECT_TRUE(testing::SessionSnapshot(session) == before);

    testing::ScriptedDialogs folder;
    folder.fileName(dir.path().string());
    EXPECT_EQ(RunCommand(folder, [&] { return ImportTableFlow(session, folder); }), CommandResult::Failed);
    EXPECT_TRUE(testing::SessionSnapshot(session) == before);
}

TEST_F(ImportTest, DayTheMonthLackedIsSavedWithMarkedSummaries) {
    const RecordBytes summary5 = session.month.summary1[5];
    ASSERT_EQ(Import(Csv({Line(Day(5), "14:30", "2"), Line(Day(6), "00:05", "3"), Line(Day(6), "00:10", "3")})),
              CommandResult::Done);
    testing::TempDir out;
    SaveMonthToPath(session, out.file("2015-03.wlk"));
    const MonthImage image = ReadMonthImage(out.file("2015-03.wlk"));
    EXPECT_EQ(image.dayCount[5], 3);
    EXPECT_EQ(image.dayCount[6], 4);
    EXPECT_EQ(image.dayCount[7], 0);
    EXPECT_EQ(image.days[5].summary1, summary5);
    RecordBytes marked1{}, marked2{};
    marked1[0] = 2;
    marked2[0] = 3;
    EXPECT_EQ(image.days[6].summary1, marked1);
    EXPECT_EQ(image.days[6].summary2, marked2);
    ASSERT_EQ(image.days[6].records.size(), 2u);
    EXPECT_EQ(image.days[6].records[1].packedTime, 10);
    EXPECT_EQ(image.days[6].records[1].archiveInterval, 5);
    EXPECT_EQ(image.days[6].records[1].numWindSamples, 3);

    const MonthSession back = ReadMonthSession(out.file("2015-03.wlk"));
    testing::ExpectConsistentHeader(back.month);
    testing::ExpectTableMatchesStore(back);
    EXPECT_EQ(back.table.cell(3, 0), "06/03/2015 00:10");
}

// Records compared without the fields the table cannot carry: the interval is
// recomputed from the times and the icon flags start again from zero.
ArchiveRecord WithoutUncarriedFields(ArchiveRecord r) {
    r.archiveInterval = 0;
    r.iconFlags = 0;
    r.moreFlags = 0;
    return r;
}

TEST(ImportRealMonths, ExportedTableImportsBackToTheSameMonth) {
    for (const char* name : {"station-b/2016-04.wlk", "station-j/2012-02.wlk"}) {
        SCOPED_TRACE(name);
        const std::string path = testing::RealDataFolder() + "/" + name;
        MonthSession original = ReadMonthSession(path);
        testing::TempDir dir;
        testing::WriteFile(dir.file("table.csv"), TableCsvBytes(original.table));

        MonthSession imported = ReadMonthSession(path);
        testing::ScriptedDialogs d;
        d.fileName(dir.file("table.csv"));
        ASSERT_EQ(ImportTableFlow(imported, d), CommandResult::Done);
        ASSERT_EQ(imported.table.rowCount(), original.table.rowCount());
        for (int r = 0; r < original.table.rowCount(); ++r) {
            int c = 0;
            while (c < kColumnCount && imported.table.cell(r, c) == original.table.cell(r, c)) ++c;
            ASSERT_EQ(c, kColumnCount) << "row " << r << ": " << imported.table.cell(r, c);
        }
        EXPECT_EQ(imported.month.dayCount, original.month.dayCount);
        testing::ExpectConsistentHeader(imported.month);

        SaveMonthToPath(original, dir.file("resaved.wlk"));
        SaveMonthToPath(imported, dir.file("imported.wlk"));
        const MonthImage a = ReadMonthImage(dir.file("resaved.wlk"));
        const MonthImage b = ReadMonthImage(dir.file("imported.wlk"));
        EXPECT_EQ(a.header.idCode, b.header.idCode);
        EXPECT_EQ(a.header.totalRecords, b.header.totalRecords);
        int intervalsChanged = 0;
        for (int day = 1; day <= 31; ++day) {
            ASSERT_EQ(a.dayCount[day], b.dayCount[day]);
            EXPECT_EQ(a.days[day].summary1, b.days[day].summary1);
            EXPECT_EQ(a.days[day].summary2, b.days[day].summary2);
            for (std::size_t u = 0; u < a.days[day].records.size(); ++u) {
                ASSERT_EQ(WithoutUncarriedFields(a.days[day].records[u]), WithoutUncarriedFields(b.days[day].records[u]))
                    << "day " << day << " record " << u;
                intervalsChanged += a.days[day].records[u].archiveInterval != b.days[day].records[u].archiveInterval;
            }
        }
        // Gaps aside, the times give back the logger's own interval.
        EXPECT_LT(intervalsChanged, a.header.totalRecords / 100);
    }
}

} // namespace
} // namespace pluvelle
