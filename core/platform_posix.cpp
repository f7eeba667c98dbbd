#include "platform.h"

#include <cstdlib>
#include <new>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pluvelle::platform {

namespace {
constexpr std::size_t kLargePage = std::size_t{2} << 20;
constexpr std::size_t kLargeFrom = std::size_t{8} << 20;  // smaller blocks gain nothing
} // namespace

void* AllocateLarge(std::size_t bytes) {
    if (bytes < kLargeFrom) return ::operator new(bytes);
    const std::size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
    void* block = std::aligned_alloc(kLargePage, rounded);
    if (!block) throw std::bad_alloc();
#if defined(MADV_HUGEPAGE)
    ::madvise(block, rounded, MADV_HUGEPAGE);
#endif
    return block;
}

void FreeLarge(void* block, std::size_t bytes) {
    if (bytes < kLargeFrom) ::operator delete(block);
    else std::free(block);
}

#ifdef _WIN32
void SyncFile(const std::filesystem::path&) {}
void RestrictToOwner(const std::filesystem::path&) {}  // the user's profile folder is private already
bool CreatePrivateFile(const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out);
}
bool FolderIsWritable(const std::filesystem::path& folder) {
    const auto probe = folder / ".pluvelle-write-test";
    { std::ofstream out(probe); if (!out) return false; }
    std::error_code ec;
    std::filesystem::remove(probe, ec);
    return true;
}
#else
void SyncFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
void RestrictToOwner(const std::filesystem::path& path) { ::chmod(path.c_str(), S_IRUSR | S_IWUSR); }
bool CreatePrivateFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) return false;
    // An older file keeps its mode through O_CREAT: tighten it too.
    const bool ok = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0;
    return ::close(fd) == 0 && ok;
}
bool FolderIsWritable(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }
#endif

} // namespace pluvelle::platform
