#pragma once
// Sending the finished .ic file to InfoClimat's FTP server and telling the
// user whether the server holds it.
#include "curl_ftp_client.h"
#include "ftp_client.h"
#include "infoclimat_settings.h"

#include "core/dialogs.h"

#include <functional>
#include <string>

namespace pluvelle {

// InfoClimat's file-transfer service, port 21; the host is set when the program is built.
FtpServer InfoClimatServer();

struct InfoClimatUpload {
    FtpServer server = InfoClimatServer();
    FtpClientFactory makeClient = MakeCurlFtpClient;
    // Called with true once the transfer starts and false when it ends, even on
    // an error: the window shows a busy cursor meanwhile.
    std::function<void(bool)> busy;
};

// Stores `localPath` on the server as `remoteName` with the account of
// `settings`. FtpError (server unreachable, login or transfer refused, time-out)
// and IoError go to the top-level handler.
CommandResult UploadInfoClimatFile(const std::string& localPath, const std::string& remoteName,
                                   const InfoClimatSettings& settings, const InfoClimatUpload& upload,
                                   Dialogs& dialogs);

} // namespace pluvelle
