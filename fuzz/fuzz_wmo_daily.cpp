// The WMO daily data export with its neighbours: any three month files give a
// header and one line per data day of the open month, or an IoError naming
// a damaged file.
// Input: one byte of choices (bit 0: UTC, bits 1 and 2: a missing previous or
// next month is a folder of that name), then the open month, the previous
// month and the next month, separated by the part separator; a part left out
// is a month file that does not exist.
#include "support.h"

#include "core/errors.h"
#include "core/month_load.h"
#include "exports/wmo_daily.h"

#include <cstdint>
#include <filesystem>

using namespace pluvelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Choices choices = fuzz::TakeChoices(data, size);
    const auto parts = fuzz::SplitParts(choices.data, choices.size, 3);
    const std::string folder = fuzz::ScratchFolder();
    const std::string names[] = {folder + "2016-04.wlk", folder + "2016-03.wlk", folder + "2016-05.wlk"};
    for (std::size_t k = 0; k < 3; ++k) {
        if (k < parts.size()) fuzz::WriteBytes(names[k], parts[k]);
        else if (choices.has(static_cast<int>(k))) std::filesystem::create_directory(names[k]);
    }
    MonthFile month;
    SetCurrentPath(month, names[0]);

    fuzz::QuietDialogs dialogs;
    dialogs.timeBase = choices.has(0) ? Answer::No : Answer::Yes;
    dialogs.names.push_back(folder + "omm.csv");
    try {
        if (ExportWmoDailyFlow(month, dialogs) != CommandResult::Done) fuzz::Broken("export not done");
    } catch (const IoError&) {
        return 0;
    }
    const std::size_t days = fuzz::DataDays(parts[0], names[0]);
    if (fuzz::CountLines(folder + "omm.csv") != 1 + days) fuzz::Broken("not one line per data day");
    return 0;
}
