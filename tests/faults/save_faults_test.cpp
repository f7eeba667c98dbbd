// Saving when the disk is full or the folder cannot be written: the user gets
// the system's reason in an error box, the file saved before is intact, no
// temporary file is left, and what was to be saved is still there to be
// saved again once the fault is gone.
#include "fault_environment.h"

#include "core/command_runner.h"
#include "core/month_load.h"
#include "core/month_save.h"
#include "exports/sunshine.h"
#include "infoclimat/infoclimat_settings.h"

#include "month_fixture.h"
#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

namespace pluvelle {
namespace {

using namespace testing;
namespace fs = std::filesystem;

// One kind of file the user saves: the file as it was, and the save that fails.
struct SavedFile {
    const char* name;
    const char* fileName;
    // Writes the earlier version of the file into the folder.
    std::function<void(const fs::path& folder)> previous;
    // Saves the new version through the command the user runs.
    std::function<CommandResult(const fs::path& folder, ScriptedDialogs& dialogs)> save;
    // Once saved, the file holds the new version.
    std::function<void(const fs::path& folder)> expectNewVersion;
};

// A day of five-minute records: about 25 KB, more than a full disk takes.
std::vector<FixtureDay> MonthDays() { return {{1, RecordsEvery(5, 5, 1440)}, {2, RecordsEvery(5, 5, 600)}}; }

// The open month, kept across the failed save and the successful one.
MonthSession& OpenMonth() {
    static MonthSession session;
    return session;
}

const SavedFile kSavedFiles[] = {
    {"MonthFile", "2016-04.wlk",
     [](const fs::path& folder) {
         WriteFile((folder / "2016-04.wlk").string(), MonthBytes(MonthDays()));
         OpenMonth() = ReadMonthSession((folder / "2016-04.wlk").string());
         OpenMonth().table.setCell(1, 1, "30.0");  // an edit the user must not lose
         OpenMonth().unsavedChanges = true;
     },
     [](const fs::path& folder, ScriptedDialogs& dialogs) {
         dialogs.fileName((folder / "2016-04.wlk").string());
         return SaveMonthFlow(OpenMonth(), dialogs);
     },
     [](const fs::path& folder) {
         EXPECT_FALSE(OpenMonth().unsavedChanges);
         const MonthSession saved = ReadMonthSession((folder / "2016-04.wlk").string());
         EXPECT_EQ(saved.table.cell(1, 1), "30.0");
     }},
    {"InfoClimatSettings", "configIC.txt",
     [](const fs::path& folder) {
         WriteInfoClimatSettings((folder / "configIC.txt").string(), {"07123", "station", "old-password"});
     },
     [](const fs::path& folder, ScriptedDialogs&) {
         WriteInfoClimatSettings((folder / "configIC.txt").string(), {"07999", "station", "new-password"});
         return CommandResult::Done;
     },
     [](const fs::path& folder) {
         const auto stored = ReadInfoClimatSettings((folder / "configIC.txt").string());
         ASSERT_TRUE(stored);
         EXPECT_EQ(stored->stationCode, "07999");
     }},
    {"SunshineSettings", "configensol.txt",
     [](const fs::path& folder) {
         WriteSunshineSettings((folder / "configensol.txt").string(), {"45.5", "-5.25", "50"});
     },
     [](const fs::path& folder, ScriptedDialogs&) {
         WriteSunshineSettings((folder / "configensol.txt").string(), {"48.85", "-2.35", "120"});
         return CommandResult::Done;
     },
     [](const fs::path& folder) {
         const auto stored = ReadSunshineSettings((folder / "configensol.txt").string());
         ASSERT_TRUE(stored);
         EXPECT_EQ(stored->threshold, "120");
     }},
};

struct Fault {
    const char* name;
    std::function<std::unique_ptr<FolderFault>()> make;
};

const Fault kFaults[] = {
    {"FullDisk", [] { return std::make_unique<FullDisk>(); }},
    {"FileSizeLimit", [] { return std::make_unique<FileSizeLimit>(); }},
    {"ReadOnlyMount", [] { return std::make_unique<ReadOnlyMount>(); }},
    {"NoWriteRight", [] { return std::make_unique<NoWriteRight>(); }},
};

void PrintTo(const Fault& f, std::ostream* os) { *os << f.name; }
void PrintTo(const SavedFile& f, std::ostream* os) { *os << f.name; }

class SaveFault : public ::testing::TestWithParam<std::tuple<Fault, SavedFile>> {};

TEST_P(SaveFault, UserIsToldAndThePreviousFileIsKept) {
    const auto& [fault, saved] = GetParam();
    TempDir dir;
    const fs::path folder = dir.path() / "station";
    fs::create_directory(folder);
    const auto staged = fault.make();
    if (const std::string why = staged->prepare(folder); !why.empty()) GTEST_SKIP() << why;

    saved.previous(folder);
    const std::string before = ReadFile((folder / saved.fileName).string());
    const std::string listing = FolderListing(folder);
    ScriptedDialogs dialogs;
    staged->arm();
    const CommandResult result = RunCommand(dialogs, [&] { return saved.save(folder, dialogs); });
    staged->disarm();

    EXPECT_EQ(result, CommandResult::Failed);
    ASSERT_EQ(dialogs.messages().size(), 1u) << ::testing::PrintToString(dialogs.messages());
    EXPECT_EQ(dialogs.shown().back().kind, MessageKind::Error);
    const std::string& message = dialogs.shown().back().text;
    EXPECT_NE(message.find(saved.fileName), std::string::npos) << message;
    EXPECT_NE(message.find(std::strerror(staged->error())), std::string::npos) << message;
    EXPECT_EQ(ReadFile((folder / saved.fileName).string()), before);
    EXPECT_EQ(FolderListing(folder), listing);  // no temporary file left behind
    if (std::string(saved.name) == "MonthFile") {
        EXPECT_TRUE(OpenMonth().unsavedChanges);
        EXPECT_EQ(OpenMonth().table.cell(1, 1), "30.0");
    }

    // Once the fault is gone, the same save goes through.
    ScriptedDialogs again;
    EXPECT_EQ(RunCommand(again, [&] { return saved.save(folder, again); }), CommandResult::Done)
        << ::testing::PrintToString(again.messages());
    saved.expectNewVersion(folder);
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFault,
                         ::testing::Combine(::testing::ValuesIn(kFaults), ::testing::ValuesIn(kSavedFiles)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

} // namespace
} // namespace pluvelle
