#pragma once
// The one top-level handler: any exception a command lets through is shown
// in an error box with its text, and the command counts as failed.
#include "dialogs.h"

#include <functional>

namespace pluvelle {

CommandResult RunCommand(Dialogs& dialogs, const std::function<CommandResult()>& command);

} // namespace pluvelle
