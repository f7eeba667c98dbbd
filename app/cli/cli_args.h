#pragma once
// The batch tool's arguments: positional values, "--name value" options and
// "--flag" switches.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pluvelle::cli {

struct CliArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::set<std::string> flags;

    std::optional<std::string> option(const std::string& name) const;
    bool flag(const std::string& name) const { return flags.count(name) != 0; }
};

// `switches` lists the options that take no value. Throws std::invalid_argument.
CliArgs ParseArgs(const std::vector<std::string>& words, const std::set<std::string>& switches);

} // namespace pluvelle::cli
