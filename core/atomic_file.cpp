#include "atomic_file.h"

#include "errors.h"
#include "paths.h"
#include "platform.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace pluvelle {

namespace fs = std::filesystem;

namespace {

// One fixed name per target: a temporary left by a crash is simply reused.
fs::path TemporaryBeside(const fs::path& target) {
    fs::path tmp = target;
    tmp += ".tmp";
    return tmp;
}

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw IoError("Impossible d'écrire le fichier " + path + " : " + reason);
}

} // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes, FileAccess access) {
    const fs::path target = PathFromUtf8(path);
    std::error_code ec;
    if (fs::is_directory(target, ec)) Fail(path, "c'est un dossier");
    const fs::path tmp = TemporaryBeside(target);
    if (access == FileAccess::OwnerOnly && !platform::CreatePrivateFile(tmp)) Fail(path, std::strerror(errno));
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) Fail(path, std::strerror(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const std::string reason = std::strerror(errno);
            out.close();
            fs::remove(tmp, ec);
            Fail(path, reason);
        }
        out.close();
        if (!out) {
            fs::remove(tmp, ec);
            Fail(path, std::strerror(errno));
        }
    }
    platform::SyncFile(tmp);
    fs::rename(tmp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(tmp, ignored);
        Fail(path, ec.message());
    }
}

} // namespace pluvelle
