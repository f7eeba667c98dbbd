#pragma once
// Faults of the file system staged under a test: a disk that fills up, a
// file size limit, a folder that cannot be written, a file that cannot be
// read. What needs privileges (mounting, acting as another user) says why
// when this machine refuses it, and the test skips with that reason.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace pluvelle::testing {

// A fault that makes writing into one folder fail once armed.
class FolderFault {
public:
    virtual ~FolderFault() = default;
    // Sets the fault up on the empty folder `folder`; empty on success, else
    // why this machine cannot stage it.
    virtual std::string prepare(const std::filesystem::path& folder) = 0;
    virtual void arm() = 0;
    virtual void disarm() = 0;
    // The system's error the user is to be shown.
    virtual int error() const = 0;
};

// A tmpfs of a few hundred KB mounted on the folder, filled up when armed.
class FullDisk : public FolderFault {
public:
    ~FullDisk() override;
    std::string prepare(const std::filesystem::path& folder) override;
    void arm() override;
    void disarm() override;
    int error() const override;

protected:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

// A tmpfs remounted read-only when armed, like a locked memory card.
class ReadOnlyMount : public FullDisk {
public:
    std::string prepare(const std::filesystem::path& folder) override;
    void arm() override;
    void disarm() override;
    int error() const override;
};

// The process may not write files beyond a few bytes (a quota, a file system's
// size limit); works without privileges.
class FileSizeLimit : public FolderFault {
public:
    ~FileSizeLimit() override;
    std::string prepare(const std::filesystem::path& folder) override;
    void arm() override;
    void disarm() override;
    int error() const override;

private:
    bool armed_ = false;
    rlimit saved_{};
};

// Acts as an unprivileged user while it lives, so permission bits apply
// (root ignores them); does nothing when the process is not root.
class Unprivileged {
public:
    Unprivileged();
    ~Unprivileged();
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;
    // Empty when permission bits now apply; else why not.
    const std::string& unavailable() const { return unavailable_; }

private:
    bool switched_ = false;
    std::string unavailable_;
};

// A folder without write permission, the user acting without privileges.
class NoWriteRight : public FolderFault {
public:
    ~NoWriteRight() override;
    std::string prepare(const std::filesystem::path& folder) override;
    void arm() override;
    void disarm() override;
    int error() const override;

private:
    std::filesystem::path folder_;
    std::unique_ptr<Unprivileged> user_;
};

// Names of the entries of a folder, sorted.
std::string FolderListing(const std::filesystem::path& folder);

} // namespace pluvelle::testing
