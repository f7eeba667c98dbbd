#pragma once
// Runs the real batch tool as a station keeper's script would, capturing its
// exit status and what it wrote on stderr.
#include "month_fixture.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace pluvelle::testing {

struct CliRun {
    int status;
    std::string err;
};

inline std::string Quote(const std::string& s) { return "'" + s + "'"; }

inline CliRun Cli(const std::string& args, const TempDir& dir) {
    const std::string errFile = dir.file("stderr.txt");
    const std::string command = std::string(PLUVELLE_CLI_PATH) + " " + args + " >/dev/null 2>" + Quote(errFile);
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(errFile)};
}

} // namespace pluvelle::testing
