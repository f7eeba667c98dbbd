#include "month_commands.h"

namespace pluvelle::cli {

void AddSunshineCommands(std::vector<CliCommand>&) {}

} // namespace pluvelle::cli
