// Reading configensol.txt: any bytes give three texts (or none) that the panel
// shows; the sunshine export runs with them, keeps them in the settings file
// and reads them back as it wrote them.
#include "support.h"

#include "core/errors.h"
#include "core/month_load.h"
#include "core/text_output.h"
#include "exports/sunshine.h"

#include <cstdint>

using namespace pluvelle;

namespace {

// What a text becomes once written to the single-byte file and read again.
std::string ThroughFile(const std::string& utf8) { return Cp1252ToUtf8(Utf8ToCp1252(utf8)); }

bool HoldsLineEnd(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = fuzz::ScratchFolder();
    const std::string settingsPath = folder + kSunshineSettingsFile;
    fuzz::WriteBytes(settingsPath, data, size);
    const auto read = ReadSunshineSettings(settingsPath);
    if (!read) fuzz::Broken("a settings file that exists did not read");
    if (HoldsLineEnd(read->latitude) || HoldsLineEnd(read->longitude) || HoldsLineEnd(read->threshold))
        fuzz::Broken("a line end inside a settings text");

    fuzz::WriteBytes(folder + "2016-04.wlk", fuzz::SmallMonthBytes());
    const MonthSession session = ReadMonthSession(folder + "2016-04.wlk");
    fuzz::QuietDialogs dialogs;
    const auto shown = OpenSunshinePanel(session.month, dialogs, folder, {"45.5", "-5.25", "50"});
    if (!shown || *shown != *read) fuzz::Broken("the panel does not show the stored texts");

    dialogs.names.push_back(folder + "ensoleillement.csv");
    SunshineRequest request{*shown, folder, nullptr};
    const CommandResult result = SunshineExportFlow(session.month, dialogs, request);
    if (result != CommandResult::Done) fuzz::Broken("the sunshine export did not finish");
    if (fuzz::CountLines(folder + "ensoleillement.csv") != 3) fuzz::Broken("not one line per day");

    // The threshold is kept as typed; the coordinates may lose a comma.
    const auto again = ReadSunshineSettings(settingsPath);
    if (!again || again->threshold != ThroughFile(shown->threshold)) fuzz::Broken("threshold not kept");
    return 0;
}
