#include "month_commands.h"

#include "core/month_load.h"
#include "core/month_save.h"
#include "core/table_csv.h"

#include <stdexcept>

namespace pluvelle::cli {

bool LoadForCli(MonthSession& session, CliDialogs& dialogs, const std::string& path) {
    dialogs.queueFileName(path);
    return LoadMonthFlow(session, dialogs) == CommandResult::Done;
}

Answer TimeBaseAnswer(const CliArgs& args) {
    const auto base = args.option("time-base");
    if (base == "legal") return Answer::Yes;
    if (base == "utc") return Answer::No;
    throw std::invalid_argument("--time-base attend legal ou utc");
}

void AddMonthCommands(std::vector<CliCommand>& commands) {
    commands.push_back({"table", "MONTH.wlk OUT.csv", 2, {}, {}, [](const CliArgs& a, CliDialogs& d) {
                            MonthSession s;
                            if (!LoadForCli(s, d, a.positional[0])) return CommandResult::Refused;
                            d.queueFileName(a.positional[1]);
                            return ExportTableFlow(s, d);
                        }});
    commands.push_back({"resave", "MONTH.wlk OUT.wlk", 2, {}, {}, [](const CliArgs& a, CliDialogs& d) {
                            MonthSession s;
                            if (!LoadForCli(s, d, a.positional[0])) return CommandResult::Refused;
                            d.queueFileName(a.positional[1]);
                            return SaveMonthFlow(s, d);
                        }});
}

} // namespace pluvelle::cli
