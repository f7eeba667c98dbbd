#include "infoclimat_settings.h"

#include "core/atomic_file.h"
#include "core/errors.h"
#include "core/paths.h"
#include "core/settings_folder.h"
#include "core/text_output.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace pluvelle {

namespace fs = std::filesystem;

const std::array<int, 20> PasswordKey = {17, 42, 5, 33, 58, 21, 9, 46, 30, 13, 55, 2, 38, 26, 61, 7, 49, 19, 35, 11};

namespace {

// Byte length of the UTF-8 character starting at `text[i]`; a stray byte counts alone.
std::size_t CharacterLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (i + n > text.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

std::string Shift(std::string_view text, int direction) {
    std::string out;
    std::size_t position = 0;
    for (std::size_t i = 0; i < text.size() && position < kStoredPasswordLength; ++position) {
        const std::size_t n = CharacterLength(text, i);
        const auto at = n == 1 ? PasswordAlphabet.find(text[i]) : std::string_view::npos;
        if (at == std::string_view::npos) {
            out.append(text.substr(i, n));
        } else {
            const int size = static_cast<int>(PasswordAlphabet.size());
            const int shifted = (static_cast<int>(at) + direction * PasswordKey[position] + size) % size;
            out.push_back(PasswordAlphabet[static_cast<std::size_t>(shifted)]);
        }
        i += n;
    }
    return out;
}

// Lines end with CR LF, LF or CR: a one-line edit never holds a line end,
// whatever editor last saved the file. Only the first three are settings.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < 3) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}


} // namespace

std::string ScramblePassword(std::string_view plain) { return Shift(plain, +1); }
std::string UnscramblePassword(std::string_view scrambled) { return Shift(scrambled, -1); }

std::string FirstCharacters(std::string_view utf8, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t taken = 0; i < utf8.size() && taken < count; ++taken) i += CharacterLength(utf8, i);
    return std::string(utf8.substr(0, i));
}

std::optional<InfoClimatSettings> ReadInfoClimatSettings(const std::string& path) {
    std::error_code ec;
    // Only a plain file: opening a pipe would wait for a writer for ever.
    if (!fs::is_regular_file(PathFromUtf8(path), ec)) return std::nullopt;
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(kSettingsReadLimit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) throw IoError("Erreur de lecture du fichier " + path + " : " + std::strerror(errno));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    std::vector<std::string> lines = SplitLines(Cp1252ToUtf8(bytes));
    lines.resize(3);
    return InfoClimatSettings{lines[0], lines[1], UnscramblePassword(FirstCharacters(lines[2], kStoredPasswordLength))};
}

void WriteInfoClimatSettings(const std::string& path, const InfoClimatSettings& settings) {
    const std::string text = settings.stationCode + "\r\n" + settings.userName + "\r\n" +
                             ScramblePassword(FirstCharacters(settings.password, kStoredPasswordLength)) + "\r\n";
    WriteFileAtomically(path, Utf8ToCp1252(text), FileAccess::OwnerOnly);
}

} // namespace pluvelle
