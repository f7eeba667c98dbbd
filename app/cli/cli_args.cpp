#include "cli_args.h"

#include <stdexcept>

namespace pluvelle::cli {

std::optional<std::string> CliArgs::option(const std::string& name) const {
    const auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

CliArgs ParseArgs(const std::vector<std::string>& words, const std::set<std::string>& switches) {
    CliArgs args;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() > 2 && w.compare(0, 2, "--") == 0) {
            const std::string name = w.substr(2);
            if (switches.count(name)) {
                args.flags.insert(name);
            } else {
                if (i + 1 >= words.size()) throw std::invalid_argument("l'option " + w + " attend une valeur");
                args.options[name] = words[++i];
            }
        } else {
            args.positional.push_back(w);
        }
    }
    return args;
}

} // namespace pluvelle::cli
