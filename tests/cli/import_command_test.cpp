#include "cli_runner.h"
#include "month_fixture.h"

#include "core/month_load.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pluvelle {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::Quote;

std::string ImportCsv(const std::vector<std::string>& times) {
    std::string text = "Date;Heure;titles;\r\n";
    for (const std::string& t : times) {
        text += "03/01/2020;" + t + ";";
        for (int c = 1; c < kColumnCount; ++c) text += "4;";
        text += "\r\n";
    }
    return text;
}

TEST(CliImport, RebuildsTheMonthFromTheTableThenSaves) {
    testing::TempDir dir;
    const std::string month = dir.file("2020-01.wlk");
    testing::WriteFile(month, testing::MonthBytes({{2, testing::RecordsEvery(5, 5, 60)}}));
    testing::WriteFile(dir.file("table.csv"), ImportCsv({"10:00", "10:05"}));

    std::filesystem::create_directory(dir.path() / "out");
    const std::string out = dir.file("out/2020-01.wlk");
    CliRun r = Cli("import " + Quote(dir.file("table.csv")) + " " + Quote(month) + " " + Quote(out), dir);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "Ne pas oublier d'effectuer un \"Enregistrer le fichier (.wlk)\" si on veut ensuite utiliser "
                     "les fonctionnalités d'export.\nFichier enregistré\n");
    const MonthSession back = ReadMonthSession(out);
    EXPECT_EQ(back.month.dayCount[2], 0);
    EXPECT_EQ(back.month.dayCount[3], 4);
    EXPECT_EQ(back.month.header.totalRecords, 4);
    EXPECT_EQ(back.table.cell(2, 0), "03/01/2020 10:05");
    EXPECT_EQ(back.table.cell(2, 14), "4");
}

TEST(CliImport, RefusedTableWritesNothing) {
    testing::TempDir dir;
    const std::string month = dir.file("2020-01.wlk");
    testing::WriteFile(month, testing::MonthBytes({{2, testing::RecordsEvery(5, 5, 60)}}));
    testing::WriteFile(dir.file("table.csv"), ImportCsv({"10:05", "10:00"}));

    const std::string out = dir.file("out.wlk");
    CliRun r = Cli("import " + Quote(dir.file("table.csv")) + " " + Quote(month) + " " + Quote(out), dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("table.csv, ligne 3 : les dates et heures"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    r = Cli("import " + Quote(dir.file("absent.csv")) + " " + Quote(month) + " " + Quote(out), dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("fichier introuvable"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace pluvelle
