#include "cli_commands.h"

#include "support/month_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace pluvelle::cli {
namespace {

using testing::ReadFile;
using testing::TempDir;

struct Outcome {
    int status;
    std::string err;
};

Outcome RunWords(const std::vector<std::string>& words) {
    std::ostringstream out, err;
    const int status = RunCli(words, out, err);
    return {status, err.str()};
}

std::string MonthWithSun(const TempDir& dir) {
    std::vector<ArchiveRecord> records = testing::RecordsEvery(5, 11 * 60, 13 * 60);
    for (auto& r : records) r.solarRad = 1000;
    const std::string path = dir.file("2015-03.wlk");
    testing::WriteFile(path, testing::MonthBytes({{2, records}}));
    return path;
}

TEST(SunshineCli, WritesTheSunshineFileWithoutKeepingSettings) {
    TempDir dir;
    const std::string month = MonthWithSun(dir);
    const Outcome o = RunWords({"sunshine", month, dir.file("sun.csv"), "--lat", "45,5", "--lon", "-5.25", "--time-base",
                           "utc"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "Fichier enregistré\n");
    const std::string csv = ReadFile(dir.file("sun.csv"));
    // 11:00 to 13:00, the first interval counted from midnight: 660 % 256 + 120 minutes.
    EXPECT_NE(csv.find("\r\n02/03/2015;04:28;04:28;100;0.000;\r\n"), std::string::npos) << csv;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename(), "configensol.txt");
}

TEST(SunshineCli, StopsOnMissingMonthAndBadArguments) {
    TempDir dir;
    EXPECT_EQ(RunWords({"sunshine", dir.file("2015-03.wlk"), dir.file("sun.csv"), "--lat", "45", "--lon", "0",
                   "--time-base", "legal"})
                  .status,
              1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("sun.csv")));
    EXPECT_EQ(RunWords({"sunshine", dir.file("2015-03.wlk"), dir.file("sun.csv"), "--lat", "45", "--time-base", "legal"})
                  .status,
              2);
}

TEST(SunshineCli, ExtremesOfAFolder) {
    TempDir dir;
    MonthWithSun(dir);
    const Outcome o = RunWords({"extremes", dir.path().string()});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "Le fichier \"ExtremumsMois.csv\" est enregistré\n");
    const std::string csv = ReadFile(dir.file("ExtremumsMois.csv"));
    EXPECT_NE(csv.find("\r\n2015-03;"), std::string::npos);
    EXPECT_NE(csv.find("\r\n******\r\nStation;"), std::string::npos);
}

} // namespace
} // namespace pluvelle::cli
