#include "core/month_load.h"
#include "core/table_csv.h"

#include "month_fixture.h"
#include "scripted_dialogs.h"

#include <gtest/gtest.h>

namespace pluvelle {
namespace {

TEST(TableCsv, NineThousandLinesWithDateAndTimeSplit) {
    testing::TempDir dir;
    testing::WriteFile(dir.file("2015-03.wlk"), testing::MonthBytes({{5, testing::RecordsEvery(5, 870, 875)}}));
    MonthSession s = ReadMonthSession(dir.file("2015-03.wlk"));
    testing::ScriptedDialogs d;
    d.fileName(dir.file("mois.CSV"));
    ASSERT_EQ(ExportTableFlow(s, d), CommandResult::Done);
    EXPECT_EQ(d.messages(), std::vector<std::string>{"Fichier enregistré"});
    const std::string text = testing::ReadFile(dir.file("mois.CSV.csv"));
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const auto end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    ASSERT_EQ(lines.size(), 9000u);
    EXPECT_EQ(lines[0].substr(0, 30), "Date;Heure;TempExt;T.ExtMax;T.");
    EXPECT_EQ(lines[0].substr(lines[0].size() - 20), "HumidSup1;HumidSup2;");
    EXPECT_EQ(lines[1].substr(0, 27), "05/03/2015;14:30;20.0;20.3;");
    EXPECT_EQ(lines[3], std::string(48, ';'));
    EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), ';'), 48);
}

} // namespace
} // namespace pluvelle
