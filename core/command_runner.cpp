#include "command_runner.h"

#include <exception>
#include <new>

namespace pluvelle {

CommandResult RunCommand(Dialogs& dialogs, const std::function<CommandResult()>& command) {
    try {
        return command();
    } catch (const std::bad_alloc&) {
        dialogs.showMessage(MessageKind::Error, "Mémoire insuffisante");
    } catch (const std::exception& e) {
        dialogs.showMessage(MessageKind::Error, e.what());
    }
    return CommandResult::Failed;
}

} // namespace pluvelle
