// Settings files that are not what the program wrote: binary garbage, huge,
// or without line ends. Opening the panels must not fail, take long, or change
// the file; the panels show what the file holds, as text, so the user sees
// what is wrong and can type the right values over it.
#include "core/settings_folder.h"
#include "core/text_output.h"
#include "exports/sunshine.h"
#include "infoclimat/infoclimat_panel.h"
#include "infoclimat/infoclimat_settings.h"

#include "month_fixture.h"
#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <random>

namespace pluvelle {
namespace {

using namespace testing;

std::string Garbage() {
    std::mt19937 random(20160401);
    std::string bytes(4096, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

constexpr std::size_t kHuge = 50u * 1024 * 1024;

struct BadFile {
    const char* name;
    std::function<std::string()> bytes;
};

// The file's first line as the panels show it: up to the first CR or LF,
// within the part of the file the readers look at, as single-byte text.
std::string FirstLine(const std::string& bytes) {
    const std::string head = bytes.substr(0, kSettingsReadLimit);
    return head.substr(0, head.find_first_of("\r\n"));
}

const BadFile kBadFiles[] = {
    {"BinaryGarbage", Garbage},
    {"HugeSingleLine", [] { return std::string(kHuge, '7'); }},
    {"HugeManyLines",
     [] {
         std::string text;
         while (text.size() < kHuge) text += "45.5\r\n";
         return text;
     }},
    {"NoLineEnds", [] { return std::string("07123"); }},
    {"CarriageReturnsOnly", [] { return std::string("07123\rstation\rpass\r"); }},
    {"Empty", [] { return std::string(); }},
    {"NulBytes", [] { return std::string("07\0" "123\r\nstat\0ion\r\n\0\0\0\r\n", 21); }},
};

void PrintTo(const BadFile& f, std::ostream* os) { *os << f.name; }

class BadSettingsFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadSettingsFile, SunshinePanelShowsItsTextAndLeavesItAsItWas) {
    TempDir dir;
    const std::string bytes = GetParam().bytes();
    WriteFile(dir.file(kSunshineSettingsFile), bytes);
    MonthFile month;
    ScriptedDialogs dialogs;
    const auto shown = OpenSunshinePanel(month, dialogs, dir.path().string(), {"1", "2", "3"});
    ASSERT_TRUE(shown);
    EXPECT_TRUE(dialogs.shown().empty());
    // A comma in a coordinate shows as a point with at most six decimals.
    EXPECT_EQ(shown->latitude, Cp1252ToUtf8(StoredCoordinateText(FirstLine(bytes))));
    EXPECT_EQ(ReadFile(dir.file(kSunshineSettingsFile)), bytes);
}

TEST_P(BadSettingsFile, InfoClimatPanelShowsItsTextAndLeavesItAsItWas) {
    TempDir dir;
    const std::string bytes = GetParam().bytes();
    WriteFile(dir.file("configIC.txt"), bytes);
    InfoClimatEdits edits{"typed", "typed", "typed"};
    FillInfoClimatEdits({dir.path().string(), ""}, edits);
    EXPECT_EQ(edits.codeStation, Cp1252ToUtf8(FirstLine(bytes)));
    EXPECT_EQ(FirstCharacters(edits.passeIC, kStoredPasswordLength), edits.passeIC);
    EXPECT_EQ(ReadFile(dir.file("configIC.txt")), bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, BadSettingsFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pluvelle
