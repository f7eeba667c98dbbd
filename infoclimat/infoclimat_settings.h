#pragma once
// The InfoClimat account: station code, FTP user name and password, kept in
// `configIC.txt` with the password scrambled.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pluvelle {

struct InfoClimatSettings {
    std::string stationCode;
    std::string userName;
    std::string password;  // in plain, whole as typed
};

inline constexpr std::string_view PasswordAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// Shift of each character position 1..20; a file only reads back with the key that wrote it.
extern const std::array<int, 20> PasswordKey;
// Characters kept in the file's password line.
inline constexpr std::size_t kStoredPasswordLength = 20;
inline constexpr std::string_view kConfigICName = "configIC.txt";

// Both work on the first 20 characters of a UTF-8 text; characters outside
// PasswordAlphabet are kept as they are and still use up their key position.
std::string ScramblePassword(std::string_view plain);
std::string UnscramblePassword(std::string_view scrambled);

// The first `count` characters of a UTF-8 text (never cuts a character in two).
std::string FirstCharacters(std::string_view utf8, std::size_t count);

// The three lines of the configIC.txt at `path` (ended by CR LF, LF or CR,
// within its first kSettingsReadLimit bytes), the password unscrambled (20
// characters at most). Empty when the file cannot be opened; throws IoError
// when it opens but cannot be read.
std::optional<InfoClimatSettings> ReadInfoClimatSettings(const std::string& path);

// Creates or replaces the configIC.txt at `path`, readable by its owner only,
// with the first 20 characters of the password scrambled. Throws IoError and
// leaves an existing file untouched on failure.
void WriteInfoClimatSettings(const std::string& path, const InfoClimatSettings& settings);

} // namespace pluvelle
