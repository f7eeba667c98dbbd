#pragma once
// Files the user cannot afford to lose half-written are written to a
// temporary file beside the target and renamed into place once complete.
#include <string>
#include <string_view>

namespace pluvelle {

enum class FileAccess {
    Normal,
    OwnerOnly  // private before the first byte goes in (a password); the rename keeps the mode
};

// Throws IoError (with the system's reason) and leaves any existing file untouched.
void WriteFileAtomically(const std::string& path, std::string_view bytes, FileAccess access = FileAccess::Normal);

} // namespace pluvelle
