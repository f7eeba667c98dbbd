#include "month_commands.h"

namespace pluvelle::cli {

void AddInfoClimatCommands(std::vector<CliCommand>&) {}

} // namespace pluvelle::cli
