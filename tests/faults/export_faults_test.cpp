// The exports read month files from disk: a month file deleted or cut short
// after it was opened, a neighbouring month that is a folder, a link to
// nowhere or unreadable, and a CSV that cannot be written. The user gets a
// message saying which file and why, never "Fichier enregistré" for a file
// that was not written, and the open month is left as it was.
#include "fault_environment.h"
#include "station_folder.h"

#include "core/command_runner.h"
#include "core/table_csv.h"
#include "exports/daily_summaries.h"
#include "exports/station_extremes.h"
#include "exports/sunshine.h"
#include "exports/wmo_daily.h"
#include "infoclimat/ic_export.h"

#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>

namespace pluvelle {
namespace {

using namespace testing;
namespace fs = std::filesystem;

const InfoClimatSettings kAccount{"07123", "station", "s3cr3t"};

// None of these exports may reach the upload: its error would replace the
// expected message.
const InfoClimatUpload& NoUpload() {
    static const InfoClimatUpload upload = [] {
        InfoClimatUpload u;
        u.makeClient = [](const FtpTimeouts&) -> std::unique_ptr<FtpClient> { throw FtpError("upload started"); };
        return u;
    }();
    return upload;
}

struct Export {
    const char* name;
    const char* output;  // the file it writes in the station's folder
    std::function<CommandResult(StationFolder&, ScriptedDialogs&)> run;
};

const Export kSummaries{"Summaries", "out.csv", [](StationFolder& s, ScriptedDialogs& d) {
                            d.fileName(s.path("out.csv"));
                            return ExportDailySummariesFlow(s.session().month, d);
                        }};
const Export kWmo{"Wmo", "out.csv", [](StationFolder& s, ScriptedDialogs& d) {
                      d.timeBase(Answer::Yes).fileName(s.path("out.csv"));
                      return ExportWmoDailyFlow(s.session().month, d);
                  }};
const Export kSunshine{"Sunshine", "out.csv", [](StationFolder& s, ScriptedDialogs& d) {
                           d.timeBase(Answer::Yes).fileName(s.path("out.csv"));
                           return SunshineExportFlow(s.session().month, d, {{"45.5", "-5.25", "50"}, {}, {}});
                       }};
const Export kExtremes{"Extremes", kExtremesFileName, [](StationFolder& s, ScriptedDialogs& d) {
                           return StationExtremesFlow(s.session().month.currentFolder, d);
                       }};
// Legal time: the following month is read from disk.
const Export kInfoClimat{"InfoClimat", "07123_201604.ic", [](StationFolder& s, ScriptedDialogs& d) {
                             d.timeBase(Answer::Yes);
                             return ExportInfoClimatFlow(s.session(), kAccount, d, &NoUpload());
                         }};

struct Expected {
    CommandResult result;
    MessageKind kind;
    std::string message;  // "{name}" stands for the path of that file of the folder
    int outputLines;      // -1: no file written
};

void ExpectRun(StationFolder& station, const Export& exported, const Expected& e) {
    const std::string tableBefore = TableCsvBytes(station.session().table);
    const auto countsBefore = station.session().month.dayCount;
    ScriptedDialogs dialogs;
    const CommandResult result = RunCommand(dialogs, [&] { return exported.run(station, dialogs); });
    EXPECT_EQ(result, e.result);
    ASSERT_FALSE(dialogs.shown().empty());
    const Shown& last = dialogs.shown().back();
    EXPECT_EQ(last.what, Shown::What::Message);
    EXPECT_EQ(last.kind, e.kind);
    EXPECT_EQ(last.text, WithPaths(station, e.message));
    EXPECT_EQ(LineCount(station.path(exported.output)), e.outputLines);
    EXPECT_EQ(TableCsvBytes(station.session().table), tableBefore);
    EXPECT_EQ(station.session().month.dayCount, countsBefore);
}

// ---- the open month's file changed after it was opened

struct Vanishing {
    const char* name;
    std::function<void(const std::string& path)> apply;
};

const Vanishing kDeleted{"Deleted", [](const std::string& p) { fs::remove(p); }};
const Vanishing kCutInADay{"CutInTheLastDay", [](const std::string& p) { fs::resize_file(p, fs::file_size(p) - 100); }};
const Vanishing kCutInTheHeader{"CutInTheHeader", [](const std::string& p) { fs::resize_file(p, 100); }};

struct VanishingCase {
    Export exported;
    Vanishing fault;
    Expected expected;
};

const std::string kNotFound = "2016-04.wlk : Fichier introuvable";
const std::string kDayCut = "Fin de fichier inattendue dans {2016-04.wlk} : le jour 30 annonce plus "
                            "d'enregistrements que le fichier n'en contient.";
const std::string kHeaderCut = "Fin de fichier inattendue dans {2016-04.wlk} : l'en-tête est incomplet.";
// The extremes name the file as it is listed in the folder.
const std::string kDayCutByName = "Fin de fichier inattendue dans 2016-04.wlk : le jour 30 annonce plus "
                                  "d'enregistrements que le fichier n'en contient.";
const std::string kHeaderCutByName = "Fin de fichier inattendue dans 2016-04.wlk : l'en-tête est incomplet.";
const std::string kExtremesDone = "Le fichier \"ExtremumsMois.csv\" est enregistré";

const VanishingCase kVanishingCases[] = {
    // Nothing is created when the month cannot be opened, except the WMO
    // file's header line, written before the month is read.
    {kSummaries, kDeleted, {CommandResult::Refused, MessageKind::Warning, kNotFound, -1}},
    {kWmo, kDeleted, {CommandResult::Refused, MessageKind::Warning, kNotFound, 1}},
    {kSunshine, kDeleted, {CommandResult::Refused, MessageKind::Warning, kNotFound, -1}},
    // The folder's other months are listed: titles, two months, separator, station.
    {kExtremes, kDeleted, {CommandResult::Done, MessageKind::Confirmation, kExtremesDone, 6}},
    // A damaged month stops the export at the read; the title lines stay.
    {kSummaries, kCutInADay, {CommandResult::Failed, MessageKind::Error, kDayCut, 2}},
    {kWmo, kCutInADay, {CommandResult::Failed, MessageKind::Error, kDayCut, 1}},
    {kSunshine, kCutInADay, {CommandResult::Failed, MessageKind::Error, kDayCut, -1}},
    {kExtremes, kCutInADay, {CommandResult::Failed, MessageKind::Error, kDayCutByName, 3}},
    {kSummaries, kCutInTheHeader, {CommandResult::Failed, MessageKind::Error, kHeaderCut, 2}},
    {kWmo, kCutInTheHeader, {CommandResult::Failed, MessageKind::Error, kHeaderCut, 1}},
    {kSunshine, kCutInTheHeader, {CommandResult::Failed, MessageKind::Error, kHeaderCut, -1}},
    {kExtremes, kCutInTheHeader, {CommandResult::Failed, MessageKind::Error, kHeaderCutByName, 3}},
};

void PrintTo(const VanishingCase& c, std::ostream* os) { *os << c.exported.name << " " << c.fault.name; }

class MonthChangedAfterOpening : public ::testing::TestWithParam<VanishingCase> {};

TEST_P(MonthChangedAfterOpening, ExportSaysWhichFileAndWhy) {
    const VanishingCase& c = GetParam();
    StationFolder station;
    c.fault.apply(station.path("2016-04.wlk"));
    ExpectRun(station, c.exported, c.expected);
    // The other months are untouched.
    EXPECT_EQ(ReadFile(station.path("2016-03.wlk")).size(), kHeaderSize + 3 * 146 * kRecordSize);
}

INSTANTIATE_TEST_SUITE_P(Exports, MonthChangedAfterOpening, ::testing::ValuesIn(kVanishingCases),
                         [](const auto& info) {
                             return std::string(info.param.exported.name) + "_" + info.param.fault.name;
                         });

// ---- a neighbouring month that cannot be read

struct Neighbour {
    const char* name;
    std::function<std::string(const std::string& path)> make;  // empty, or why it cannot be staged here
    bool notFound;  // reported as missing rather than unreadable
};

const Neighbour kNeighbours[] = {
    {"Folder", [](const std::string& p) { fs::remove(p); fs::create_directory(p); return std::string(); }, false},
    {"LinkToNowhere",
     [](const std::string& p) {
         fs::remove(p);
         fs::create_symlink(p + ".gone", p);
         return std::string();
     },
     true},
    {"Unreadable", [](const std::string& p) { fs::permissions(p, fs::perms::none); return std::string(); }, false},
    {"Pipe",
     [](const std::string& p) {
         fs::remove(p);
         return ::mkfifo(p.c_str(), 0666) == 0 ? std::string() : std::string("mkfifo failed");
     },
     false},
};

struct NeighbourExport {
    const char* name;
    Export exported;
    const char* file;
    Expected notFound;
    Expected unreadable;
};

const char* const kCannotExport = "\n\nl'export ne peut s'effectuer.";

const NeighbourExport kNeighbourExports[] = {
    // The WMO export warns that the edge day may be wrong, and goes on.
    {"WmoPrevious", kWmo, "2016-03.wlk",
     {CommandResult::Done, MessageKind::Confirmation, "Fichier enregistré", 4},
     {CommandResult::Done, MessageKind::Confirmation, "Fichier enregistré", 4}},
    {"WmoNext", kWmo, "2016-05.wlk",
     {CommandResult::Done, MessageKind::Confirmation, "Fichier enregistré", 4},
     {CommandResult::Done, MessageKind::Confirmation, "Fichier enregistré", 4}},
    // The InfoClimat file needs both: nothing is written without the
    // previous month, the header alone without the following one.
    {"InfoClimatPrevious", kInfoClimat, "2016-03.wlk",
     {CommandResult::Refused, MessageKind::Warning,
      std::string(" Le fichier du mois précédent : \n\n{2016-03.wlk} est introuvable") + kCannotExport, -1},
     {CommandResult::Refused, MessageKind::Warning,
      std::string("Erreur de lecture du fichier : {2016-03.wlk}") + kCannotExport, -1}},
    {"InfoClimatFollowing", kInfoClimat, "2016-05.wlk",
     {CommandResult::Refused, MessageKind::Warning,
      std::string(" Le fichier du mois suivant : \n\n{2016-05.wlk} est introuvable") + kCannotExport, 1},
     {CommandResult::Refused, MessageKind::Warning,
      std::string("Erreur de lecture du fichier : {2016-05.wlk}") + kCannotExport, 1}},
};

void PrintTo(const NeighbourExport& e, std::ostream* os) { *os << e.name; }
void PrintTo(const Neighbour& n, std::ostream* os) { *os << n.name; }

class NeighbourFault : public ::testing::TestWithParam<std::tuple<NeighbourExport, Neighbour>> {};

TEST_P(NeighbourFault, UserIsWarnedNamingTheFile) {
    const auto& [e, neighbour] = GetParam();
    StationFolder station;
    if (const std::string why = neighbour.make(station.path(e.file)); !why.empty()) GTEST_SKIP() << why;
    // Root reads whatever the permissions say: act as an ordinary user.
    std::optional<Unprivileged> user;
    if (std::string(neighbour.name) == "Unreadable") {
        user.emplace();
        if (!user->unavailable().empty()) GTEST_SKIP() << user->unavailable();
    }
    ExpectRun(station, e.exported, neighbour.notFound ? e.notFound : e.unreadable);
}

TEST(NeighbourFault, WmoWarningsSayWhichEdgeDayMayBeWrong) {
    StationFolder station;
    fs::remove(station.path("2016-03.wlk"));
    fs::remove(station.path("2016-05.wlk"));
    fs::create_directory(station.path("2016-05.wlk"));
    ScriptedDialogs dialogs;
    dialogs.timeBase(Answer::No).fileName(station.path("out.csv"));
    EXPECT_EQ(RunCommand(dialogs, [&] { return ExportWmoDailyFlow(station.session().month, dialogs); }),
              CommandResult::Done);
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{
                  WithPaths(station, "{2016-03.wlk} : Fichier introuvable\r\rLes calculs sur le premier jour du mois "
                                     "risquent d'être inexacts."),
                  WithPaths(station, "Erreur de lecture du fichier : {2016-05.wlk}\r\rLes calculs sur le dernier "
                                     "jour du mois risquent d'être inexacts."),
                  "Fichier enregistré"}));
}

