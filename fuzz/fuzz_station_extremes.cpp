// The station's monthly extremes over a folder of any month files: one line
// per month file between the titles and the station's line, or an IoError
// naming the first damaged file.
// Input: up to six month files separated by the part separator, written
// under the names below (calendar order, other letter cases, odd names).
#include "support.h"

#include "core/errors.h"
#include "exports/station_extremes.h"

#include <cstdint>

using namespace pluvelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const kNames[] = {"2016-01.wlk", "2016-02.wlk", "2015-12.wlk", "2016-03.WLK", "x.wlk", ".wlk"};
    constexpr std::size_t kCount = sizeof kNames / sizeof kNames[0];
    const auto parts = fuzz::SplitParts(data, size, kCount);
    const std::string folder = fuzz::ScratchFolder();
    for (std::size_t k = 0; k < parts.size(); ++k) fuzz::WriteBytes(folder + kNames[k], parts[k]);

    fuzz::QuietDialogs dialogs;
    try {
        if (StationExtremesFlow(folder, dialogs) != CommandResult::Done) fuzz::Broken("extremes not done");
    } catch (const IoError&) {
        return 0;
    }
    if (fuzz::CountLines(folder + kExtremesFileName) != 2 + parts.size() + 2) fuzz::Broken("not one line per month");
    return 0;
}
