#pragma once
// The few FTP operations the InfoClimat upload relies on. Any failure of the
// client (server unreachable, login refused, transfer refused, connection
// lost, time-out) is an FtpError whose text never holds the password.
#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace pluvelle {

class FtpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The window waits on the upload: every exchange gives up after these.
struct FtpTimeouts {
    std::chrono::milliseconds connect{20000};   // reaching the server and logging in
    std::chrono::milliseconds transfer{120000};  // any one request, the file's transfer included
};

struct FtpServer {
    std::string host;
    int port = 21;
    FtpTimeouts timeouts;
};

class FtpClient {
public:
    virtual ~FtpClient() = default;
    // Returns once logged in; throws FtpError when the server cannot be
    // reached or refuses the login.
    virtual void connect(const std::string& host, int port, const std::string& user, const std::string& password) = 0;
    virtual bool isConnected() const = 0;
    virtual void setAsciiTransfer() = 0;
    virtual void setPassive(bool passive) = 0;
    // Stores the whole local file under `remoteName`, replacing any file of that name.
    virtual void put(const std::string& localPath, const std::string& remoteName) = 0;
    // The server's size of the remote file in bytes, -1 when it gives none.
    virtual long long size(const std::string& remoteName) = 0;
    virtual void disconnect() = 0;
};

using FtpClientFactory = std::function<std::unique_ptr<FtpClient>(const FtpTimeouts&)>;

} // namespace pluvelle
