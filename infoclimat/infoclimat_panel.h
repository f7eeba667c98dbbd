#pragma once
// What the settings panel `ConfigIC` shows and does, for the window to call.
#include "ftp_upload.h"
#include "infoclimat_settings.h"

#include "core/dialogs.h"
#include "core/month_session.h"

#include <functional>
#include <string>

namespace pluvelle {

// Where configIC.txt lives: the program's folder, or the user's settings
// folder when the program's cannot be written (the window passes
// `programFolder` and `UserSettingsFolder()`).
struct ConfigICFolders {
    std::string program;
    std::string user;
};

// The texts of the edits `CodeStation`, `UtilIC` and `PasseIC`.
struct InfoClimatEdits {
    std::string codeStation;
    std::string utilIC;
    std::string passeIC;
};

// `LireConfigICClick`, once the panel is shown: fills the edits from
// configIC.txt; they keep their texts when the file cannot be opened. Throws
// IoError when it opens but cannot be read.
void FillInfoClimatEdits(const ConfigICFolders& folders, InfoClimatEdits& edits);

// `EnregConfigICClick`: writes configIC.txt, sets `settings` from
// the edits (the password whole, however long), calls `hidePanel`, then runs
// the export and its upload. When the file cannot be written, the IoError
// reaches the handler with `settings` unchanged and the panel still shown.
CommandResult EnregConfigICFlow(const ConfigICFolders& folders, const InfoClimatEdits& edits,
                                InfoClimatSettings& settings, const std::function<void()>& hidePanel,
                                const MonthSession& session, Dialogs& dialogs, const InfoClimatUpload& upload);

} // namespace pluvelle
