#include "ui/logic/row_insertion.h"

#include "core/month_save.h"

#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace pluvelle {
namespace {

using testing::FixtureDay;
using testing::RecordsEvery;
using testing::SampleRecord;

std::vector<ArchiveRecord> At(std::vector<int> times) {
    std::vector<ArchiveRecord> out;
    for (int t : times) out.push_back(SampleRecord(t));
    return out;
}

// March 2015. Rows 1-3: day 5 at 13:05, 13:10, 13:15; rows 4-6: day 7 at
// 00:05, 00:10, 23:55; day 9 holds its summaries and no record; day 3 is absent.
class InsertionTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = testing::LoadFixture(dir, "2015-03.wlk",
                                       {{5, At({785, 790, 795})}, {7, At({5, 10, 1435})}, FixtureDay{9, {}}});
        OpenInsertionBand(band);
    }
    InsertionResult Enter(const std::string& day, const std::string& hour, const std::string& minute) {
        band.JourInsere = day;
        band.HeureInsere = hour;
        band.MinuteInsere = minute;
        return ValidateInsertion(band, session);
    }

    testing::TempDir dir;
    MonthSession session;
    InsertionBand band;
};

struct PlacementCase {
    const char* day;
    const char* hour;
    const char* minute;
    int row;
    const char* when;
    int storeDay;
    int slot;
    int packedTime;
    int interval;
};

TEST_F(InsertionTest, NewRowTakesItsPlaceInTimeOrderAndTheStoreFollows) {
    const PlacementCase cases[] = {
        {"05", "13", "07", 2, "05/03/2015 13:07", 5, 2, 787, 2},          // between two rows
        {"05", "13", "00", 1, "05/03/2015 13:00", 5, 1, 780, 780 % 256},  // first record of its day
        {"05", "23", "00", 4, "05/03/2015 23:00", 5, 4, 1380, 73},        // after the day's last row
        {"7", "23", "50", 6, "07/03/2015 23:50", 7, 3, 1430, 140},        // just before the last row
        {"07", "24", "00", 7, "07/03/2015 24:00", 7, 4, 1440, 5},         // after every row
        {"07", "00", "01", 4, "07/03/2015 00:01", 7, 1, 1, 1},
        {"09", "12", "00", 7, "09/03/2015 12:00", 9, 1, 720, 720 % 256},  // day with summaries only
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.when);
        SetUp();
        const int countBefore = session.month.dayCount[c.storeDay];
        const int totalBefore = session.month.header.totalRecords;
        const InsertionResult result = Enter(c.day, c.hour, c.minute);
        ASSERT_TRUE(result.inserted);
        EXPECT_EQ(result.row, c.row);
        EXPECT_EQ(session.table.cell(c.row, 0), c.when);
        for (int col = 1; col < kColumnCount; ++col) EXPECT_EQ(session.table.cell(c.row, col), "- -");
        const ArchiveRecord& r = session.month.records[c.storeDay][static_cast<std::size_t>(c.slot - 1)];
        EXPECT_EQ(r.packedTime, c.packedTime);
        EXPECT_EQ(r.archiveInterval, c.interval);
        EXPECT_EQ(session.month.dayCount[c.storeDay], countBefore + 1);
        EXPECT_EQ(session.month.header.totalRecords, totalBefore + 1);
        testing::ExpectConsistentHeader(session.month);
        testing::ExpectTableMatchesStore(session);
        EXPECT_TRUE(session.unsavedChanges);
        EXPECT_FALSE(band.open);
    }
}

TEST_F(InsertionTest, NewRecordHoldsNoDataUntilTheRowIsTyped) {
    ASSERT_TRUE(Enter("05", "13", "07").inserted);
    const ArchiveRecord& r = session.month.records[5][1];
    EXPECT_EQ(r.dataType, 1);
    EXPECT_EQ(r.iconFlags, 0);
    EXPECT_EQ(r.moreFlags, 0);
    EXPECT_EQ(r.outsideTemp, 320);
    EXPECT_EQ(r.lowOutsideTemp, 320);
    EXPECT_EQ(r.barometer, 0);
    EXPECT_EQ(r.outsideHum, 0);
    EXPECT_EQ(r.rain, 0x2000);
    EXPECT_EQ(r.windSpeed, 0);
    EXPECT_EQ(r.windDirection, 255);
    EXPECT_EQ(r.forecast, 255);
    EXPECT_EQ(r.solarRad, -32768);
    EXPECT_EQ(r.extraRad, -32768);
    EXPECT_EQ(r.newSensors[5], -32768);
    EXPECT_EQ(r.soilMoisture[0], 255);
    EXPECT_EQ(r.extraHum[6], 255);
    // Its neighbours are untouched.
    EXPECT_EQ(session.month.records[5][2], SampleRecord(790));
}

