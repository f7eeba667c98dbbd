#pragma once
// Opening a month: all or nothing. The file is read into a fresh store and
// table that replace the open month only once it was read whole.
#include "dialogs.h"
#include "month_reader.h"
#include "month_session.h"

namespace pluvelle {

inline constexpr const char* kWlkOpenFilter = "Fichiers WLK|*.wlk";

// Builds the store and the table of the month file at `path` (throws as
// ReadMonthImage does).
void BuildMonth(const MonthImage& image, const std::string& path, MonthFile& month, MonthTable& table);
MonthSession ReadMonthSession(const std::string& path);

// The `OuvrirWLK` command.
CommandResult LoadMonthFlow(MonthSession& session, Dialogs& dialogs);
// The same once a path is known (the batch tool, tests, re-opening).
CommandResult LoadMonthPath(MonthSession& session, Dialogs& dialogs, const std::string& path);

} // namespace pluvelle
