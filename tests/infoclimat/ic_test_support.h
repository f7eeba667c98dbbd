#pragma once
// Month folders for the InfoClimat export tests, and a scripted FTP client.
#include "infoclimat/ftp_client.h"
#include "infoclimat/ic_export.h"

#include "core/month_session.h"
#include "support/month_fixture.h"
#include "support/scripted_dialogs.h"

#include <memory>
#include <string>
#include <vector>

namespace pluvelle::testing {

// A folder of month files named yyyy-mm.wlk.
class MonthFolder {
public:
    std::string write(int year, int month, const std::vector<FixtureDay>& days = {});
    std::string path(const std::string& name) const { return dir_.file(name); }
    const TempDir& dir() const { return dir_; }

private:
    TempDir dir_;
};

// A record ending at `packedTime` with the given archive interval.
ArchiveRecord At(int packedTime, int interval = 10);

struct ExportRun {
    CommandResult result = CommandResult::Failed;
    ScriptedDialogs dialogs;
    std::string icPath;
    bool written = false;
    std::vector<std::string> lines;  // the file's lines without their CR LF
};

// Loads `monthPath` and runs the export with the station code "07123" under
// the top-level handler.
ExportRun RunExport(const std::string& monthPath, Answer timeBase, const InfoClimatUpload* upload = nullptr,
                    void (*edit)(MonthSession&) = nullptr);

std::vector<std::string> SplitFields(const std::string& line);
// The data lines (header left out) whose dh_utc is `dhUtc`.
const std::string* LineAt(const ExportRun& run, const std::string& dhUtc);
std::vector<std::string> Times(const ExportRun& run);  // dh_utc of every data line

// What a scripted FTP client was asked to do.
struct FtpScript {
    bool connects = true;       // isConnected() after connect()
    long long size = 1000;      // what size() answers
    std::vector<std::string> calls;
    std::string user;
    std::string password;
};
InfoClimatUpload ScriptedUpload(FtpScript& script);

} // namespace pluvelle::testing