struct RemarkCase {
    const char* day;
    const char* hour;
    const char* minute;
    const char* jour;
    const char* heure;
    const char* minuteAfter;
};

TEST_F(InsertionTest, RefusedEntriesShowEveryRemarkAndChangeNothing) {
    const RemarkCase cases[] = {
        {"32", "12", "00", "32 : Incompat.", "12", "00"},
        {"0", "12", "00", "0 : Incompat.", "12", "00"},
        {"05", "00", "00", "05: ->la veille", "00: ->24", "00: ->00"},
        {"00", "00", "00", "00 : Incompat.: ->la veille", "00: ->24", "00: ->00"},
        {"05", "25", "00", "05", "25 : Faux", "00"},
        {"05", "24", "05", "05", "24 : Faux", "05"},
        {"05", "ab", "10", "05", "ab : Faux : Faux", "10"},
        {"05", "-1", "10", "05", "-1 : Faux", "10"},
        {"05", "12", "60", "05", "12", "60 : Faux"},
        {"05", "12", "-5", "05", "12", "-5 : Faux"},
        {"05", "12", "x", "05", "12", "x : Faux"},
        {"40", "30", "99", "40 : Incompat.", "30 : Faux", "99 : Faux"},
        // The band's placeholders, cut to two characters.
        {" jj", " hh ", " mm ", " j : Incompat.", " h : Faux : Faux", " m : Faux"},
        {"05", "13", "10", "05:Référence", "13:déjà", "10:existante"},
        {"07", "23", "55", "07:Référence", "23:déjà", "55:existante"},
        {"03", "12", "00", "03 : Jour sans données", "12", "00"},
    };
    for (const RemarkCase& c : cases) {
        SCOPED_TRACE(std::string(c.day) + "|" + c.hour + "|" + c.minute);
        SetUp();
        const testing::SessionSnapshot before(session);
        EXPECT_FALSE(Enter(c.day, c.hour, c.minute).inserted);
        EXPECT_EQ(band.JourInsere, c.jour);
        EXPECT_EQ(band.HeureInsere, c.heure);
        EXPECT_EQ(band.MinuteInsere, c.minuteAfter);
        EXPECT_TRUE(band.open);
        EXPECT_TRUE(testing::SessionSnapshot(session) == before);
    }
}

TEST_F(InsertionTest, ValidatingAgainStartsFromTheFirstTwoCharacters) {
    EXPECT_FALSE(Enter("05", "13", "10").inserted);
    EXPECT_EQ(band.JourInsere, "05:Référence");
    EXPECT_FALSE(ValidateInsertion(band, session).inserted);
    EXPECT_EQ(band.JourInsere, "05:Référence");  // not twice
    band.MinuteInsere = "12";
    const InsertionResult result = ValidateInsertion(band, session);
    ASSERT_TRUE(result.inserted);
    EXPECT_EQ(band.JourInsere, "05");
    EXPECT_EQ(band.HeureInsere, "13");
    EXPECT_EQ(session.table.cell(result.row, 0), "05/03/2015 13:12");
}

TEST_F(InsertionTest, SavedMonthLoadsBackWithTheNewRecord) {
    ASSERT_TRUE(Enter("05", "13", "07").inserted);
    session.table.setCell(2, 1, "12.5");
    session.table.setCell(2, 14, "3");
    testing::TempDir out;
    SaveMonthToPath(session, out.file("2015-03.wlk"));
    const MonthSession back = ReadMonthSession(out.file("2015-03.wlk"));
    testing::ExpectConsistentHeader(back.month);
    testing::ExpectTableMatchesStore(back);
    EXPECT_EQ(back.month.header.totalRecords, 6 + 3 * 2 + 1);
    EXPECT_EQ(back.table.cell(2, 0), "05/03/2015 13:07");
    EXPECT_EQ(back.table.cell(2, 1), "12.5");
    EXPECT_EQ(back.table.cell(3, 0), "05/03/2015 13:10");
    EXPECT_EQ(back.month.records[5][1].packedTime, 787);
    EXPECT_EQ(back.month.records[5][1].archiveInterval, 2);
    EXPECT_EQ(back.month.records[5][1].numWindSamples, 3);
}

TEST(Insertion, FebruaryHasTwentyNineDaysInYearsDivisibleByFour) {
    const struct {
        const char* file;
        const char* day;
        bool inserted;
    } cases[] = {{"2012-02.wlk", "29", true}, {"2013-02.wlk", "29", false}, {"2012-02.wlk", "30", false},
                 {"2013-02.wlk", "28", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.day);
        testing::TempDir dir;
        MonthSession s = testing::LoadFixture(dir, c.file, {{28, At({600})}, {29, At({600})}});
        InsertionBand band{true, c.day, "13", "00", {}};
        EXPECT_EQ(ValidateInsertion(band, s).inserted, c.inserted);
        if (!c.inserted) {
            EXPECT_EQ(band.JourInsere, std::string(c.day) + " : Incompat.");
        }
    }
}

