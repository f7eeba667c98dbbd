#include "dialogs.h"

#include "paths.h"

namespace pluvelle {

std::string SaveName(const Dialogs& dialogs, const std::string& name, const std::string& extension) {
    return dialogs.keepsExactFileNames() ? name : WithExtension(name, extension);
}

} // namespace pluvelle
