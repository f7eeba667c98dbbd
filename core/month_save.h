#pragma once
// Saving the table as a month file: every shown cell back into its field,
// then header, summaries and records written atomically.
#include "dialogs.h"
#include "month_session.h"

#include <array>
#include <string>
#include <vector>

namespace pluvelle {

inline constexpr const char* kWlkSaveFilter = "Fichiers .*wlk|*.wlk";

using MonthRecords = std::array<std::vector<ArchiveRecord>, kDaysInIndex>;

// The store's records with the table's texts converted into them (the store
// itself is not changed). Throws InvalidIntegerError.
MonthRecords ConvertTable(const MonthSession& session);
// The bytes of the month file: header as held, then each day's summaries and records.
std::string SerializeMonth(const MonthFile& month, const MonthRecords& records);

// Converts, writes `path` atomically, then keeps the converted records.
void SaveMonthToPath(MonthSession& session, const std::string& path);

// The `SauvegardeWLK` command.
CommandResult SaveMonthFlow(MonthSession& session, Dialogs& dialogs);

} // namespace pluvelle
