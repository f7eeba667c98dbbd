// The daily summaries export over any month file: the CSV gets its two title
// lines and two lines per day with data, or the command stops with an IoError.
// Input: the month file; or the month as it was loaded, the part separator,
// then the file as it is on disk at export time.
#include "support.h"

#include "core/errors.h"
#include "core/month_load.h"
#include "exports/daily_summaries.h"

#include <cstdint>

using namespace pluvelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = fuzz::ScratchFolder();
    const std::string path = folder + "2016-04.wlk";
    const auto parts = fuzz::SplitParts(data, size, 2);
    MonthSession s;
    fuzz::OpenMonth(s, parts[0], path);  // else the store of an earlier month, named after this one
    const std::string_view onDisk = parts.back();
    fuzz::WriteBytes(path, onDisk);

    fuzz::QuietDialogs dialogs;
    dialogs.names.push_back(folder + "resume.csv");
    try {
        if (ExportDailySummariesFlow(s.month, dialogs) != CommandResult::Done) fuzz::Broken("export not done");
    } catch (const IoError&) {
        return 0;
    }
    const std::size_t days = fuzz::DataDays(onDisk, path);
    if (fuzz::CountLines(folder + "resume.csv") != 2 + 2 * days) fuzz::Broken("not two lines per day");
    return 0;
}
