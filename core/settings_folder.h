#pragma once
// Where the program's small settings files live: beside the executable, as
// the station keeper expects, unless that folder cannot be written (an
// installed program), in which case they go to the user's configuration
// folder. They are read back from where they are written.
#include <cstddef>
#include <string>

namespace pluvelle {

// The settings files hold three short lines: readers look no further than
// this, so a huge or foreign file cannot hold the window up.
inline constexpr std::size_t kSettingsReadLimit = 64 * 1024;

// "<XDG_CONFIG_HOME or ~/.config>/Pluvelle", or "%APPDATA%\Pluvelle" on
// Windows, as UTF-8; empty when the environment names no such folder.
std::string UserSettingsFolder();

// The file to read: the copy in the folder the program writes to when there
// is one there, else the copy in the other folder, else the written-to path
// (which does not exist, and reads as "no settings").
std::string SettingsFileForReading(const std::string& programFolder, const std::string& userFolder,
                                   const std::string& name);
std::string SettingsFileForReading(const std::string& programFolder, const std::string& name);

// The file to write: in the program folder when it can be written, else in
// the user's folder, which is created when missing.
std::string SettingsFileForWriting(const std::string& programFolder, const std::string& userFolder,
                                   const std::string& name);
std::string SettingsFileForWriting(const std::string& programFolder, const std::string& name);

} // namespace pluvelle
