#include "settings_folder.h"

#include "paths.h"
#include "platform.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace pluvelle {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
fs::path EnvironmentPath(const wchar_t* name) {
    const wchar_t* value = ::_wgetenv(name);
    return value && *value ? fs::path(value) : fs::path();
}
#else
fs::path EnvironmentPath(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path();
}
#endif

fs::path FolderOrCurrent(const std::string& folder) { return folder.empty() ? fs::path(".") : PathFromUtf8(folder); }

bool ProgramFolderWritable(const std::string& programFolder) {
    return platform::FolderIsWritable(FolderOrCurrent(programFolder));
}

bool IsFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

} // namespace

std::string UserSettingsFolder() {
#ifdef _WIN32
    const fs::path base = EnvironmentPath(L"APPDATA");
#else
    fs::path base = EnvironmentPath("XDG_CONFIG_HOME");
    // Relative values are invalid by the XDG rules and ignored.
    if (!base.is_absolute()) base.clear();
    if (base.empty()) {
        const fs::path home = EnvironmentPath("HOME");
        if (!home.empty()) base = home / ".config";
    }
#endif
    return base.empty() ? std::string() : PathToUtf8(base / "Pluvelle");
}

std::string SettingsFileForReading(const std::string& programFolder, const std::string& userFolder,
                                   const std::string& name) {
    const fs::path inProgram = FolderOrCurrent(programFolder) / PathFromUtf8(name);
    if (userFolder.empty()) return PathToUtf8(inProgram);
    const fs::path inUser = PathFromUtf8(userFolder) / PathFromUtf8(name);
    const bool programFirst = ProgramFolderWritable(programFolder);
    const fs::path& first = programFirst ? inProgram : inUser;
    const fs::path& second = programFirst ? inUser : inProgram;
    if (IsFile(first)) return PathToUtf8(first);
    if (IsFile(second)) return PathToUtf8(second);
    return PathToUtf8(first);
}

std::string SettingsFileForReading(const std::string& programFolder, const std::string& name) {
    return SettingsFileForReading(programFolder, UserSettingsFolder(), name);
}

std::string SettingsFileForWriting(const std::string& programFolder, const std::string& userFolder,
                                   const std::string& name) {
    const fs::path inProgram = FolderOrCurrent(programFolder) / PathFromUtf8(name);
    if (userFolder.empty() || ProgramFolderWritable(programFolder)) return PathToUtf8(inProgram);
    const fs::path folder = PathFromUtf8(userFolder);
    std::error_code ec;
    fs::create_directories(folder, ec);  // a failure shows when the file is created
    return PathToUtf8(folder / PathFromUtf8(name));
}

std::string SettingsFileForWriting(const std::string& programFolder, const std::string& name) {
    return SettingsFileForWriting(programFolder, UserSettingsFolder(), name);
}

} // namespace pluvelle
