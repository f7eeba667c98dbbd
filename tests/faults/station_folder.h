#pragma once
// A station's folder of three consecutive months (2016-03 to 2016-05) with
// ten-minute records on their first two and last days, the middle month
// open, for the tests of files that change under the exports.
#include "core/month_session.h"

#include "month_fixture.h"

#include <filesystem>
#include <string>

namespace pluvelle::testing {

class StationFolder {
public:
    StationFolder();
    const std::filesystem::path& folder() const { return folder_; }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    // The open month, 2016-04.wlk, loaded.
    MonthSession& session() { return session_; }

private:
    TempDir dir_;
    std::filesystem::path folder_;
    MonthSession session_;
};

// Replaces each "{name}" of `text` with the folder's path of that file.
std::string WithPaths(const StationFolder& station, std::string text);

// Lines ended by CR LF in a file; -1 when there is no such file.
int LineCount(const std::string& path);

} // namespace pluvelle::testing