TEST(Insertion, DayHoldingTheStoresMaximumIsRefused) {
    testing::TempDir dir;
    // A logger that stamped every record alike: full without any free minute taken.
    MonthSession s = testing::LoadFixture(dir, "2015-03.wlk", {{1, std::vector<ArchiveRecord>(1440, SampleRecord(5))}});
    const testing::SessionSnapshot before(s);
    InsertionBand band{true, "01", "12", "00", {}};
    EXPECT_FALSE(ValidateInsertion(band, s).inserted);
    EXPECT_EQ(band.JourInsere, "01 : Jour complet");
    EXPECT_TRUE(testing::SessionSnapshot(s) == before);
}

TEST(Insertion, TableGrowsPastItsRowsInsteadOfDroppingTheLast) {
    testing::TempDir dir;
    std::vector<FixtureDay> days{{1, RecordsEvery(2, 2, 1440)}};
    for (int d = 2; d <= 6; ++d) days.push_back({d, RecordsEvery(1, 1, 1440)});
    days.push_back({7, RecordsEvery(1, 1, 1439)});
    MonthSession s = testing::LoadFixture(dir, "2015-03.wlk", days);
    const int records = 720 + 5 * 1440 + 1439;
    ASSERT_EQ(s.table.rowCount(), records + 1);  // every row in use

    InsertionBand band{true, "07", "24", "00", {}};
    const InsertionResult last = ValidateInsertion(band, s);
    ASSERT_TRUE(last.inserted);
    EXPECT_EQ(last.row, records + 1);
    band = {true, "01", "00", "01", {}};
    const InsertionResult first = ValidateInsertion(band, s);
    ASSERT_TRUE(first.inserted);
    EXPECT_EQ(first.row, 1);
    EXPECT_EQ(s.table.rowCount(), records + 3);
    EXPECT_EQ(s.table.cell(records + 2, 0), "07/03/2015 24:00");
    testing::ExpectConsistentHeader(s.month);
    testing::ExpectTableMatchesStore(s);
}

TEST(InsertionBandEdits, OpenPrefillClearAndCancel) {
    InsertionBand band;
    OpenInsertionBand(band);
    EXPECT_TRUE(band.open);
    EXPECT_EQ(band.JourInsere, " jj");
    EXPECT_EQ(band.HeureInsere, " hh ");
    EXPECT_EQ(band.MinuteInsere, " mm ");
    EXPECT_EQ(band.Memo1, (std::vector<std::string>{"Cliquer-droit, sur la ligne où vous voulez insérer,",
                                                    "puis modifier les valeurs à droite,", "puis Valider."}));

    MonthTable table;
    table.writeTitles();
    table.setCell(1, 0, "05/07/2014 13:05");
    PrefillInsertionFromRow(band, table, 1);
    EXPECT_EQ(band.JourInsere, "05");
    EXPECT_EQ(band.HeureInsere, "13");
    EXPECT_EQ(band.MinuteInsere, "05");
    PrefillInsertionFromRow(band, table, -1);  // no cell under the pointer
    EXPECT_EQ(band.JourInsere, "05");
    PrefillInsertionFromRow(band, table, 0);  // the title "Date Heure"
    EXPECT_EQ(band.JourInsere, "Da");
    EXPECT_EQ(band.HeureInsere, "");
    EXPECT_EQ(band.MinuteInsere, "");

    band.MinuteInsere = "07";
    ClearInsertionEdit(band, InsertionEdit::Jour);
    EXPECT_EQ(band.JourInsere, "");
    EXPECT_EQ(band.MinuteInsere, "07");
    CancelInsertion(band);
    EXPECT_FALSE(band.open);
    EXPECT_EQ(band.MinuteInsere, "07");
}

TEST(InsertionTexts, KeysPaddingAndMonthLengths) {
    EXPECT_EQ(DateTimeKey("05/07/2014 13:05"), "201407051305");
    EXPECT_EQ(DateTimeKey("Date Heure"), "eure" "e " "Da");  // short texts give short keys
    EXPECT_EQ(PadTwoDigits("7"), "07");
    EXPECT_EQ(PadTwoDigits("07"), "07");
    EXPECT_EQ(PadTwoDigits(""), "");
    EXPECT_EQ(MonthLength(4, 2015), 30);
    EXPECT_EQ(MonthLength(2, 1900), 29);  // divisible by 4, no other rule
    EXPECT_EQ(MonthLength(0, 2015), 31);
}

} // namespace
} // namespace pluvelle
