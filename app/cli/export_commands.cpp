#include "month_commands.h"

namespace pluvelle::cli {

void AddExportCommands(std::vector<CliCommand>&) {}

} // namespace pluvelle::cli
