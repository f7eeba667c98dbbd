#pragma once
// The InfoClimat export (`ExportInfoClimatClick`): the loaded month's .ic
// file in the month's folder, then its upload.
#include "ftp_upload.h"
#include "infoclimat_settings.h"

#include "core/dialogs.h"
#include "core/month_session.h"

#include <string>

namespace pluvelle {

// stationCode + "_" + yyyy + mm + ".ic", the name on disk and on the server.
// Throws IoError for a station code that would name another folder.
std::string InfoClimatFileName(const MonthFile& month, const std::string& stationCode);

// Writes the file from the table as the user left it, then uploads it with
// `upload` when the file is complete; no upload when `upload` is null.
CommandResult ExportInfoClimatFlow(const MonthSession& session, const InfoClimatSettings& settings,
                                   Dialogs& dialogs, const InfoClimatUpload* upload);

} // namespace pluvelle
