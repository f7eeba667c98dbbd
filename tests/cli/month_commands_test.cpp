#include "cli_runner.h"
#include "month_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pluvelle {
namespace {

using testing::Cli;
using testing::Quote;
using testing::CliRun;

TEST(CliMonthCommands, TableAndResaveFollowTheContract) {
    testing::TempDir dir;
    const std::string month = dir.file("2020-01.wlk");
    testing::WriteFile(month, testing::MonthBytes({{2, testing::RecordsEvery(5, 5, 60)}}));

    CliRun r = Cli("table " + Quote(month) + " " + Quote(dir.file("out.txt")), dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Fichier enregistré\n");
    EXPECT_EQ(testing::ReadFile(dir.file("out.txt")).substr(0, 11), "Date;Heure;");  // exactly the given name

    r = Cli("resave " + Quote(month) + " " + Quote(dir.file("copy.bin")), dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(testing::ReadFile(dir.file("copy.bin")), testing::ReadFile(month));
}

TEST(CliMonthCommands, StopsAndBadArguments) {
    testing::TempDir dir;
    const struct {
        std::string args;
        int status;
        std::string errStart;
    } cases[] = {
        {"table " + Quote(dir.file("2019-12.wlk")) + " out.csv", 1, "2019-12.wlk : Fichier introuvable\n"},
        {"table only-one-argument", 2, "Arguments incorrects"},
        {"frobnicate", 2, "Commande inconnue"},
        {"", 2, "pluvelle-cli"},
        {"resave " + Quote(dir.file("2019-12.wlk")) + " " + Quote(dir.file("x")), 1, "2019-12.wlk"},
    };
    for (const auto& c : cases) {
        const CliRun r = Cli(c.args, dir);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.err.substr(0, c.errStart.size()), c.errStart) << c.args << " -> " << r.err;
    }
}

TEST(CliMonthCommands, HelpListsTheCommands) {
    testing::TempDir dir;
    const std::string outFile = dir.file("help.txt");
    ASSERT_EQ(std::system((std::string(PLUVELLE_CLI_PATH) + " --help >" + outFile).c_str()), 0);
    const std::string help = testing::ReadFile(outFile);
    for (const char* name : {"table", "resave"}) EXPECT_NE(help.find(std::string("pluvelle-cli ") + name), std::string::npos);
}

TEST(CliMonthCommands, ErrorsReachStderrAndExitOne) {
    testing::TempDir dir;
    std::string bytes = testing::MonthBytes({{2, testing::RecordsEvery(5, 5, 60)}});
    bytes.resize(bytes.size() - 10);
    testing::WriteFile(dir.file("2020-01.wlk"), bytes);
    const CliRun r = Cli("table " + Quote(dir.file("2020-01.wlk")) + " " + Quote(dir.file("o.csv")), dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Fin de fichier inattendue"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "o.csv"));
}

} // namespace
} // namespace pluvelle
