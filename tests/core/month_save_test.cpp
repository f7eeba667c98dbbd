#include "core/errors.h"
#include "core/month_load.h"
#include "core/month_save.h"

#include "month_fixture.h"
#include "scripted_dialogs.h"

#include <gtest/gtest.h>

namespace pluvelle {
namespace {

using testing::RecordsEvery;
using testing::ScriptedDialogs;
using testing::TempDir;

// The header and every day's two summaries must come back byte for byte.
void ExpectSameHeaderAndSummaries(const std::string& a, const std::string& b) {
    ASSERT_EQ(a.size(), b.size());
    ASSERT_EQ(a.compare(0, kHeaderSize, b, 0, kHeaderSize), 0) << "header differs";
    const WlkHeader h = DecodeHeader(reinterpret_cast<const std::uint8_t*>(a.data()));
    std::size_t at = kHeaderSize;
    for (int d = 1; d <= 31; ++d) {
        const int n = h.dayIndex[d].recordsInDay;
        if (n == 0) continue;
        EXPECT_EQ(a.compare(at, 2 * kRecordSize, b, at, 2 * kRecordSize), 0) << "summaries of day " << d;
        at += kRecordSize * static_cast<std::size_t>(n);
    }
}

class RealMonth : public ::testing::TestWithParam<const char*> {};

TEST_P(RealMonth, LoadSaveKeepsHeaderAndSummariesAndASecondCycleIsIdentical) {
    const std::string source = testing::RealDataFolder() + "/" + GetParam();
    TempDir dir;
    const std::string original = testing::ReadFile(source);
    ASSERT_FALSE(original.empty()) << source;
    const std::string first = dir.file("2000-01.wlk"), second = dir.file("2000-02.wlk");

    MonthSession s = ReadMonthSession(source);
    SaveMonthToPath(s, first);
    ExpectSameHeaderAndSummaries(original, testing::ReadFile(first));

    MonthSession again = ReadMonthSession(first);
    SaveMonthToPath(again, second);
    EXPECT_EQ(testing::ReadFile(first), testing::ReadFile(second));
    for (int r = 1; r < s.table.rowCount(); r += 97)
        for (int c = 1; c < kColumnCount; ++c)
            ASSERT_EQ(again.table.cell(r, c), s.table.cell(r, c)) << "row " << r << " column " << c;
}

INSTANTIATE_TEST_SUITE_P(Stations, RealMonth, ::testing::Values("station-b/2016-04.wlk", "station-j/2012-02.wlk"));

TEST(RealMonth, FlagsAndUnshownFieldsSurvive) {
    const std::string source = testing::RealDataFolder() + "/station-j/2012-02.wlk";
    TempDir dir;
    MonthSession s = ReadMonthSession(source);
    SaveMonthToPath(s, dir.file("out.wlk"));
    const MonthImage before = ReadMonthImage(source), after = ReadMonthImage(dir.file("out.wlk"));
    int edited = 0;
    for (int d = 1; d <= 31; ++d) {
        ASSERT_EQ(before.days[d].records.size(), after.days[d].records.size());
        for (std::size_t u = 0; u < before.days[d].records.size(); ++u) {
            const ArchiveRecord &x = before.days[d].records[u], &y = after.days[d].records[u];
            EXPECT_EQ(x.packedTime, y.packedTime);
            EXPECT_EQ(x.iconFlags, y.iconFlags);
            EXPECT_EQ(x.archiveInterval, y.archiveInterval);
            EXPECT_EQ(x.newSensors, y.newSensors);
            if (x.iconFlags & 0x10) ++edited;
        }
    }
    EXPECT_EQ(edited, 2);
}

class SaveFlow : public ::testing::Test {
protected:
    void SetUp() override {
        testing::WriteFile(dir.file("2020-01.wlk"),
                           testing::MonthBytes({{3, RecordsEvery(5, 5, 30)}, {5, RecordsEvery(5, 5, 30)}}));
        session = ReadMonthSession(dir.file("2020-01.wlk"));
    }
    TempDir dir;
    MonthSession session;
};

TEST_F(SaveFlow, EditedCellReachesTheFileAndTheNameGetsItsExtension) {
    session.table.setCell(2, 1, "25.0");
    session.table.setCell(8, 12, "- -");
    session.unsavedChanges = true;
    ScriptedDialogs d;
    d.fileName(dir.file("juillet.WLK"));
    ASSERT_EQ(SaveMonthFlow(session, d), CommandResult::Done);
    ASSERT_EQ(d.shown().size(), 2u);
    EXPECT_EQ(d.shown()[0].text, "Fichiers .*wlk|*.wlk");
    EXPECT_EQ(d.shown()[0].extension, ".wlk");
    EXPECT_EQ(d.shown()[1].kind, MessageKind::Confirmation);
    EXPECT_EQ(d.shown()[1].text, "Fichier enregistré");
    EXPECT_FALSE(session.unsavedChanges);
    const MonthImage saved = ReadMonthImage(dir.file("juillet.WLK.wlk"));
    EXPECT_EQ(saved.days[3].records[1].outsideTemp, 770);
    EXPECT_EQ(saved.days[5].records[1].windDirection, 255);  // row 8 = day 5's second record
    EXPECT_EQ(saved.header.dayIndex[5].startPos, 8);
}

TEST_F(SaveFlow, CancelledDialogWritesNothing) {
    ScriptedDialogs d;
    d.fileName(std::nullopt);
    EXPECT_EQ(SaveMonthFlow(session, d), CommandResult::Cancelled);
    EXPECT_EQ(d.shown().size(), 1u);
}

TEST_F(SaveFlow, InvalidWindSampleCountStopsBeforeAnyByteIsWritten) {
    const std::string target = dir.file("2020-01.wlk");
    const std::string before = testing::ReadFile(target);
    session.table.setCell(4, 14, "12.5");
    ScriptedDialogs d;
    d.fileName(target);
    try {
        SaveMonthFlow(session, d);
        ADD_FAILURE() << "saved";
    } catch (const InvalidIntegerError& e) {
        EXPECT_NE(std::string(e.what()).find("'12.5'"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("ligne 4"), std::string::npos);
    }
    EXPECT_EQ(testing::ReadFile(target), before);
    EXPECT_EQ(session.month.records[3][3].numWindSamples, 117);  // the store keeps its values
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(SaveFlow, UnwritableTargetIsAnErrorAndLeavesNoTemporaryFile) {
    ScriptedDialogs d;
    d.fileName(dir.file("missing-folder/out.wlk"));
    EXPECT_THROW(SaveMonthFlow(session, d), IoError);
    std::filesystem::create_directory(dir.path() / "folder.wlk");
    d.fileName(dir.file("folder.wlk"));
    EXPECT_THROW(SaveMonthFlow(session, d), IoError);
    EXPECT_TRUE(d.messages().empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST_F(SaveFlow, UneditedSaveKeepsTheFileExactly) {
    SaveMonthToPath(session, dir.file("copy.wlk"));
    EXPECT_EQ(testing::ReadFile(dir.file("copy.wlk")), testing::ReadFile(dir.file("2020-01.wlk")));
}

} // namespace
} // namespace pluvelle
