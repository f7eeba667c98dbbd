#include "ic_test_support.h"
#include "loopback_ftp.h"

#include "infoclimat/ftp_upload.h"
#include "infoclimat/infoclimat_panel.h"

#include "core/command_runner.h"
#include "core/month_load.h"

#include <gtest/gtest.h>

#include <chrono>

namespace pluvelle {
namespace {

using namespace testing;
using namespace std::chrono_literals;

const std::string kSaved =
    "Le fichier a été enregistré sur votre ordinateur.\nPatientez, il va être transféré sur le serveur d'InfoClimat";
const std::string kNotStored = "Le fichier n'a pu être transféré";

InfoClimatUpload LoopbackUpload(int port, std::chrono::milliseconds connect = 5s,
                                std::chrono::milliseconds transfer = 10s) {
    InfoClimatUpload upload;
    upload.server = FtpServer{"127.0.0.1", port, FtpTimeouts{connect, transfer}};
    return upload;
}

struct UploadRun {
    CommandResult result = CommandResult::Failed;
    ScriptedDialogs dialogs;
    std::vector<bool> busy;
};

UploadRun Upload(const std::string& local, const std::string& password, InfoClimatUpload upload) {
    UploadRun run;
    upload.busy = [&run](bool on) { run.busy.push_back(on); };
    const InfoClimatSettings settings{"07123", "station", password};
    run.result = RunCommand(run.dialogs, [&] {
        return UploadInfoClimatFile(local, "07123_201407.ic", settings, upload, run.dialogs);
    });
    return run;
}

std::string Success(long long kilobytes) {
    return "Transféré avec succès sur le serveur d' InfoClimat (" + std::to_string(kilobytes) + "ko)";
}

TEST(InfoClimatUpload, StoresTheWholeFileAndASecondUploadReplacesIt) {
    LoopbackFtpServer server;
    TempDir dir;
    const std::string local = dir.file("07123_201407.ic");
    struct Case {
        std::size_t bytes;
        long long kilobytes;
    };
    for (const Case c : {Case{2600, 2}, Case{500, 0}}) {
        const std::string content(c.bytes, c.bytes == 500 ? 'b' : 'a');
        WriteFile(local, content);
        const auto run = Upload(local, server.options().password, LoopbackUpload(server.port()));
        EXPECT_EQ(run.result, CommandResult::Done);
        EXPECT_EQ(run.dialogs.messages(), (std::vector<std::string>{kSaved, Success(c.kilobytes)}));
        EXPECT_EQ(server.stored("07123_201407.ic"), content);
        EXPECT_EQ(run.busy, (std::vector<bool>{true, false}));
    }
}

TEST(InfoClimatUpload, ExportSendsTheIcFileInTextMode) {
    LoopbackFtpServer server;
    MonthFolder folder;
    folder.write(2014, 6);
    const InfoClimatUpload upload = LoopbackUpload(server.port());
    const auto run = RunExport(folder.write(2014, 7, {{1, RecordsEvery(10, 10, 1440)}, {2, RecordsEvery(10, 10, 1440)}}),
                               Answer::No, &upload);
    EXPECT_EQ(run.result, CommandResult::Done);
    // In text mode the server may store its own line ends; the size shown is the server's.
    const auto withoutCr = [](std::string text) {
        std::erase(text, '\r');
        return text;
    };
    const std::string stored = server.stored("07123_201407.ic");
    EXPECT_GT(stored.size(), 20000u);
    EXPECT_TRUE(withoutCr(stored) == withoutCr(ReadFile(run.icPath)));
    EXPECT_EQ(run.dialogs.messages(),
              (std::vector<std::string>{kSaved, Success(static_cast<long long>(stored.size()) / 1024)}));
}

TEST(InfoClimatUpload, NoSizeFromTheServerMeansNotTransferred) {
    for (const char* reply : {"550 SIZE refused.", "502 Command not implemented."}) {
        LoopbackFtpOptions options;
        options.mode = "refuse-size";
        options.sizeReply = reply;
        LoopbackFtpServer server(options);
        TempDir dir;
        WriteFile(dir.file("month.ic"), std::string(3000, 'x'));
        const auto run = Upload(dir.file("month.ic"), options.password, LoopbackUpload(server.port()));
        EXPECT_EQ(run.result, CommandResult::Refused) << reply;
        EXPECT_EQ(run.dialogs.messages(), (std::vector<std::string>{kSaved, kNotStored})) << reply;
        EXPECT_TRUE(server.holds("07123_201407.ic")) << reply;
    }
}

// Failures of the client come back as its own error text, never with the password.
void ExpectClientError(const UploadRun& run, const std::string& password) {
    EXPECT_EQ(run.result, CommandResult::Failed);
    ASSERT_EQ(run.dialogs.shown().size(), 2u);
    EXPECT_EQ(run.dialogs.shown()[0].text, kSaved);
    EXPECT_EQ(run.dialogs.shown()[1].kind, MessageKind::Error);
    const std::string& error = run.dialogs.shown()[1].text;
    EXPECT_NE(error.find("Erreur FTP"), std::string::npos) << error;
    EXPECT_EQ(error.find(password), std::string::npos) << error;
    EXPECT_EQ(run.busy, (std::vector<bool>{true, false}));
}

TEST(InfoClimatUpload, RefusedLoginAndUnreachableServerGiveTheClientsError) {
    TempDir dir;
    WriteFile(dir.file("month.ic"), "a;b;\r\n");
    int closedPort = 0;
    {
        LoopbackFtpServer server;
        closedPort = server.port();
        const std::string wrong = "wrong-Pa55word";
        ExpectClientError(Upload(dir.file("month.ic"), wrong, LoopbackUpload(server.port())), wrong);
        EXPECT_FALSE(server.holds("07123_201407.ic"));
    }
    ExpectClientError(Upload(dir.file("month.ic"), "s3cr3t-Pa55", LoopbackUpload(closedPort)), "s3cr3t-Pa55");
}

TEST(InfoClimatUpload, SilentServerAndStalledTransferEndOnTheirTimeOuts) {
    TempDir dir;
    WriteFile(dir.file("month.ic"), std::string(1000, 'x'));
    {
        LoopbackFtpServer silent(LoopbackFtpOptions{"silent"});
        ExpectClientError(Upload(dir.file("month.ic"), "s3cr3t-Pa55", LoopbackUpload(silent.port(), 300ms, 1s)),
                          "s3cr3t-Pa55");
    }
    LoopbackFtpServer stalled(LoopbackFtpOptions{"hang-stor"});
    ExpectClientError(Upload(dir.file("month.ic"), "s3cr3t-Pa55", LoopbackUpload(stalled.port(), 2s, 1s)),
                      "s3cr3t-Pa55");
}

TEST(InfoClimatUpload, ClientNotConnectedAfterTheAttemptShowsConnexionImpossible) {
    FtpScript ftp;
    ftp.connects = false;
    TempDir dir;
    WriteFile(dir.file("month.ic"), "x");
    const auto run = Upload(dir.file("month.ic"), "p", ScriptedUpload(ftp));
    EXPECT_EQ(run.result, CommandResult::Refused);
    EXPECT_EQ(run.dialogs.messages(), (std::vector<std::string>{kSaved, "Connexion Impossible"}));
    EXPECT_EQ(ftp.calls, std::vector<std::string>{"connect ftp.example.invalid:21"});
}

TEST(InfoClimatPanel, ValiderStoresTwentyCharactersAndLogsInWithTheWholePassword) {
    MonthFolder folder;
    folder.write(2014, 6);
    const MonthSession session = ReadMonthSession(folder.write(2014, 7, {{1, RecordsEvery(10, 10, 30)}}));
    TempDir programFolder, userFolder;
    const std::string password = "ABCDEFGHIJKLMNOPQRSTUVWXY";  // 25 characters
    FtpScript ftp;
    ScriptedDialogs dialogs;
    dialogs.timeBase(Answer::No);
    InfoClimatSettings settings;
    std::size_t shownWhenHidden = 99;
    const auto result = RunCommand(dialogs, [&] {
        return EnregConfigICFlow({programFolder.path().string(), userFolder.path().string()},
                                 {"07123", "station", password}, settings,
                                 [&] { shownWhenHidden = dialogs.shown().size(); }, session, dialogs,
                                 ScriptedUpload(ftp));
    });
    EXPECT_EQ(result, CommandResult::Done);
    EXPECT_EQ(shownWhenHidden, 0u);  // the panel goes before the export's first question
    EXPECT_EQ(settings.password, password);
    EXPECT_EQ(ftp.user, "station");
    EXPECT_EQ(ftp.password, password);
    const auto stored = ReadInfoClimatSettings(programFolder.file("configIC.txt"));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->password, password.substr(0, 20));
}

TEST(InfoClimatPanel, ValiderFallsBackToTheUsersFolderAndStopsWhenNeitherCanBeWritten) {
    MonthFolder folder;
    folder.write(2014, 6);
    const MonthSession session = ReadMonthSession(folder.write(2014, 7, {{1, RecordsEvery(10, 10, 30)}}));
    TempDir dir;
    WriteFile(dir.file("a-file"), "");
    struct Case {
        std::string program, user;
        bool saved;
    };
    const Case cases[] = {
        {dir.file("no-program-folder"), dir.file("user"), true},
        {dir.file("no-program-folder"), dir.file("a-file/user"), false},
    };
    for (const Case& c : cases) {
        FtpScript ftp;
        ScriptedDialogs dialogs;
        dialogs.timeBase(Answer::No);
        InfoClimatSettings settings{"old", "old user", "old pass"};
        bool hidden = false;
        const auto result = RunCommand(dialogs, [&] {
            return EnregConfigICFlow({c.program, c.user}, {"07123", "station", "p"}, settings,
                                     [&] { hidden = true; }, session, dialogs, ScriptedUpload(ftp));
        });
        EXPECT_EQ(hidden, c.saved) << c.user;
        EXPECT_EQ(settings.stationCode, c.saved ? "07123" : "old") << c.user;
        EXPECT_EQ(ftp.calls.empty(), !c.saved) << c.user;
        if (c.saved) {
            EXPECT_EQ(result, CommandResult::Done);
            InfoClimatEdits edits;
            FillInfoClimatEdits({c.program, c.user}, edits);
            EXPECT_EQ(edits.codeStation, "07123");
        } else {
            EXPECT_EQ(result, CommandResult::Failed);
            ASSERT_EQ(dialogs.shown().size(), 1u);
            EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
        }
    }
}

} // namespace
} // namespace pluvelle
