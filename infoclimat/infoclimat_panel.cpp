#include "infoclimat_panel.h"

#include "ic_export.h"

#include "core/settings_folder.h"

namespace pluvelle {

void FillInfoClimatEdits(const ConfigICFolders& folders, InfoClimatEdits& edits) {
    const auto stored =
        ReadInfoClimatSettings(SettingsFileForReading(folders.program, folders.user, std::string(kConfigICName)));
    if (!stored) return;
    edits = {stored->stationCode, stored->userName, stored->password};
}

CommandResult EnregConfigICFlow(const ConfigICFolders& folders, const InfoClimatEdits& edits,
                                InfoClimatSettings& settings, const std::function<void()>& hidePanel,
                                const MonthSession& session, Dialogs& dialogs, const InfoClimatUpload& upload) {
    const InfoClimatSettings typed{edits.codeStation, edits.utilIC, edits.passeIC};
    WriteInfoClimatSettings(SettingsFileForWriting(folders.program, folders.user, std::string(kConfigICName)), typed);
    settings = typed;
    if (hidePanel) hidePanel();
    return ExportInfoClimatFlow(session, settings, dialogs, &upload);
}

} // namespace pluvelle
