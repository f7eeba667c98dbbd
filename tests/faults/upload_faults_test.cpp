// The FTP server failing during the upload: closing the connection in the
// middle of the file, or going silent in the middle of it. The user is told
// by the client's error (its time-out when the server is silent), the busy
// cursor goes away, and the .ic file on disk is untouched for another try.
#include "../infoclimat/loopback_ftp.h"

#include "core/command_runner.h"
#include "infoclimat/ftp_upload.h"

#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <chrono>

namespace pluvelle {
namespace {

using namespace testing;
using namespace std::chrono_literals;

const std::string kSaved = "Le fichier a été enregistré sur votre ordinateur.\n"
                           "Patientez, il va être transféré sur le serveur d'InfoClimat";

struct Attempt {
    CommandResult result = CommandResult::Failed;
    ScriptedDialogs dialogs;
    std::vector<bool> busy;
};

Attempt Send(const std::string& local, const LoopbackFtpServer& server, std::chrono::milliseconds transfer) {
    Attempt a;
    InfoClimatUpload upload;
    upload.server = FtpServer{"127.0.0.1", server.port(), FtpTimeouts{5s, transfer}};
    upload.busy = [&a](bool on) { a.busy.push_back(on); };
    const InfoClimatSettings account{"07123", server.options().user, server.options().password};
    a.result = RunCommand(a.dialogs, [&] {
        return UploadInfoClimatFile(local, "07123_201604.ic", account, upload, a.dialogs);
    });
    return a;
}

// An .ic file larger than what the sockets hold, so the server acts mid-file.
std::string LargeIcFile() {
    std::string text;
    while (text.size() < 24u * 1024 * 1024) text += "07123;2016-04-01 00:10:00;12.5;;;;;;;;;;;;;;;;;;;;;;;;;;\r\n";
    return text;
}

struct ServerFault {
    const char* mode;  // of ftp_server.py
    const char* says;  // what the client's error says about it
    const char* name;
};

void PrintTo(const ServerFault& f, std::ostream* os) { *os << f.name; }

class UploadInterrupted : public ::testing::TestWithParam<ServerFault> {};

TEST_P(UploadInterrupted, ErrorShownCursorBackAndFileKept) {
    TempDir dir;
    const std::string local = dir.file("07123_201604.ic");
    const std::string content = LargeIcFile();
    WriteFile(local, content);
    LoopbackFtpServer server(LoopbackFtpOptions{GetParam().mode});

    const Attempt a = Send(local, server, 2s);
    EXPECT_EQ(a.result, CommandResult::Failed);
    ASSERT_EQ(a.dialogs.shown().size(), 2u);
    EXPECT_EQ(a.dialogs.shown()[0].text, kSaved);
    EXPECT_EQ(a.dialogs.shown()[1].kind, MessageKind::Error);
    const std::string& error = a.dialogs.shown()[1].text;
    EXPECT_NE(error.find("Erreur FTP (127.0.0.1:" + std::to_string(server.port()) + ", envoi de 07123_201604.ic)"),
              std::string::npos)
        << error;
    EXPECT_NE(error.find(GetParam().says), std::string::npos) << error;
    EXPECT_EQ(error.find(server.options().password), std::string::npos) << error;
    EXPECT_EQ(a.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(ReadFile(local), content);

    // The file is still there to be sent again to a server that works.
    LoopbackFtpServer working;
    const Attempt retry = Send(local, working, 30s);
    EXPECT_EQ(retry.result, CommandResult::Done) << ::testing::PrintToString(retry.dialogs.messages());
}

INSTANTIATE_TEST_SUITE_P(Servers, UploadInterrupted,
                         ::testing::Values(ServerFault{"drop-stor", "", "ConnectionClosed"},
                                           ServerFault{"stall-stor", "timed out", "ServerSilent"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pluvelle
