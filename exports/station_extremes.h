#pragma once
// The station's monthly extremes: for every month file of a folder, the
// highest and lowest temperature, humidity and pressure, the strongest gust,
// the wettest day and the highest rain rate, from the first daily summaries;
// then the extremes over all the months.
#include "core/dialogs.h"

#include <string>
#include <vector>

namespace pluvelle {

inline constexpr const char* kExtremesFileName = "ExtremumsMois.csv";

// The names of the folder's "*.wlk" entries that are files (any letter case,
// hidden ones included), sorted so year-month names come in calendar order.
std::vector<std::string> MonthFileNames(const std::string& folder);

// The `ExtremumsClick` command over `folder`, the open month's folder: writes
// ExtremumsMois.csv there, overwriting it, and says so. Month files that
// cannot be opened are skipped; a damaged one stops the command.
CommandResult StationExtremesFlow(const std::string& folder, Dialogs& dialogs);

} // namespace pluvelle
