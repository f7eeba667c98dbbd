#include "month_commands.h"

#include "exports/daily_summaries.h"
#include "exports/wmo_daily.h"

namespace pluvelle::cli {

void AddExportCommands(std::vector<CliCommand>& commands) {
    commands.push_back({"summaries", "MONTH.wlk OUT.csv", 2, {}, {}, [](const CliArgs& a, CliDialogs& d) {
                            MonthSession s;
                            if (!LoadForCli(s, d, a.positional[0])) return CommandResult::Refused;
                            d.queueFileName(a.positional[1]);
                            return ExportDailySummariesFlow(s.month, d);
                        }});
    commands.push_back({"wmo", "MONTH.wlk OUT.csv --time-base legal|utc", 2, {}, {"time-base"},
                        [](const CliArgs& a, CliDialogs& d) {
                            MonthSession s;
                            d.setTimeBaseAnswer(TimeBaseAnswer(a));
                            if (!LoadForCli(s, d, a.positional[0])) return CommandResult::Refused;
                            d.queueFileName(a.positional[1]);
                            return ExportWmoDailyFlow(s.month, d);
                        }});
}

} // namespace pluvelle::cli
