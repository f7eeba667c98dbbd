#include "cli_runner.h"
#include "month_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pluvelle {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::Quote;

TEST(CliExportCommands, SummariesAndWmoWriteTheGivenNames) {
    testing::TempDir dir;
    const std::string month = dir.file("2020-01.wlk");
    testing::WriteFile(month, testing::MonthBytes({{2, testing::RecordsEvery(5, 5, 60)}}));

    CliRun r = Cli("summaries " + Quote(month) + " " + Quote(dir.file("resume.txt")), dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Fichier enregistré\n");
    EXPECT_EQ(testing::ReadFile(dir.file("resume.txt")).substr(0, 16), "Date;TempExtMax;");

    const struct {
        const char* base;
        std::string header;
    } bases[] = {
        {"legal", "Date;Tn(\xB0" "C);Heure_Tn;Tx(\xB0" "C);Heure_Tx;Cumul_Pluie(mm);Rafale_Maxi(km/h);"
                  "Heure_Rafale_Maxi;Hiver/Et\xE9;\r\n"},
        {"utc", "Date;Tn(\xB0" "C);Heure_Tn;Tx(\xB0" "C);Heure_Tx;Cumul_Pluie(mm);Rafale_Maxi(km/h);"
                "Heure_Rafale_Maxi;\r\n"},
    };
    for (const auto& b : bases) {
        SCOPED_TRACE(b.base);
        const std::string out = dir.file(std::string("omm-") + b.base);
        r = Cli("wmo " + Quote(month) + " " + Quote(out) + " --time-base " + b.base, dir);
        EXPECT_EQ(r.status, 0);
        const std::string csv = testing::ReadFile(out);
        EXPECT_EQ(csv.substr(0, b.header.size()), b.header);
        EXPECT_EQ(csv.substr(b.header.size(), 11), "02/01/2020;");
        // Neither neighbour is there: both warnings, then the completion.
        EXPECT_NE(r.err.find(dir.file("2019-12.wlk") + " : Fichier introuvable"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(dir.file("2020-02.wlk") + " : Fichier introuvable"), std::string::npos) << r.err;
        const std::string done = "Fichier enregistré\n";
        EXPECT_EQ(r.err.substr(r.err.size() - done.size()), done);
    }
}

TEST(CliExportCommands, StopsAndBadArguments) {
    testing::TempDir dir;
    const std::string missing = Quote(dir.file("2019-12.wlk"));
    const std::string out = Quote(dir.file("out.csv"));
    const struct {
        std::string args;
        int status;
        std::string errStart;
    } cases[] = {
        {"summaries " + missing + " " + out, 1, "2019-12.wlk : Fichier introuvable\n"},
        {"wmo " + missing + " " + out + " --time-base utc", 1, "2019-12.wlk : Fichier introuvable\n"},
        {"wmo " + missing + " " + out, 2, "Arguments incorrects"},
        {"wmo " + missing + " " + out + " --time-base locale", 2, "Arguments incorrects : --time-base"},
        {"summaries " + missing, 2, "Arguments incorrects"},
    };
    for (const auto& c : cases) {
        const CliRun r = Cli(c.args, dir);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.err.substr(0, c.errStart.size()), c.errStart) << c.args << " -> " << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.csv")));
}

} // namespace
} // namespace pluvelle
