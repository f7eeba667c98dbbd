#include "month_commands.h"

#include "core/conversions.h"
#include "core/errors.h"
#include "infoclimat/ic_export.h"

#include <stdexcept>

namespace pluvelle::cli {

namespace {

int PortNumber(const std::string& text) {
    int port = 0;
    try {
        port = ParseStrictInteger(text);
    } catch (const InvalidIntegerError&) {
        throw std::invalid_argument("--port attend un numéro de port");
    }
    if (port < 1 || port > 65535) throw std::invalid_argument("--port attend un numéro de port (1 à 65535)");
    return port;
}

CommandResult RunInfoClimat(const CliArgs& a, CliDialogs& d) {
    d.setTimeBaseAnswer(TimeBaseAnswer(a));
    std::optional<InfoClimatUpload> upload;
    if (a.flag("upload")) {
        upload.emplace();
        if (const auto host = a.option("host")) upload->server.host = *host;
        if (const auto port = a.option("port")) upload->server.port = PortNumber(*port);
    }
    const InfoClimatSettings settings{*a.option("station"), a.option("user").value_or(""),
                                      a.option("password").value_or("")};
    MonthSession s;
    if (!LoadForCli(s, d, a.positional[0])) return CommandResult::Refused;
    return ExportInfoClimatFlow(s, settings, d, upload ? &*upload : nullptr);
}

} // namespace

void AddInfoClimatCommands(std::vector<CliCommand>& commands) {
    commands.push_back({"infoclimat",
                        "MONTH.wlk --station CODE --time-base legal|utc [--upload [--host H] [--port P] --user U "
                        "--password W]\n      écrit CODE_aaaamm.ic dans le dossier du mois ; --upload l'envoie ensuite"
                        " au serveur FTP d'InfoClimat (" +
                            InfoClimatServer().host + ", port 21, sauf --host / --port)",
                        1,
                        {"upload"},
                        {"station", "time-base"},
                        RunInfoClimat});
}

} // namespace pluvelle::cli
