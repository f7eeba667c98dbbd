#pragma once
// The FTP client of the upload, on libcurl: one control connection kept from
// the login to the quit, passive data connections.
#include "ftp_client.h"

#include <memory>

namespace pluvelle {

std::unique_ptr<FtpClient> MakeCurlFtpClient(const FtpTimeouts& timeouts);

} // namespace pluvelle
