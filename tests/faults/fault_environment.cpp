#include "fault_environment.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace pluvelle::testing {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFiller = "filler";
constexpr uid_t kNobody = 65534;

std::string SystemError(const std::string& what) { return what + ": " + std::strerror(errno); }

} // namespace

FullDisk::~FullDisk() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

std::string FullDisk::prepare(const fs::path& folder) {
    folder_ = folder;
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=512k,mode=0755") != 0)
        return SystemError("cannot mount a small tmpfs (needs root with CAP_SYS_ADMIN)");
    mounted_ = true;
    return {};
}

void FullDisk::arm() {
    const int fd = ::open((folder_ / kFiller).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return;
    // Large blocks, then single bytes for what is left of the last page.
    const std::vector<char> block(65536, 'f');
    for (std::size_t size : {block.size(), std::size_t{1}})
        while (::write(fd, block.data(), size) > 0) {
        }
    ::close(fd);
}

void FullDisk::disarm() {
    std::error_code ec;
    fs::remove(folder_ / kFiller, ec);
}

int FullDisk::error() const { return ENOSPC; }

std::string ReadOnlyMount::prepare(const fs::path& folder) {
    if (std::string why = FullDisk::prepare(folder); !why.empty()) return why;
    if (::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
        return SystemError("cannot remount the tmpfs read-only");
    disarm();
    return {};
}

void ReadOnlyMount::arm() { ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr); }

void ReadOnlyMount::disarm() { ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT, nullptr); }

int ReadOnlyMount::error() const { return EROFS; }

FileSizeLimit::~FileSizeLimit() { disarm(); }

std::string FileSizeLimit::prepare(const fs::path&) {
    if (::getrlimit(RLIMIT_FSIZE, &saved_) != 0) return SystemError("getrlimit");
    return {};
}

void FileSizeLimit::arm() {
    // Writing past the limit then fails with EFBIG instead of killing the process.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = 16;  // smaller than any settings file
    armed_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

void FileSizeLimit::disarm() {
    if (!armed_) return;
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    armed_ = false;
}

int FileSizeLimit::error() const { return EFBIG; }

Unprivileged::Unprivileged() {
    if (::geteuid() != 0) return;
    if (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0) {
        unavailable_ = SystemError("cannot act as the user nobody");
        ::setegid(0);
        return;
    }
    switched_ = true;
}

Unprivileged::~Unprivileged() {
    if (!switched_) return;
    if (::seteuid(0) != 0 || ::setegid(0) != 0) std::abort();  // the rest of the run would be wrong
}

NoWriteRight::~NoWriteRight() { disarm(); }

std::string NoWriteRight::prepare(const fs::path& folder) {
    folder_ = folder;
    Unprivileged probe;
    return probe.unavailable();
}

void NoWriteRight::arm() {
    fs::permissions(folder_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    user_ = std::make_unique<Unprivileged>();
}

void NoWriteRight::disarm() {
    user_.reset();
    std::error_code ec;
    if (!folder_.empty()) fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::add, ec);
}

int NoWriteRight::error() const { return EACCES; }

std::string FolderListing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& n : names) text += n + " ";
    return text;
}

} // namespace pluvelle::testing
