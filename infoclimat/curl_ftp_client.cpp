#include "curl_ftp_client.h"

#include "core/errors.h"
#include "core/paths.h"

#include <curl/curl.h>

#include <filesystem>
#include <fstream>
#include <mutex>

namespace pluvelle {

namespace {

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Answers to the size request arrive as header-like text: nothing to keep.
std::size_t Discard(char*, std::size_t size, std::size_t count, void*) { return size * count; }

std::size_t ReadChunk(char* buffer, std::size_t size, std::size_t count, void* stream) {
    auto* in = static_cast<std::ifstream*>(stream);
    in->read(buffer, static_cast<std::streamsize>(size * count));
    if (in->bad()) return CURL_READFUNC_ABORT;
    return static_cast<std::size_t>(in->gcount());
}

class CurlFtpClient final : public FtpClient {
public:
    explicit CurlFtpClient(const FtpTimeouts& timeouts) : timeouts_(timeouts) { InitCurlOnce(); }
    ~CurlFtpClient() override { release(); }
    CurlFtpClient(const CurlFtpClient&) = delete;
    CurlFtpClient& operator=(const CurlFtpClient&) = delete;

    void connect(const std::string& host, int port, const std::string& user, const std::string& password) override {
        release();
        password_ = password;
        label_ = host + ":" + std::to_string(port);
        curl_ = curl_easy_init();
        if (!curl_) throw FtpError("Erreur FTP (" + label_ + ") : le client n'a pu être créé");
        const std::string bracketed = host.find(':') != std::string::npos ? "[" + host + "]" : host;
        base_ = "ftp://" + bracketed + ":" + std::to_string(port) + "/";
        setCommonOptions(user, password);
        // A request for no file at all: the login, and nothing else.
        curl_easy_setopt(curl_, CURLOPT_URL, base_.c_str());
        curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
        perform("connexion");
        connected_ = true;
    }

    bool isConnected() const override { return curl_ != nullptr && connected_; }
    void setAsciiTransfer() override { ascii_ = true; }
    void setPassive(bool passive) override { passive_ = passive; }

    void put(const std::string& localPath, const std::string& remoteName) override {
        requireConnection();
        const auto path = PathFromUtf8(localPath);
        std::error_code ec;
        const auto bytes = std::filesystem::file_size(path, ec);
        std::ifstream in(path, std::ios::binary);
        if (ec || !in) throw IoError("Erreur de lecture du fichier " + localPath);
        const std::string url = fileUrl(remoteName);
        curl_easy_setopt(curl_, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl_, CURLOPT_NOBODY, 0L);
        curl_easy_setopt(curl_, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl_, CURLOPT_APPEND, 0L);
        curl_easy_setopt(curl_, CURLOPT_TRANSFERTEXT, ascii_ ? 1L : 0L);
        curl_easy_setopt(curl_, CURLOPT_FTPPORT, passive_ ? nullptr : "-");
        curl_easy_setopt(curl_, CURLOPT_READFUNCTION, ReadChunk);
        curl_easy_setopt(curl_, CURLOPT_READDATA, &in);
        curl_easy_setopt(curl_, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(bytes));
        perform("envoi de " + remoteName);
        curl_easy_setopt(curl_, CURLOPT_UPLOAD, 0L);
        curl_easy_setopt(curl_, CURLOPT_READDATA, nullptr);
    }

    long long size(const std::string& remoteName) override {
        requireConnection();
        const std::string url = fileUrl(remoteName);
        curl_easy_setopt(curl_, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl_, CURLOPT_UPLOAD, 0L);
        curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
        // SIZE is asked in binary type: servers may refuse it in ASCII type,
        // and the binary size is the number of bytes the server holds.
        curl_easy_setopt(curl_, CURLOPT_TRANSFERTEXT, 0L);
        errors_[0] = '\0';
        const CURLcode rc = curl_easy_perform(curl_);
        // The server answered SIZE with an error: it reports no size.
        if (rc == CURLE_REMOTE_FILE_NOT_FOUND) return -1;
        if (rc != CURLE_OK) fail("taille de " + remoteName, rc);
        curl_off_t length = -1;
        if (curl_easy_getinfo(curl_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK) return -1;
        return length;
    }

    void disconnect() override { release(); }

private:
    void setCommonOptions(const std::string& user, const std::string& password) {
        curl_easy_setopt(curl_, CURLOPT_ERRORBUFFER, errors_);
#if LIBCURL_VERSION_NUM >= 0x075500
        curl_easy_setopt(curl_, CURLOPT_PROTOCOLS_STR, "ftp");
#else
        curl_easy_setopt(curl_, CURLOPT_PROTOCOLS, static_cast<long>(CURLPROTO_FTP));
#endif
        curl_easy_setopt(curl_, CURLOPT_PROXY, "");  // a direct connection, whatever the environment says
        curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, Discard);
        curl_easy_setopt(curl_, CURLOPT_HEADERFUNCTION, Discard);
        curl_easy_setopt(curl_, CURLOPT_USERNAME, user.c_str());
        curl_easy_setopt(curl_, CURLOPT_PASSWORD, password.c_str());
        const long connectMs = static_cast<long>(timeouts_.connect.count());
        const long transferMs = static_cast<long>(timeouts_.transfer.count());
        curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
        curl_easy_setopt(curl_, CURLOPT_TIMEOUT_MS, transferMs);
        curl_easy_setopt(curl_, CURLOPT_SERVER_RESPONSE_TIMEOUT, transferMs / 1000 + 1);
    }

    std::string fileUrl(const std::string& remoteName) {
        char* escaped = curl_easy_escape(curl_, remoteName.c_str(), static_cast<int>(remoteName.size()));
        if (!escaped) throw FtpError("Erreur FTP (" + label_ + ") : nom de fichier inutilisable");
        std::string url = base_ + escaped;
        curl_free(escaped);
        return url;
    }

    void requireConnection() const {
        if (!isConnected()) throw FtpError("Erreur FTP (" + label_ + ") : pas de connexion au serveur");
    }

    void perform(const std::string& step) {
        errors_[0] = '\0';
        const CURLcode rc = curl_easy_perform(curl_);
        if (rc != CURLE_OK) fail(step, rc);
    }

    [[noreturn]] void fail(const std::string& step, CURLcode rc) {
        std::string detail = errors_[0] != '\0' ? std::string(errors_) : std::string(curl_easy_strerror(rc));
        // The account's password is never shown, whatever the library wrote.
        if (!password_.empty())
            for (auto at = detail.find(password_); at != std::string::npos; at = detail.find(password_, at + 4))
                detail.replace(at, password_.size(), "****");
        throw FtpError("Erreur FTP (" + label_ + ", " + step + ") : " + detail);
    }

    // Cleaning up the handle closes its control connection with QUIT.
    void release() {
        if (curl_) curl_easy_cleanup(curl_);
        curl_ = nullptr;
        connected_ = false;
    }

    FtpTimeouts timeouts_;
    CURL* curl_ = nullptr;
    bool connected_ = false;
    bool ascii_ = false;
    bool passive_ = true;
    std::string base_;
    std::string label_;
    std::string password_;
    char errors_[CURL_ERROR_SIZE] = {};
};

} // namespace

std::unique_ptr<FtpClient> MakeCurlFtpClient(const FtpTimeouts& timeouts) {
    return std::make_unique<CurlFtpClient>(timeouts);
}

} // namespace pluvelle
