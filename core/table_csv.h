#pragma once
// The table as a ";" separated file: a title line, then one line per table
// row (empty rows included) with the date and the time split in two fields.
#include "dialogs.h"
#include "month_session.h"

#include <string>

namespace pluvelle {

inline constexpr const char* kCsvSaveFilter = "Fichiers .*csv|*.csv";

// The whole file as Windows-1252 bytes with CR LF line ends.
std::string TableCsvBytes(const MonthTable& table);

// The `ExportDonnees` command.
CommandResult ExportTableFlow(const MonthSession& session, Dialogs& dialogs);

} // namespace pluvelle
