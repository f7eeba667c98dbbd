// The InfoClimat file of a loaded month with any following month's file on
// disk: the export writes its file, warns, or stops with an error for the
// top-level handler; the month's own data come from the table.
// Input: one byte of choices (bit 0: UTC, bit 1: the following month is a
// folder when left out), then the open month, the part separator, and the
// following month's file (left out: no such file).
#include "support.h"

#include "core/errors.h"
#include "core/month_load.h"
#include "infoclimat/ic_export.h"

#include <cstdint>
#include <filesystem>

using namespace pluvelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Choices choices = fuzz::TakeChoices(data, size);
    const auto parts = fuzz::SplitParts(choices.data, choices.size, 2);
    const std::string folder = fuzz::ScratchFolder();
    const std::string path = folder + "2016-04.wlk";
    MonthSession s;
    if (!fuzz::OpenMonth(s, parts[0], path)) return 0;  // such a month never opens
    fuzz::WriteBytes(folder + "2016-03.wlk", "");  // only looked for
    if (parts.size() == 2) fuzz::WriteBytes(folder + "2016-05.wlk", parts[1]);
    else if (choices.has(1)) std::filesystem::create_directory(folder + "2016-05.wlk");

    fuzz::QuietDialogs dialogs;
    dialogs.timeBase = choices.has(0) ? Answer::No : Answer::Yes;
    const InfoClimatSettings settings{"07123", "station", "secret"};
    try {
        ExportInfoClimatFlow(s, settings, dialogs, nullptr);
    } catch (const IoError&) {
    } catch (const InvalidIntegerError&) {
        // A record time the table cannot show as hh:mm: the handler says which row.
    }
    return 0;
}
