// Reading configIC.txt: any bytes give three texts (or none), the password at
// most 20 characters; what the panel writes back reads back the same once
// it went through the file, and the export names its file from the code or
// refuses with an IoError.
#include "support.h"

#include "core/errors.h"
#include "core/month_load.h"
#include "infoclimat/ic_export.h"
#include "infoclimat/infoclimat_panel.h"
#include "infoclimat/infoclimat_settings.h"

#include <cstdint>

using namespace pluvelle;

namespace {

bool Same(const InfoClimatSettings& a, const InfoClimatSettings& b) {
    return a.stationCode == b.stationCode && a.userName == b.userName && a.password == b.password;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = fuzz::ScratchFolder();
    const std::string path = folder + std::string(kConfigICName);
    fuzz::WriteBytes(path, data, size);
    InfoClimatEdits edits;
    FillInfoClimatEdits({folder, ""}, edits);
    const auto read = ReadInfoClimatSettings(path);
    if (!read) fuzz::Broken("a settings file that exists did not read");
    if (edits.codeStation != read->stationCode || edits.passeIC != read->password)
        fuzz::Broken("the panel does not show the stored texts");
    if (FirstCharacters(read->password, kStoredPasswordLength) != read->password)
        fuzz::Broken("password longer than stored");

    // Once written by the program, the file is a fixed point.
    WriteInfoClimatSettings(path, *read);
    const auto second = ReadInfoClimatSettings(path);
    WriteInfoClimatSettings(path, *second);
    const auto third = ReadInfoClimatSettings(path);
    if (!second || !third || !Same(*second, *third)) fuzz::Broken("settings change on each save");

    fuzz::WriteBytes(folder + "2016-03.wlk", "");
    fuzz::WriteBytes(folder + "2016-04.wlk", fuzz::SmallMonthBytes());
    const MonthSession session = ReadMonthSession(folder + "2016-04.wlk");
    fuzz::QuietDialogs dialogs;
    dialogs.timeBase = Answer::No;
    try {
        ExportInfoClimatFlow(session, *read, dialogs, nullptr);
    } catch (const IoError&) {
        // A station code that cannot name a file: the handler shows why.
    }
    return 0;
}
