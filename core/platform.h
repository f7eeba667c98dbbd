#pragma once
// The few calls that differ between Windows and POSIX systems.
#include <filesystem>

namespace pluvelle::platform {

// Forces a written file's data to the disk before it replaces another.
void SyncFile(const std::filesystem::path& path);
// Makes a file readable and writable by its owner only (it holds a password).
void RestrictToOwner(const std::filesystem::path& path);
// Creates `path`, or empties it, readable and writable by its owner only
// from the first byte on; false when it cannot be created.
bool CreatePrivateFile(const std::filesystem::path& path);
// Whether the current user may create files in `folder`.
bool FolderIsWritable(const std::filesystem::path& folder);

} // namespace pluvelle::platform
