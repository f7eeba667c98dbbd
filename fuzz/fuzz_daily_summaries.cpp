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
    try {
        const auto* p = reinterpret_cast<const std::uint8_t*>(parts[0].data());
        BuildMonth(ParseMonthImage(p, parts[0].size(), path), path, s.month, s.table);
    } catch (const IoError&) {
        SetCurrentPath(s.month, path);  // the store of an earlier month, named after this one
    }
    const std::string_view onDisk = parts.back();
    fuzz::WriteBytes(path, onDisk);

    fuzz::QuietDialogs dialogs;
    dialogs.names.push_back(folder + "resume.csv");
    try {
        if (ExportDailySummariesFlow(s.month, dialogs) != CommandResult::Done) fuzz::Broken("export not done");
    } catch (const IoError&) {
        return 0;
    }
    const auto* p = reinterpret_cast<const std::uint8_t*>(onDisk.data());
    const MonthImage image = ParseMonthImage(p, onDisk.size(), path);
    std::size_t days = 0;
    for (int d = 1; d <= 31; ++d) days += image.dayCount[d] != 0;
    if (fuzz::CountLines(folder + "resume.csv") != 2 + 2 * days) fuzz::Broken("not two lines per day");
    return 0;
}
