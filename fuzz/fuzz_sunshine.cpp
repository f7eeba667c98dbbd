// The sunshine export over any month file and any station position: one line
// per day with data after the header, or an IoError naming the damaged file.
// Input: one byte of choices (bit 0: UTC, bits 1-3: the station's position),
// then the month file; or the month as it was loaded, the part separator,
// and the file as it is on disk at export time.
#include "support.h"

#include "core/errors.h"
#include "core/month_load.h"
#include "exports/sunshine.h"

#include <cstdint>

using namespace pluvelle;

namespace {

// Ordinary stations, the poles, the date line, and texts that are no number.
const SunshineTexts kPositions[8] = {
    {"45.5", "-5.25", "50"},     {"89.99", "0", "0"},     {"-89.99", "179.9", "120"}, {"0", "-180", "-5"},
    {"48,8566", "-2,3522", "50"}, {"1e308", "-1e308", "1e308"}, {"abc", "", "- -"}, {"-33.9", "-151.2", "200.5"},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Choices choices = fuzz::TakeChoices(data, size);
    const auto parts = fuzz::SplitParts(choices.data, choices.size, 2);
    const std::string folder = fuzz::ScratchFolder();
    const std::string path = folder + "2016-04.wlk";
    MonthSession s;
    fuzz::OpenMonth(s, parts[0], path);  // else the store of an earlier month, named after this one
    const std::string_view onDisk = parts.back();
    fuzz::WriteBytes(path, onDisk);

    fuzz::QuietDialogs dialogs;
    dialogs.timeBase = choices.has(0) ? Answer::No : Answer::Yes;
    dialogs.names.push_back(folder + "ensoleillement.csv");
    const SunshineRequest request{kPositions[(choices.bits >> 1) & 7], std::nullopt, nullptr};
    try {
        if (SunshineExportFlow(s.month, dialogs, request) != CommandResult::Done) fuzz::Broken("export not done");
    } catch (const IoError&) {
        return 0;
    }
    const std::size_t days = fuzz::DataDays(onDisk, path);
    if (fuzz::CountLines(folder + "ensoleillement.csv") != 1 + days) fuzz::Broken("not one line per data day");
    return 0;
}
