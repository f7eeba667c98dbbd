#pragma once
// A real FTP server on 127.0.0.1 for the upload tests (ftp_server.py, on
// Debian's python3-pyftpdlib), started on a free port and stopped with the object.
#include "support/month_fixture.h"

#include <string>

namespace pluvelle::testing {

struct LoopbackFtpOptions {
    std::string mode = "normal";  // normal, refuse-size, hang-stor, drop-stor, stall-stor, silent
    std::string user = "station";
    std::string password = "s3cr3t-Pa55";
    std::string sizeReply = "550 SIZE refused.";
};

class LoopbackFtpServer {
public:
    explicit LoopbackFtpServer(LoopbackFtpOptions options = {});
    ~LoopbackFtpServer();
    LoopbackFtpServer(const LoopbackFtpServer&) = delete;
    LoopbackFtpServer& operator=(const LoopbackFtpServer&) = delete;

    int port() const { return port_; }
    const LoopbackFtpOptions& options() const { return options_; }
    // Bytes of a file in the account's folder; empty when there is none.
    std::string stored(const std::string& name) const;
    bool holds(const std::string& name) const;
    // Stops the server now and waits for it to be gone (the destructor does it too).
    void stop();

private:
    LoopbackFtpOptions options_;
    TempDir dir_;
    int port_ = 0;
    bool running_ = false;
};

} // namespace pluvelle::testing
