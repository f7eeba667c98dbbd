#include "cli_runner.h"
#include "month_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pluvelle {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::Quote;

// June and July 2014 in `dir`; returns July's path.
std::string WriteJuly(const testing::TempDir& dir) {
    testing::WriteFile(dir.file("2014-06.wlk"), testing::MonthBytes({}));
    const std::string july = dir.file("2014-07.wlk");
    testing::WriteFile(july, testing::MonthBytes({{2, testing::RecordsEvery(10, 10, 60)}}));
    return july;
}

TEST(CliInfoClimat, WritesTheFileBesideTheMonth) {
    testing::TempDir dir;
    const CliRun r = Cli("infoclimat " + Quote(WriteJuly(dir)) + " --station 07123 --time-base utc", dir);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string ic = testing::ReadFile(dir.file("07123_201407.ic"));
    EXPECT_EQ(ic.substr(0, 19), "idstation;dh_utc;te");
    EXPECT_NE(ic.find("\r\n07123;2014-07-02 01:00:00;"), std::string::npos);
}

TEST(CliInfoClimat, StopsRefusalsAndBadArguments) {
    testing::TempDir dir;
    const std::string july = WriteJuly(dir);
    const struct {
        std::string args;
        int status;
        std::string errStart;
    } cases[] = {
        {"infoclimat " + Quote(july) + " --station 07123 --time-base legal", 1, " Le fichier du mois suivant : "},
        {"infoclimat " + Quote(july) + " --time-base utc", 2, "Arguments incorrects"},
        {"infoclimat " + Quote(july) + " --station 07123 --time-base utc --upload --port 0", 1, "--port"},
        // Nothing listens on loopback port 1: the client's error, without the password.
        {"infoclimat " + Quote(july) +
             " --station 07123 --time-base utc --upload --host 127.0.0.1 --port 1 --user u --password Hidden-Pa55",
         1, "Le fichier a été enregistré sur votre ordinateur. Patientez"},
    };
    for (const auto& c : cases) {
        const CliRun r = Cli(c.args, dir);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.err.substr(0, c.errStart.size()), c.errStart) << c.args << " -> " << r.err;
        EXPECT_EQ(r.err.find("Hidden-Pa55"), std::string::npos) << r.err;
    }
}

} // namespace
} // namespace pluvelle
