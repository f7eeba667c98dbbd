// Tab-separated text as spreadsheets exchange it, and the range edits built
// on it: copy with titles, paste clipped to the records, fill and clear.
#include "ui/logic/range_edits.h"

#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace pluvelle {
namespace {

using testing::RecordsEvery;

TEST(TabText, ParsesWhatSpreadsheetsPutOnTheClipboard) {
    const struct {
        const char* name;
        std::string text;
        TextBlock rows;
    } cases[] = {
        {"windows line ends", "1\t2\r\n3\t4\r\n", {{"1", "2"}, {"3", "4"}}},
        {"unix line ends, none last", "1\t2\n3\t4", {{"1", "2"}, {"3", "4"}}},
        {"old mac line ends", "1\r2\r", {{"1"}, {"2"}}},
        {"empty cells kept", "\t5\t\n", {{"", "5", ""}}},
        {"empty line inside", "1\n\n2\n", {{"1"}, {""}, {"2"}}},
        {"quoted tab, line end, quote", "\"a\tb\"\t\"c\nd\"\t\"e\"\"f\"\n", {{"a\tb", "c\nd", "e\"f"}}},
        {"quote inside a cell is a character", "12\"\t3\n", {{"12\"", "3"}}},
        {"nothing", "", {}},
        {"one empty line", "\n", {{""}}},
        {"decimal comma left alone", "12,5\n", {{"12,5"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseTabText(c.text), c.rows);
    }
}

TEST(TabText, WritesCellsThatReadBackTheSame) {
    const TextBlock block{{"Date Heure", "ET "}, {"a\tb", "c\r\nd"}, {"x\"y", ""}};
    EXPECT_EQ(FormatTabText({{"1", "2"}, {"3", "4"}}), "1\t2\n3\t4\n");
    EXPECT_EQ(ParseTabText(FormatTabText(block)), block);
}

// A table of 6 records (rows 1-6) whose cell (r, c) reads "r.c".
class RangeEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        table.writeTitles();
        for (int r = 1; r <= 6; ++r) {
            table.setCell(r, 0, "03/07/2014 00:0" + std::to_string(r));
            for (int c = 1; c < kColumnCount; ++c) table.setCell(r, c, std::to_string(r) + "." + std::to_string(c));
        }
    }
    // Applies the changes and checks each one's `before`.
    void apply(const std::vector<CellChange>& changes) {
        for (const CellChange& c : changes) {
            EXPECT_EQ(table.cell(c.row, c.col), c.before);
            table.setCell(c.row, c.col, c.after);
        }
    }
    MonthTable table;
};

TEST_F(RangeEditTest, LastRecordRowStopsAtTheFirstUndatedRow) {
    EXPECT_EQ(LastRecordRow(table), 6);
    table.setCell(9, 0, "04/07/2014 00:05");  // after a break: not a record row
    EXPECT_EQ(LastRecordRow(table), 6);
    EXPECT_EQ(LastRecordRow(MonthTable()), 0);
}

TEST_F(RangeEditTest, CopyGivesTheTitlesOnlyForWholeColumns) {
    EXPECT_EQ(CopyRange(table, {2, 1, 3, 2}), (TextBlock{{"2.1", "2.2"}, {"3.1", "3.2"}}));
    // A whole column as the grid selects it (every row of the table): the
    // titles, then the records, not the empty rows after them.
    const TextBlock column = CopyRange(table, {0, 25, table.rowCount() - 1, 25});
    ASSERT_EQ(column.size(), 7u);
    EXPECT_EQ(column[0], std::vector<std::string>{"ET "});
    EXPECT_EQ(column[6], std::vector<std::string>{"6.25"});
    EXPECT_EQ(CopyRange(table, {1, 1, 6, 1}).front(), std::vector<std::string>{"TempExt"});
    EXPECT_TRUE(CopyRange(table, {8, 1, 9, 2}).empty());  // no record there
}

TEST_F(RangeEditTest, PasteStartsAtTheSelectionAndIsClippedToTheRecords) {
    const TextBlock block{{"a", "b", "c", "d"}, {"e", "", "g", "h"}, {"i", "j", "k", "l"}};
    const struct {
        const char* name;
        CellRange selection;
        std::size_t changes;
        int lastRow, lastCol;  // the cell that receives "l", or the corner reached
    } cases[] = {
        {"inside", {2, 3, 2, 3}, 12, 4, 6},
        {"bottom edge", {5, 3, 5, 3}, 8, 6, 6},
        {"right edge", {1, 44, 1, 44}, 9, 3, 46},
        {"from the date column", {1, 0, 1, 0}, 9, 3, 3},
        {"below the records", {7, 3, 7, 3}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        const std::vector<CellChange> changes = PasteChanges(table, c.selection, block);
        EXPECT_EQ(changes.size(), c.changes);
        apply(changes);
        for (const CellChange& ch : changes) {
            EXPECT_GE(ch.col, 1);
            EXPECT_LT(ch.col, kColumnCount);
            EXPECT_LE(ch.row, 6);
        }
        if (c.changes > 0) {
            EXPECT_EQ(ChangedRange(changes).bottom, c.lastRow);
            EXPECT_EQ(ChangedRange(changes).right, c.lastCol);
        }
        EXPECT_EQ(table.cell(0, 1), "TempExt");
        EXPECT_EQ(table.cell(1, 0), "03/07/2014 00:01");
    }
    SetUp();
    apply(PasteChanges(table, {2, 3, 2, 3}, block));
    EXPECT_EQ(table.cell(2, 3), "a");
    EXPECT_EQ(table.cell(3, 4), "- -");  // the empty pasted cell
    EXPECT_EQ(table.cell(4, 6), "l");
    EXPECT_EQ(table.cell(5, 3), "5.3");
}

TEST_F(RangeEditTest, OneValueFillsTheSelectionAndUnchangedCellsAreLeftOut) {
    table.setCell(3, 2, "7");
    const std::vector<CellChange> changes = PasteChanges(table, {2, 1, 9, 2}, {{"7"}});
    EXPECT_EQ(changes.size(), 9u);  // rows 2-6 by columns 1-2, less the cell already "7"
    apply(changes);
    EXPECT_EQ(table.cell(6, 2), "7");
    EXPECT_EQ(table.cell(7, 2), "");  // no record there
    const std::vector<CellChange> cleared = FillChanges(table, {1, 1, 1, 3}, "");
    ASSERT_EQ(cleared.size(), 3u);
    EXPECT_EQ(cleared[0].after, "- -");
    EXPECT_TRUE(FillChanges(table, {1, 1, 1, 1}, table.cell(1, 1)).empty());
}

} // namespace
} // namespace pluvelle
