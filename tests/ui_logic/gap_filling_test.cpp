// Filling the missing records of a gap through row insertion, and taking
// inserted rows back and putting them in again exactly.
#include "ui/logic/gap_filling.h"
#include "ui/logic/inserted_rows.h"
#include "ui/logic/row_insertion.h"

#include "core/month_save.h"
#include "quality/month_gaps.h"

#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace pluvelle {
namespace {

using testing::RecordsEvery;

std::vector<ArchiveRecord> Join(std::vector<ArchiveRecord> a, const std::vector<ArchiveRecord>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Everything of a month but whether it is saved, and the table's cells.
void ExpectSameMonth(const MonthSession& a, const MonthSession& b) {
    EXPECT_EQ(EncodeHeader(a.month.header), EncodeHeader(b.month.header));
    EXPECT_EQ(a.month.dayCount, b.month.dayCount);
    EXPECT_EQ(a.month.records, b.month.records);
    const int rows = std::max(a.table.rowCount(), b.table.rowCount());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kColumnCount; ++c) {
            const std::string& x = r < a.table.rowCount() ? a.table.cell(r, c) : std::string();
            const std::string& y = r < b.table.rowCount() ? b.table.cell(r, c) : std::string();
            ASSERT_EQ(x, y) << "row " << r << " col " << c;
        }
}

// July 2014: day 3 every 5 minutes with 10:05 to 11:00 missing, day 4 every
// 5 minutes until 00:30, day 6 with its summaries and no record.
class GapFillingTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = testing::LoadFixture(
            dir, "2014-07.wlk",
            {{3, Join(RecordsEvery(5, 5, 600), RecordsEvery(5, 665, 1440))}, {4, RecordsEvery(5, 5, 30)},
             testing::FixtureDay{6, {}}});
        original = session;
    }
    MonthGap gapAt(int day, int minuteOfDay) {
        for (const MonthGap& g : FindGaps(session.table, 31))
            if (g.first.day == day && g.first.minuteOfDay == minuteOfDay) return g;
        ADD_FAILURE() << "no gap at day " << day << " minute " << minuteOfDay;
        return {};
    }

    testing::TempDir dir;
    MonthSession session;
    MonthSession original;
};

TEST_F(GapFillingTest, MissingHourIsFilledInTimeOrderAndSavesConsistently) {
    const MonthGap hour = gapAt(3, 605);
    ASSERT_EQ(hour.missingRecords, 12);
    const GapFilling f = FillMissingRecords(session, MissingTimes(hour));
    ASSERT_EQ(f.rows.size(), 12u);
    EXPECT_EQ(f.rows.front(), 121);
    EXPECT_EQ(f.rows.back(), 132);
    EXPECT_EQ(session.table.cell(121, 0), "03/07/2014 10:05");
    EXPECT_EQ(session.table.cell(132, 0), "03/07/2014 11:00");
    EXPECT_EQ(session.table.cell(133, 0), "03/07/2014 11:05");
    EXPECT_EQ(session.table.cell(126, 5), "- -");
    EXPECT_EQ(DescribeFilling(f), "");
    testing::ExpectConsistentHeader(session.month);
    testing::ExpectTableMatchesStore(session);
    EXPECT_EQ(session.month.records[3][120].archiveInterval, 5);  // 10:05 after 10:00
    for (const MonthGap& g : FindGaps(session.table, 31)) EXPECT_NE(g.first.day, 3);

    const testing::TempDir out;
    SaveMonthToPath(session, out.file("2014-07.wlk"));
    const MonthSession back = ReadMonthSession(out.file("2014-07.wlk"));
    testing::ExpectConsistentHeader(back.month);
    testing::ExpectTableMatchesStore(back);
    EXPECT_EQ(back.month.header.totalRecords, original.month.header.totalRecords + 12);
    EXPECT_EQ(back.table.cell(121, 0), "03/07/2014 10:05");
}

TEST_F(GapFillingTest, TimesOnDaysWithoutDataAreLeftOutAndSaid) {
    // From 04/07 00:35 to the end of the month: the rest of day 4 can take
    // records, day 6 holds summaries, the other days are absent.
    const MonthGap tail = gapAt(4, 35);
    const GapFilling f = FillMissingRecords(session, MissingTimes(tail));
    const int day4 = (1440 - 35) / 5 + 1, day6 = 1440 / 5;
    EXPECT_EQ(static_cast<int>(f.rows.size()), day4 + day6);
    EXPECT_EQ(f.onEmptyDays, tail.missingRecords - day4 - day6);
    EXPECT_EQ(f.refused, 0);
    EXPECT_EQ(session.table.cell(f.rows.back(), 0), "06/07/2014 24:00");
    testing::ExpectConsistentHeader(session.month);
    testing::ExpectTableMatchesStore(session);
    EXPECT_NE(DescribeFilling(f).find(std::to_string(f.onEmptyDays) + " tombent sur des jours sans données"),
              std::string::npos);

    SetUp();
    const GapFilling none = FillMissingRecords(session, MissingTimes(gapAt(1, 5)));  // days 1 and 2
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(DescribeFilling(none).rfind("Aucun enregistrement inséré.", 0), 0u);
    ExpectSameMonth(session, original);
}

TEST_F(GapFillingTest, InsertedRowsAreTakenBackAndPutInAgainExactly) {
    struct Case {
        const char* name;
        std::function<std::vector<int>(MonthSession&)> insert;
    };
    const Case cases[] = {
        {"one row by the band",
         [](MonthSession& s) {
             InsertionBand band{true, "04", "00", "12", {}};
             const InsertionResult r = ValidateInsertion(band, s);
             return r.inserted ? std::vector<int>{r.row} : std::vector<int>{};
         }},
        {"a gap", [this](MonthSession& s) { return FillMissingRecords(s, MissingTimes(gapAt(3, 605))).rows; }},
        {"first record of a day with none", [](MonthSession& s) {
             InsertionBand band{true, "06", "12", "00", {}};
             return std::vector<int>{ValidateInsertion(band, s).row};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        InsertedRows change(session.month);
        const std::vector<int> rows = c.insert(session);
        ASSERT_FALSE(rows.empty());
        change.inserted(session.month, rows);
        session.table.setCell(rows.front(), 1, "18.5");  // typed later, undone first in the window
        session.table.setCell(rows.front(), 1, "- -");
        const MonthSession after = session;
        change.undo(session);
        ExpectSameMonth(session, original);
        change.redo(session);
        ExpectSameMonth(session, after);
        change.undo(session);
        ExpectSameMonth(session, original);
    }
}

TEST(TableRows, RemovingAndInsertingAreInverse) {
    MonthTable table(12);
    for (int r = 1; r <= 8; ++r) table.setCell(r, 0, "row " + std::to_string(r));
    table.setCell(8, 46, "last");
    const std::vector<int> rows{2, 3, 6, 8};
    const auto texts = RemoveTableRows(table, rows);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[3][46], "last");
    const char* left[] = {"", "row 1", "row 4", "row 5", "row 7", "", "", "", ""};
    for (int r = 1; r <= 8; ++r) EXPECT_EQ(table.cell(r, 0), left[r]) << r;
    EXPECT_TRUE(table.rowIsEmpty(8));
    InsertTableRows(table, rows, texts);
    for (int r = 1; r <= 8; ++r) EXPECT_EQ(table.cell(r, 0), "row " + std::to_string(r)) << r;
    EXPECT_EQ(table.cell(8, 46), "last");
    EXPECT_TRUE(table.rowIsEmpty(9));
}

} // namespace
} // namespace pluvelle
