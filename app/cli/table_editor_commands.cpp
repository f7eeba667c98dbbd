#include "month_commands.h"

namespace pluvelle::cli {

void AddTableEditorCommands(std::vector<CliCommand>&) {}

} // namespace pluvelle::cli
