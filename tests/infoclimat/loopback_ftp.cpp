#include "loopback_ftp.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace pluvelle::testing {

namespace fs = std::filesystem;

namespace {

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

// The interpreter that has pyftpdlib: Debian's own comes first, as a
// per-user python3 earlier on PATH may lack the package.
const std::string& Python() {
    static const std::string python = [] {
        for (const char* candidate : {"/usr/bin/python3", "python3"}) {
            const std::string probe = std::string(candidate) + " -c 'import pyftpdlib' >/dev/null 2>&1";
            if (std::system(probe.c_str()) == 0) return std::string(candidate);
        }
        throw std::runtime_error("python3 with pyftpdlib is missing (scripts/setup installs python3-pyftpdlib)");
    }();
    return python;
}

std::string Script() { return (fs::path(__FILE__).parent_path() / "ftp_server.py").string(); }

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return done();
}

} // namespace

LoopbackFtpServer::LoopbackFtpServer(LoopbackFtpOptions options) : options_(std::move(options)) {
    fs::create_directories(dir_.path() / "root");
    const std::string portFile = dir_.file("port");
    const std::string command = Python() + " " + Quoted(Script()) + " --mode " + options_.mode + " --root " +
                                Quoted(dir_.file("root")) + " --user " + Quoted(options_.user) + " --password " +
                                Quoted(options_.password) + " --size-reply " + Quoted(options_.sizeReply) +
                                " --port-file " + Quoted(portFile) + " --stop-file " + Quoted(dir_.file("stop")) +
                                " --lifetime 60 >" + Quoted(dir_.file("log")) + " 2>&1 &";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("cannot start " + command);
    running_ = true;
    if (!WaitFor([&] { return fs::exists(portFile); }, std::chrono::seconds(10))) {
        stop();
        throw std::runtime_error("the FTP server did not start: " + ReadFile(dir_.file("log")));
    }
    port_ = std::stoi(ReadFile(portFile));
}

LoopbackFtpServer::~LoopbackFtpServer() { stop(); }

void LoopbackFtpServer::stop() {
    if (!running_) return;
    running_ = false;
    WriteFile(dir_.file("stop"), "");
    WaitFor([&] { return !fs::exists(dir_.file("port")); }, std::chrono::seconds(5));
}

std::string LoopbackFtpServer::stored(const std::string& name) const { return ReadFile(dir_.file("root/" + name)); }

bool LoopbackFtpServer::holds(const std::string& name) const { return fs::exists(dir_.path() / "root" / name); }

} // namespace pluvelle::testing
