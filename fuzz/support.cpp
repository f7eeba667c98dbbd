#include "support.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace pluvelle::fuzz {

std::optional<std::string> QuietDialogs::next() {
    if (names.empty()) return std::nullopt;
    std::string n = names.front();
    names.pop_front();
    return n;
}

std::string ScratchFolder() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("pluvelle-fuzz-" + std::to_string(::getpid()));
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    return dir.string() + "/";
}

void WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace pluvelle::fuzz
