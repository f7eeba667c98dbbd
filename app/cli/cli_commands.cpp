#include "cli_commands.h"

#include "core/command_runner.h"
#include "month_commands.h"

#include <ostream>
#include <stdexcept>

namespace pluvelle::cli {

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = [] {
        std::vector<CliCommand> all;
        AddMonthCommands(all);
        AddTableEditorCommands(all);
        AddExportCommands(all);
        AddSunshineCommands(all);
        AddInfoClimatCommands(all);
        return all;
    }();
    return commands;
}

namespace {

void PrintHelp(std::ostream& out) {
    out << "pluvelle-cli : travaux de fin de mois sur les fichiers .wlk\n\nUsage :\n";
    for (const auto& c : Commands()) out << "  pluvelle-cli " << c.name << ' ' << c.usage << '\n';
    out << "\nStatut de sortie : 0 commande menée à son terme, 1 arrêt sur un refus ou une erreur,"
           " 2 arguments incorrects.\n";
}

const CliCommand* Find(const std::string& name) {
    for (const auto& c : Commands())
        if (c.name == name) return &c;
    return nullptr;
}

} // namespace

int RunCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    if (words.empty() || words[0] == "--help" || words[0] == "-h") {
        PrintHelp(words.empty() ? err : out);
        return words.empty() ? 2 : 0;
    }
    const CliCommand* command = Find(words[0]);
    if (!command) {
        err << "Commande inconnue : " << words[0] << " (voir pluvelle-cli --help)\n";
        return 2;
    }
    CliArgs args;
    try {
        args = ParseArgs({words.begin() + 1, words.end()}, command->switches);
        if (args.positional.size() != command->positionalCount)
            throw std::invalid_argument("nombre d'arguments incorrect");
        for (const auto& o : command->requiredOptions)
            if (!args.option(o)) throw std::invalid_argument("l'option --" + o + " est requise");
        if (const auto base = args.option("time-base"); base && *base != "legal" && *base != "utc")
            throw std::invalid_argument("--time-base attend legal ou utc");
    } catch (const std::invalid_argument& e) {
        err << "Arguments incorrects : " << e.what() << "\nUsage : pluvelle-cli " << command->name << ' '
            << command->usage << '\n';
        return 2;
    }
    CliDialogs dialogs(err);
    const CommandResult result = RunCommand(dialogs, [&] { return command->run(args, dialogs); });
    return result == CommandResult::Done ? 0 : 1;
}

} // namespace pluvelle::cli
