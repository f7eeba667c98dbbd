#pragma once
// The few calls that differ between Windows and POSIX systems.
#include <cstddef>
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

// Memory for the month table's cells: a one-minute month needs tens of MB,
// and mapping them in large pages where the system offers them makes opening
// such a month several times faster. Blocks are freed with the same size.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* block, std::size_t bytes);

} // namespace pluvelle::platform