INSTANTIATE_TEST_SUITE_P(Neighbours, NeighbourFault,
                         ::testing::Combine(::testing::ValuesIn(kNeighbourExports), ::testing::ValuesIn(kNeighbours)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

// ---- a CSV that cannot be written: the disk is full

void PrintTo(const Export& e, std::ostream* os) { *os << e.name; }

class ExportOntoFullDisk : public ::testing::TestWithParam<Export> {};

TEST_P(ExportOntoFullDisk, ErrorNamesTheFileAndNothingClaimsSuccess) {
    const Export& exported = GetParam();
    StationFolder station;
    const std::string output = station.path(exported.output);
    std::error_code ec;
    fs::create_symlink("/dev/full", output, ec);
    if (ec || !fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    ScriptedDialogs dialogs;
    const CommandResult result = RunCommand(dialogs, [&] { return exported.run(station, dialogs); });
    EXPECT_EQ(result, CommandResult::Failed);
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_EQ(dialogs.shown().back().kind, MessageKind::Error);
    EXPECT_EQ(dialogs.shown().back().text,
              "Erreur d'écriture dans le fichier " + output + " : " + std::strerror(ENOSPC));
    for (const Shown& s : dialogs.shown())
        if (s.what == Shown::What::Message) {
            EXPECT_NE(s.kind, MessageKind::Confirmation) << s.text;
        }
}

INSTANTIATE_TEST_SUITE_P(Exports, ExportOntoFullDisk,
                         ::testing::Values(kSummaries, kWmo, kSunshine, kExtremes, kInfoClimat),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pluvelle
