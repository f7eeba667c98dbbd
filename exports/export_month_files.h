#pragma once
// What the climatological exports share: the save dialog of their CSV files,
// the warning for a month file that cannot be opened, and the names of the
// neighbouring month files, found beside the open one as "yyyy-mm.wlk".
#include "core/dialogs.h"
#include "core/month_file.h"
#include "core/month_reader.h"

#include <optional>
#include <string>

namespace pluvelle {

inline constexpr const char* kExportCsvFilter = "Fichiers *.csv|*.csv";

// Shows the save dialog; the name to write, or nothing when the user cancelled
// or left the name empty.
std::optional<std::string> AskExportCsvName(Dialogs& dialogs);

// "<name> : Fichier introuvable" or "Erreur de lecture du fichier : <name>".
std::string MonthOpenFailureText(const std::string& name, MonthOpenError::Reason reason);

struct MonthNumbers {
    int month = 1;  // 1..12
    int year = 2000;
};

// The open month's month and year texts as numbers. Throws
// InvalidIntegerError when the file name does not hold them.
MonthNumbers OpenMonthNumbers(const MonthFile& month);
MonthNumbers PreviousMonth(MonthNumbers m);  // January -> December of the year before
MonthNumbers NextMonth(MonthNumbers m);      // December -> January of the year after
// The path of that month's file in the open month's folder.
std::string MonthPathBeside(const MonthFile& open, MonthNumbers m);

} // namespace pluvelle
