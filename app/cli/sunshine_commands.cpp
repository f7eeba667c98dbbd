#include "month_commands.h"

#include "exports/station_extremes.h"
#include "exports/sunshine.h"

namespace pluvelle::cli {

namespace {

// The batch tool takes the station's position from its arguments every time
// and leaves configensol.txt, the window's memory of the last typed values,
// alone: a script run over another station's files must not change what the
// window offers next.
CommandResult RunSunshine(const CliArgs& a, CliDialogs& d) {
    d.setTimeBaseAnswer(TimeBaseAnswer(a));
    MonthSession s;
    if (!LoadForCli(s, d, a.positional[0])) return CommandResult::Refused;
    if (RefuseWithoutRadiationSensor(s.month, d)) return CommandResult::Refused;
    SunshineRequest request;
    request.typed = {*a.option("lat"), *a.option("lon"), a.option("threshold").value_or(kDefaultThresholdText)};
    d.queueFileName(a.positional[1]);
    return SunshineExportFlow(s.month, d, request);
}

} // namespace

void AddSunshineCommands(std::vector<CliCommand>& commands) {
    commands.push_back({"sunshine", "MONTH.wlk OUT.csv --lat X --lon Y [--threshold N] --time-base legal|utc", 2, {},
                        {"lat", "lon", "time-base"}, RunSunshine});
    commands.push_back({"extremes", "FOLDER", 1, {}, {}, [](const CliArgs& a, CliDialogs& d) {
                            return StationExtremesFlow(a.positional[0], d);
                        }});
}

} // namespace pluvelle::cli
