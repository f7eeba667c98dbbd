#pragma once
// The `ImportCSV` command: replaces the table with the rows of a table CSV and
// rebuilds from their dates and times the store's day counts, day index and
// record times, so that the table can then be saved as a month file.
#include "table_csv_reader.h"

#include "core/dialogs.h"
#include "core/month_session.h"

namespace pluvelle {

inline constexpr const char* kCsvOpenFilter = "Fichiers *.csv|*.csv";
inline constexpr const char* kImportReminder =
    "Ne pas oublier d'effectuer un \"Enregistrer le fichier (.wlk)\"\r\n"
    "si on veut ensuite utiliser les fonctionnalités d'export.";

// Nothing changes until the whole file was read and accepted: a cancelled
// dialog, a file that cannot be opened (IoError) or a refused file (warning
// naming the line) leave the table and the store as they were.
// `currentFilePath` keeps naming the month file: the exports read it from
// disk, and a CSV is no month file.
CommandResult ImportTableFlow(MonthSession& session, Dialogs& dialogs);

// Swaps an accepted file in: its table, `dayCount` and the day index from the
// rows' days, each row's record slot stamped with its time (the other fields
// keep the slot's values until the table is saved). A day the store holds no
// summaries for gets two empty ones marked as such.
void ApplyImportedTable(MonthSession& session, CsvTableContent&& content);

} // namespace pluvelle
