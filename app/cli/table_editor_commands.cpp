#include "month_commands.h"

#include "core/month_save.h"
#include "ui/logic/table_import.h"

namespace pluvelle::cli {

void AddTableEditorCommands(std::vector<CliCommand>& commands) {
    // Rebuilds a month file from a table CSV, over the summaries of MONTH.
    commands.push_back({"import", "TABLE.csv MONTH.wlk OUT.wlk", 3, {}, {}, [](const CliArgs& a, CliDialogs& d) {
                            MonthSession s;
                            if (!LoadForCli(s, d, a.positional[1])) return CommandResult::Refused;
                            d.queueFileName(a.positional[0]);
                            const CommandResult imported = ImportTableFlow(s, d);
                            if (imported != CommandResult::Done) return imported;
                            d.queueFileName(a.positional[2]);
                            return SaveMonthFlow(s, d);
                        }});
}

} // namespace pluvelle::cli
