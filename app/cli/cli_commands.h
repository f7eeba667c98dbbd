#pragma once
// The batch tool's commands. Each runs the same flow as the window's button,
// with the file names and choices taken from the command line.
#include "cli_args.h"
#include "cli_dialogs.h"
#include "core/dialogs.h"
#include "core/month_session.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace pluvelle::cli {

struct CliCommand {
    std::string name;
    std::string usage;  // the arguments, as shown by --help
    std::size_t positionalCount;
    std::set<std::string> switches;
    std::set<std::string> requiredOptions;
    std::function<CommandResult(const CliArgs&, CliDialogs&)> run;
};

const std::vector<CliCommand>& Commands();

// Main entry, testable: returns the exit status (0 done, 1 stopped, 2 bad arguments).
int RunCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

} // namespace pluvelle::cli
