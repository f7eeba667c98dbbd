#include "core/errors.h"
#include "core/month_load.h"
#include "core/month_save.h"

#include "month_fixture.h"
#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <random>

namespace pluvelle {
namespace {

using testing::FixtureDay;
using testing::RecordsEvery;
using testing::ScriptedDialogs;
using testing::TempDir;

TEST(LoadMonth, RowsFollowFileOrderAndSkipDaysWithoutRecords) {
    TempDir dir;
    const std::string path = dir.file("2014-07.wlk");
    auto day3 = RecordsEvery(5, 785, 795);
    day3[0].rain = 0x1001;
    testing::WriteFile(path, testing::MonthBytes({{3, day3}, {4, {}}, {6, RecordsEvery(5, 1435, 1440)}}));
    MonthSession s;
    ScriptedDialogs d;
    d.fileName(path);
    ASSERT_EQ(LoadMonthFlow(s, d), CommandResult::Done);
    EXPECT_TRUE(d.messages().empty());
    EXPECT_EQ(s.table.cell(0, 0), "Date Heure");
    EXPECT_EQ(s.table.cell(0, 25), "ET ");
    EXPECT_EQ(s.table.cell(1, 0), "03/07/2014 13:05");
    EXPECT_EQ(s.table.cell(3, 0), "03/07/2014 13:15");
    EXPECT_EQ(s.table.cell(4, 0), "06/07/2014 23:55");
    EXPECT_EQ(s.table.cell(5, 0), "06/07/2014 24:00");
    EXPECT_EQ(s.table.cell(6, 0), "");
    EXPECT_EQ(s.table.rowCount(), 9000);
    EXPECT_EQ(s.month.dayCount[4], 2);
    EXPECT_EQ(s.month.currentYearText, "2014");
    EXPECT_EQ(s.month.currentMonthText, "07");
    EXPECT_EQ(s.month.currentFileTail, "2014-07.wlk");
    EXPECT_EQ(s.month.currentFolder, dir.file(""));
    EXPECT_EQ(s.month.currentRainCode, 0x2000);  // the last record's collector
    EXPECT_TRUE(s.monthLoaded);
    EXPECT_FALSE(s.unsavedChanges);
}

TEST(LoadMonth, CountsMissingRadiation) {
    TempDir dir;
    auto recs = RecordsEvery(5, 5, 30);
    recs[1].solarRad = -1;
    recs[4].solarRad = -32768;
    testing::WriteFile(dir.file("2020-01.wlk"), testing::MonthBytes({{1, recs}}));
    const MonthSession s = ReadMonthSession(dir.file("2020-01.wlk"));
    EXPECT_EQ(s.month.MissingRadiationCount, 2);
}

TEST(LoadMonth, AMonthWithoutRecordsKeepsTheDefaultCollector) {
    TempDir dir;
    testing::WriteFile(dir.file("2020-01.wlk"), testing::MonthBytes({{2, {}}}));
    const MonthSession s = ReadMonthSession(dir.file("2020-01.wlk"));
    EXPECT_EQ(s.month.currentRainCode, 0x2000);
    EXPECT_DOUBLE_EQ(s.month.currentMmPerClick, 0.2);
}

// Whatever goes wrong, the month that was open stays open, unsaved edits included.
class FailedLoad : public ::testing::Test {
protected:
    void SetUp() override {
        testing::WriteFile(dir.file("2020-01.wlk"), testing::MonthBytes({{1, RecordsEvery(5, 5, 60)}}));
        session = ReadMonthSession(dir.file("2020-01.wlk"));
        session.table.setCell(1, 1, "12.5");
        session.unsavedChanges = true;
    }
    void ExpectUntouched() {
        EXPECT_EQ(session.table.cell(1, 1), "12.5");
        EXPECT_EQ(session.month.currentFilePath, dir.file("2020-01.wlk"));
        EXPECT_EQ(session.month.dayCount[1], 14);
        EXPECT_TRUE(session.unsavedChanges);
    }
    TempDir dir;
    MonthSession session;
};

TEST_F(FailedLoad, MissingFileWarnsWithTheFileTail) {
    ScriptedDialogs d;
    d.fileName(dir.file("2019-12.wlk"));
    EXPECT_EQ(LoadMonthFlow(session, d), CommandResult::Refused);
    ASSERT_EQ(d.shown().size(), 2u);
    EXPECT_EQ(d.shown()[0].text, "Fichiers WLK|*.wlk");
    EXPECT_EQ(d.shown()[1].kind, MessageKind::Warning);
    EXPECT_EQ(d.shown()[1].text, "2019-12.wlk : Fichier introuvable");
    ExpectUntouched();
}

TEST_F(FailedLoad, UnreadableFileWarns) {
    std::filesystem::create_directory(dir.path() / "2019-11.wlk");
    ScriptedDialogs d;
    d.fileName(dir.file("2019-11.wlk"));
    EXPECT_EQ(LoadMonthFlow(session, d), CommandResult::Refused);
    EXPECT_EQ(d.messages(), std::vector<std::string>{"Erreur de lecture du fichier : 2019-11.wlk"});
    ExpectUntouched();
}

TEST_F(FailedLoad, CancelledDialogChangesNothing) {
    ScriptedDialogs d;
    d.fileName(std::nullopt);
    EXPECT_EQ(LoadMonthFlow(session, d), CommandResult::Cancelled);
    EXPECT_TRUE(d.messages().empty());
    ExpectUntouched();
}

TEST_F(FailedLoad, TruncatedFileIsAnErrorNamingTheFile) {
    std::string bytes = testing::MonthBytes({{1, RecordsEvery(5, 5, 60)}, {2, RecordsEvery(5, 5, 60)}});
    bytes.resize(bytes.size() - 40);
    testing::WriteFile(dir.file("2020-02.wlk"), bytes);
    ScriptedDialogs d;
    d.fileName(dir.file("2020-02.wlk"));
    EXPECT_THROW(LoadMonthFlow(session, d), IoError);
    try {
        ReadMonthImage(dir.file("2020-02.wlk"));
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("2020-02.wlk"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("jour 2"), std::string::npos);
    }
    ExpectUntouched();
}

TEST(HostileMonthFiles, BadDayCountsAreRefusedWithTheDay) {
    for (int count : {1, -1, -32768, kMaxRecordsInDay + 1, 32767}) {
        std::string bytes = testing::MonthBytes({{1, RecordsEvery(5, 5, 60)}});
        MonthFile m = testing::MakeMonth({{1, RecordsEvery(5, 5, 60)}});
        m.header.dayIndex[7].recordsInDay = static_cast<std::int16_t>(count);
        const HeaderBytes h = EncodeHeader(m.header);
        std::copy(h.begin(), h.end(), bytes.begin());
        try {
            ParseMonthImage(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), "2020-01.wlk");
            ADD_FAILURE() << "count " << count << " accepted";
        } catch (const IoError& e) {
            EXPECT_NE(std::string(e.what()).find("jour 7"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("2020-01.wlk"), std::string::npos);
        }
    }
}

TEST(HostileMonthFiles, TruncatedAtEveryRecordBoundaryAndMidRecord) {
    const std::string whole = testing::MonthBytes({{1, RecordsEvery(60, 60, 300)}, {3, RecordsEvery(60, 60, 180)}});
    for (std::size_t cut = 0; cut < whole.size(); cut += 44) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(whole.data());
        EXPECT_THROW(ParseMonthImage(p, cut, "x.wlk"), IoError) << "cut at " << cut;
    }
    const auto* p = reinterpret_cast<const std::uint8_t*>(whole.data());
    EXPECT_NO_THROW(ParseMonthImage(p, whole.size(), "x.wlk"));
}

TEST(HostileMonthFiles, RandomBytesNeverCrash) {
    std::mt19937 rng(2024);
    for (int n = 0; n < 300; ++n) {
        std::vector<std::uint8_t> bytes(rng() % 4000);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
        if (n % 2 == 0 && bytes.size() >= kHeaderSize) {
            // Plausible small day counts so the reader goes past the header.
            for (int d = 0; d < 32; ++d) {
                bytes[20 + 6 * d] = static_cast<std::uint8_t>(rng() % 8);
                bytes[21 + 6 * d] = 0;
            }
        }
        try {
            const MonthImage image = ParseMonthImage(bytes.data(), bytes.size(), "random.wlk");
            MonthFile m;
            MonthTable t;
            BuildMonth(image, "random.wlk", m, t);
        } catch (const IoError&) {
        }
    }
}

TEST(LoadMonth, OneMinuteMonthGrowsTheTable) {
    std::vector<FixtureDay> days;
    for (int d = 1; d <= 31; ++d) days.push_back({d, RecordsEvery(1, 1, 1440)});
    TempDir dir;
    testing::WriteFile(dir.file("2020-01.wlk"), testing::MonthBytes(days));
    MonthSession s = ReadMonthSession(dir.file("2020-01.wlk"));
    EXPECT_EQ(s.table.rowCount(), 31 * 1440 + 1);
    EXPECT_EQ(s.table.cell(31 * 1440, 0), "31/01/2020 24:00");
}

} // namespace
} // namespace pluvelle
