#pragma once
// Files the user cannot afford to lose half-written are written to a
// temporary file beside the target and renamed into place once complete.
#include <string>
#include <string_view>

namespace pluvelle {

// Throws IoError (with the system's reason) and leaves any existing file untouched.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace pluvelle
